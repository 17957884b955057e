// The elapsed-time clock: the turn's seconds counting up live, and its menu item.
#pragma once

#include "display/clock_text.h"
#include "form/form.h"

namespace hakuro {

// The clock timer's tick: the mover's time redrawn once a whole second has passed (under a time
// control both clocks, also when the turn has passed).
void on_tick(Form& f);  // Timer1_Timer
// 経過時間 (elapsed time) menu item: shows or hides both players' times.
void on_elapsed_time(Form& f);  // KEIKA_Click

}  // namespace hakuro
