// Repetitions: the game's earlier positions as the search and the judge of a repeated position
// need them.
#pragma once

#include <vector>

#include "engine/position.h"

namespace hakuro::engine {

// One of the game's positions: its key (board, hands, side to move), and whether the side to
// move there was in check (which only the standard rules look at).
struct Earlier {
  Key key = 0;
  bool in_check = false;
};
inline Earlier earlier(const Position& p) { return {p.key(), p.in_check()}; }

// How a game under the standard rules stands once `now` follows the `earlier` positions. A
// position that stands for the fourth time ends the game: a draw, unless one side gave check with
// every move since its first time, and that side loses.
enum class Repetition { none, draw, side_to_move_wins, side_to_move_loses };
Repetition repetition(const std::vector<Earlier>& earlier, const Earlier& now);

}  // namespace hakuro::engine
