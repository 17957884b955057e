// Whether a position set up from outside (a board diagram, an SFEN) could stand in a game.
#pragma once

#include <string>

#include "state/game.h"

namespace hakuro {

enum class PositionProblem {
  none,
  too_many_pieces,  // more of a kind, board and both hands together, than a set holds
  two_kings,        // two kings of one side
  no_king,          // a side without a king: the game is won by taking it
  immovable_piece,  // a pawn, lance or knight that could never move again
  two_pawns,        // two unpromoted pawns of one side in a column
};

struct PositionCheck {
  PositionProblem problem = PositionProblem::none;
  int kind = 0;       // too_many_pieces: the kind index 1..7
  bool top = false;   // two_kings, no_king, two_pawns: the top player's
};

PositionCheck check_position(const Position& p);

// The hand totals, the kings' squares and the two-pawn flags, from the board and the hands.
void complete_position(Position& p);

// The full starting position, completed.
Position full_position();

// Board and hands equal.
bool same_position(const Position& a, const Position& b);

// The whole set of each kind, by kind index.
inline constexpr Hand kPiecesInASet = {0, 18, 4, 4, 4, 4, 2, 2};

}  // namespace hakuro
