// Mates by a single drop, found without a search: the shape that decides most shogi games.
#pragma once

#include "engine/position.h"

namespace hakuro::engine {

// A drop of the side to move that mates at once, or NO_MOVE: a piece dropped next to the
// opponent's king (a knight two rows off) where no reply saves the king, checked by playing every
// reply. Nothing can come between such a piece and the king. Pawns are left out (a pawn dropped
// to mate is not allowed in standard shogi), and so are the mates the quick tests before the
// replies rule out too early; a move found is always a mate. The side to move must not be in
// check. pos is left as it was.
Move drop_mate(Position& pos);

}  // namespace hakuro::engine
