// Pictures, outlines, the board, the hands, the labels and the background, placed in cells.
#pragma once

#include "display/geometry.h"
#include "form/form.h"

namespace hakuro {

void 描画_絵(Form& f, int id, double x, double y);
void 描画_桝輪郭(Form& f, int colour, double x, double y);
void 描画_将棋盤桝(Form& f);
void 描画_盤(Form& f);
void 描画_自持盤(Form& f);
void 描画_敵持盤(Form& f);
void 描画_桝_数値(Form& f);
// Draws a move made on the board: the hands after a capture, the source emptied, the hand it
// came from, and the piece on its destination.
void draw_move(Form& f, int from_x, int from_y, int to_x, int to_y, int piece, bool captured);
void 描画_背景(Form& f, int id);
void 画面_再描画(Form& f);
void 描画_棋譜読込み部分消去(Form& f);

}  // namespace hakuro
