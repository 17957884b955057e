// The computer's turn, inside the event that hands it the move.
#pragma once

#include "form/form.h"

namespace hakuro {

// com_ban "computer's move": the computer chooses, plays and announces its move.
void com_ban(Form& f);

}  // namespace hakuro
