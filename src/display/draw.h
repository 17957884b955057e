// Pictures, outlines, the board, the hands, the labels and the background, placed in cells.
#pragma once

#include "display/geometry.h"
#include "form/form.h"

namespace hakuro {

// 描画_絵 "draw picture": the picture `id` with its top-left corner at cell (x, y).
void draw_picture(Form& f, int id, double x, double y);
// 描画_桝輪郭 "draw square outline": the outline of cell (x, y) in `colour`.
void draw_square_outline(Form& f, int colour, double x, double y);
// 描画_将棋盤桝 "draw the board's squares": the 9 x 9 grid in the square colour.
void draw_grid(Form& f);
// 描画_盤 "draw board": every square's piece or empty square, outlined in the background colour.
void draw_board(Form& f);
// 描画_自持盤 "draw own hand": the bottom player's hand right of the board, with its counts.
void draw_bottom_hand(Form& f);
// 描画_敵持盤 "draw enemy hand": the top player's hand left of the board, with its counts.
void draw_top_hand(Form& f);
// 描画_桝_数値 "draw square numbers": the file numbers above the board, the rank numerals
// right of it, named as names_from_top says.
void draw_coordinates(Form& f);
// Whether the window names squares from the top player's side (files 1 to 9 from the left,
// ranks 九 to 一 from the top): with 座標を先手から見る on, once a game has begun whose 先手, as
// the move list names it, is the top player. Otherwise squares are named from the bottom.
bool names_from_top(const Form& f);
// The labels drawn again when they no longer name squares as names_from_top says; true when
// they were.
bool keep_labels_current(Form& f);
// Draws a move made on the board: the hands after a capture, the source square emptied or the
// hand it came from, and the piece on its destination.
void draw_move(Form& f, const Move& m, bool captured);
// 描画_背景 "draw background": the tile `id` on every cell around the board.
void draw_background(Form& f, int id);
// 画面_再描画 "redraw the screen": background, numbers, hands, board, times, level, handicap
// and title.
void redraw_screen(Form& f);
// 描画_棋譜読込み部分消去 "erase the record-reading part": the square numbers and the row below
// the board repainted.
void erase_record_headers(Form& f);

}  // namespace hakuro
