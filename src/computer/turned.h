// The board turned round as 反転 turns it. The computer of levels 1 to 3 judges for the top player
// only: it plays the bottom player on the board turned round, and its move is turned back.
#pragma once

#include "state/game.h"

namespace hakuro {

// Each piece to (10 - x, 10 - y) and to the other player, the hands exchanged, the kings found.
Position turned(const Position& p);

// The move turned round likewise: a drop comes from the other hand.
Move turned(const Move& m);

}  // namespace hakuro
