// The elapsed-time clock: the turn's seconds counting up live, and its menu item.
#pragma once

#include "form/form.h"

namespace hakuro {

// 調査_経過秒 "examine elapsed seconds": seconds from start to now, across midnight.
double elapsed_seconds(double start, double now);
// The clock timer's tick: the mover's time redrawn once a whole second has passed.
void on_tick(Form& f);  // Timer1_Timer
// 経過時間 (elapsed time) menu item: shows or hides both players' times.
void on_elapsed_time(Form& f);  // KEIKA_Click

}  // namespace hakuro
