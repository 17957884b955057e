// Each player's accumulated thinking time, shown beside the board and counting up live.
#pragma once

#include <string>

#include "control/form.h"

namespace hakuro {

double 調査_経過秒(double start, double now);
std::string 調査_時間秒追加結果(double seconds);
std::string 変換_数字から文字(long long n);
void 描画_所有時間(Form& f, int side, double seconds);
void 消去_所有時間(Form& f, int side);
void KEIKA_Click(Form& f);

}  // namespace hakuro
