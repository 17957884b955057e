// Handicaps: pieces taken away from one side of the starting position, one a level, through
// levels -HANDE_MAX (the bottom player's pieces gone) to HANDE_MAX (the top player's).
#pragma once

#include "state/game.h"

namespace hakuro {

inline constexpr int HANDE_MAX = 10;

// The square whose piece the step between two neighbouring levels removes or puts back, and
// that piece. Level -k lacks the first k pieces of the bottom player's row of the table, level k
// those of the top player's.
struct HandicapSquare {
  int x, y, piece;
};
HandicapSquare handicap_square(int level);  // level -10..-1 or 1..10

// Moves the position one level up (+1) or down (-1) from `level`; the changed square.
HandicapSquare step_handicap(Position& p, int level, int step);

}  // namespace hakuro
