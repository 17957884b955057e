// Texts on the window: numbers, labels, move numbers, the last move of each player.
#pragma once

#include <string>

#include "form/form.h"

namespace hakuro {

void 描画_数値(Form& f, double x, double y, int value, int colour, int mode, int size);
void 描画_数値(Form& f, double x, double y, const std::string& value, int colour, int mode,
               int size);
void 描画_文字列(Form& f, double x, double y, int code, int colour, int size);
std::string 文字列変換(int value);

// Texts beside the board stand out by a black shadow: each of these prints first in IRO_KURO a
// tenth of a cell right of and below (x, y), then in `colour` at (x, y). A number, as 描画_数値
// prints it; a text; a caption, as 描画_文字列 prints it.
void shadowed_number(Form& f, double x, double y, int value, int colour, int mode, int size);
void shadowed_text(Form& f, double x, double y, const std::string& s, int colour, int size);
void shadowed_caption(Form& f, double x, double y, int code, int colour, int size);
void 描画_移動駒種類(Form& f, double x, double y, const std::string& text, int colour);
void 描画_移動結果(Form& f, int side, int to_x, int to_y, int piece, int colour);
void 消去_移動結果(Form& f, int side);
void 描画_手数(Form& f, int n, int colour = IRO_SHIRO);
void 描画_レベル(Form& f, int level);
void 描画_ハンデレベル(Form& f, int level);
void 描画_メッセージ(Form& f, int reason);

// The text of a handicap level -10..10, or "" for any other.
std::string handicap_name(int level);

}  // namespace hakuro
