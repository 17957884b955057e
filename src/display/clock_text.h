// The clocks beside the board: each player's accumulated thinking time, shown while 経過時間 is
// checked; under a time control the time each has left, shown always.
#pragma once

#include <string>

#include "form/form.h"

namespace hakuro {

// 調査_経過秒 "examine elapsed seconds": seconds from start to now, across midnight.
double elapsed_seconds(double start, double now);
// 調査_時間秒追加結果 "examine the seconds as a time": "hh:mm:ss", each part two digits
// (a part of three or more digits prints empty).
std::string time_text(double seconds);
// 変換_数字から文字 "number to text": two digits with a leading zero; "" beyond 99.
std::string two_digits(long long n);
// 描画_所有時間 "draw the time held": the side's total in its place.
void draw_time_held(Form& f, int side, double seconds);
// 消去_所有時間 "erase the time held".
void erase_time_held(Form& f, int side);

// The side's clock: under a time control the time left ("00:09:58", or "25 秒読み" once the main
// time is spent), the clock of the side to move in yellow and counting while the clock timer
// runs; otherwise the time held.
void draw_clock(Form& f, int side);
// Both players' clocks.
void draw_clocks(Form& f);

}  // namespace hakuro
