// The game a record file holds, as the analysis replays it: a KIF file (.kif, .kifu) or the
// program's own record file (.棋譜).
#pragma once

#include <string>
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

struct GameRead {
  GameMoves game;
  std::string error;  // why the file cannot be read, for the user; empty when it was read
};

// Reads the file by its name's ending; any other name is refused.
GameRead read_game_file(const std::string& path);

}  // namespace hakuro::analyse
