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
