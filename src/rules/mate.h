// Whether a king is mated.
#pragma once

#include "state/game.h"

namespace hakuro {

// OK when some top piece can move onto the bottom king's square.
int 詰めかMAN_COM移動(const Game& g);
// OK when the bottom king (the human's) is mated; the survey must describe the position.
int 詰めかMAN(Game& g);
// OK when the top king (the computer's) is mated; the survey must describe the position.
int 詰めかCOM(Game& g);

}  // namespace hakuro
