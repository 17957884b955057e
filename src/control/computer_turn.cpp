#include "control/computer_turn.h"

namespace hakuro {

// The computer's reply is not built yet: its turn leaves the position as it stands.
void com_ban(Form&) {}

}  // namespace hakuro
