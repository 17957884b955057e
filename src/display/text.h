// Texts on the window: numbers, labels, move numbers, the last move of each player.
#pragma once

#include <string>

#include "form/form.h"

namespace hakuro {

// draw_caption's code of "手目" (the move number's caption), besides the handicap levels.
inline constexpr int MOJI_TEME = 99;
// code_text gives the kanji numeral of n for KANSUJI + n (n = 1..9), as ranks are written.
inline constexpr int KANSUJI = 1000;

// 描画_数値 "draw number": mode 0 prints the number (a blank before one that is not negative),
// any other mode the kanji numeral of 1..9 only.
void draw_number(Form& f, double x, double y, int value, int colour, int mode, int size);
// 描画_数値: the same for a number already in text: printed as it is in mode 0, nothing otherwise.
void draw_number(Form& f, double x, double y, const std::string& value, int colour, int mode,
                 int size);
// 描画_文字列 "draw text": the caption of `code`, MOJI_TEME or a handicap level -10..10, set a
// little into the cell.
void draw_caption(Form& f, double x, double y, int code, int colour, int size);
// 文字列変換 "convert to text": 1..9 as full-width digits, KANSUJI + 1..9 as kanji numerals,
// any other value as the name of that piece code.
std::string code_text(int value);

// Texts beside the board stand out by a black shadow: each of these prints first in IRO_KURO a
// tenth of a cell right of and below (x, y), then in `colour` at (x, y). A number, as draw_number
// prints it; a text; a caption, as draw_caption prints it.
void shadowed_number(Form& f, double x, double y, int value, int colour, int mode, int size);
void shadowed_text(Form& f, double x, double y, const std::string& s, int colour, int size);
void shadowed_caption(Form& f, double x, double y, int code, int colour, int size);
// 描画_移動駒種類 "draw the moved piece's kind": one part of a last move's text, 12 points.
void draw_move_part(Form& f, double x, double y, const std::string& text, int colour);
// 描画_移動結果 "draw the move's result": the side's last move (column, row, piece) beside its
// hand, replacing the one shown.
void draw_move_result(Form& f, int side, int to_x, int to_y, int piece, int colour);
// The last move of each player up to the move shown, drawn again as 描画_移動結果 draws it.
void redraw_last_moves(Form& f);
// 消去_移動結果 "erase the move's result": the side's last move painted over.
void erase_move_result(Form& f, int side);
// 描画_手数 "draw move number": n and 手目 right of the board, in white.
void draw_move_number(Form& f, int n);
// 描画_レベル "draw level": LEVEL and the computer's strength above the top player's hand.
void draw_level(Form& f, int level);
// 描画_ハンデレベル "draw handicap level": the level's name right of the board.
void draw_handicap_level(Form& f, int level);
// 取得_棋譜のX座標 "get the record's x position": where a header text of a loaded record is
// drawn, in window units, by its length in characters.
double record_header_x(const std::string& text);
// A loaded record's headers: its title below the board on the left, the top and the bottom
// player's names above and below the board.
void draw_record_headers(Form& f, const std::string& title, const std::string& top_name,
                         const std::string& bottom_name);

// The text of a handicap level -10..10, or "" for any other.
std::string handicap_name(int level);

}  // namespace hakuro
