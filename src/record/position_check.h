// Whether a position set up from outside (a board diagram, an SFEN) could stand in a game.
#pragma once

#include <string>

#include "state/game.h"

namespace hakuro {

enum class PositionProblem {
  none,
  too_many_pieces,  // more of a kind, board and both hands together, than a set holds
  two_kings,        // two kings of one side
  no_king,          // no king at all: one side may lack its king (a tsume), not both
  immovable_piece,  // a pawn, lance or knight that could never move again
  two_pawns,        // two unpromoted pawns of one side in a column
};

struct PositionCheck {
  PositionProblem problem = PositionProblem::none;
  int kind = 0;      // too_many_pieces: the kind index 1..7
  bool top = false;  // two_kings, two_pawns: the top player's
};

PositionCheck check_position(const Position& p);

// Why the position is refused, for the user ("後手の玉が2枚あります"); 先手 is the top player
// when sente_top. Empty when nothing is wrong.
std::string why_impossible(const PositionCheck& c, bool sente_top);

// The hand totals, the kings' squares (0, 0 for a king that is not there) and the two-pawn
// flags, from the board and the hands.
void complete_position(Position& p);

// The full starting position, completed.
Position full_position();

// Board and hands equal.
bool same_position(const Position& a, const Position& b);

// The whole set of each kind, by kind index.
inline constexpr Hand kPiecesInASet = {0, 18, 4, 4, 4, 4, 2, 2};

}  // namespace hakuro
