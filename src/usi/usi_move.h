// Moves in USI's notation: source and destination squares as a file digit and a rank letter,
// "7g7f", "+" after a promoting move ("8h2b+"), and drops as the piece's letter, "*" and the
// square ("P*5e"). Files and ranks are those of shogi seen from 先手, who is the bottom player
// unless `sente_top` says the top player is.
#pragma once

#include <string>
#include <string_view>

#include "engine/position.h"
#include "state/move.h"

namespace hakuro::usi {

// 先手 is the bottom player, as every square and SFEN text of hakuro-usi reads it.
inline constexpr bool SENTE_TOP = false;

std::string move_text(engine::Move m, bool sente_top = SENTE_TOP);
// A move of the game record in USI notation.
std::string move_text(const hakuro::Move& m, bool sente_top);

// The move of the side to move that `text` names, if the rules allow it here; NO_MOVE otherwise.
engine::Move find_move(const engine::Position& pos, std::string_view text,
                       bool sente_top = SENTE_TOP);

}  // namespace hakuro::usi
