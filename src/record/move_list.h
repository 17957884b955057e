// The held moves as the window lists them, in the usual notation and with the sides as the
// game's KIF file names them, so that the list and an exported file agree.
#pragma once

#include <string>

#include "record/kif.h"
#include "state/game.h"

namespace hakuro {

// Whether the top player made the first move of the game held, or makes it in a game not yet
// begun.
bool top_moves_first(const Game& g);
// Which player the game's KIF file calls 先手, and its handicap.
KifSides game_sides(const Game& g);
// Move n (1 to last_move) as the list shows it: ▲７六歩, △同　銀, ▲５五角打.
std::string move_entry(const Record& r, int n, bool sente_top);

}  // namespace hakuro
