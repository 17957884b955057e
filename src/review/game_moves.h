// A game as the analysis replays it: where it starts, who moves first, who is 先手 and the moves.
#pragma once

#include <vector>

#include "state/game.h"

namespace hakuro::analyse {

struct GameMoves {
  Position start;          // before move 1
  bool top_first = false;  // the top player makes move 1
  // 先手 is the top player: the notation reads the board turned round, as the KIF file does.
  bool sente_top = false;
  std::vector<Move> moves;
};

// Whether both are the same game: the same start, sides and moves.
bool same_game(const GameMoves& a, const GameMoves& b);

// The moves the record holds, from its start, with the sides its KIF file names.
GameMoves game_moves(const Game& g);

}  // namespace hakuro::analyse
