// Stepping through the record to a chosen move, as a click on the move list asks.
#pragma once

#include "form/form.h"

namespace hakuro {

// Shows move n (0: the position before the first) by pressing 戻 or 進 as many times as it
// takes, in one event. Refused as those presses are: the first refusal stops the steps, and its
// box is the only one shown.
void step_to_move(Form& f, int n);

}  // namespace hakuro
