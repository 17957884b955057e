// Scores of the computer's candidate moves, kept exactly in whole tenths.
#pragma once

namespace hakuro {

// A score in tenths of a point: 10 is one point, 1 the smallest step.
using Score = int;

constexpr Score points(int whole) { return whole * 10; }

inline constexpr Score TAKES_KING = points(9999);  // the move takes the human's king
inline constexpr Score MATES = points(9998);       // the move mates (not with a pawn)
inline constexpr Score LOSES = points(-9998);      // own king attacked, or a pawn mates
inline constexpr Score TAKES_OWN_KING = points(-9999);
inline constexpr Score NO_SCORE = points(-99999);  // below every result

}  // namespace hakuro
