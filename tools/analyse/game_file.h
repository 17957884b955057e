// The game a record file holds, as the analysis replays it: a KIF file (.kif, .kifu) or the
// program's own record file (.棋譜).
#pragma once

#include <string>

#include "review/game_moves.h"

namespace hakuro::analyse {

struct GameRead {
  GameMoves game;
  std::string error;  // why the file cannot be read, for the user; empty when it was read
};

// Reads the file by its name's ending; any other name is refused.
GameRead read_game_file(const std::string& path);

}  // namespace hakuro::analyse
