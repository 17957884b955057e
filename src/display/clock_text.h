// Each player's accumulated thinking time, shown beside the board while 経過時間 is checked.
#pragma once

#include <string>

#include "form/form.h"

namespace hakuro {

// 調査_時間秒追加結果 "examine the seconds as a time": "hh:mm:ss", each part two digits
// (a part of three or more digits prints empty).
std::string time_text(double seconds);
// 変換_数字から文字 "number to text": two digits with a leading zero; "" beyond 99.
std::string two_digits(long long n);
// 描画_所有時間 "draw the time held": the side's total in its place.
void draw_time_held(Form& f, int side, double seconds);
// 消去_所有時間 "erase the time held".
void erase_time_held(Form& f, int side);

}  // namespace hakuro
