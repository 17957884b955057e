// The computer's turn.
#pragma once

#include "control/form.h"

namespace hakuro {

void com_ban(Form& f);

}  // namespace hakuro
