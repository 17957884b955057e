// hakuro-match's games: two levels play from a random opening until a king falls, a side has no
// move, or the game reaches its move limit; under the standard rules until a side is checkmated
// (has no move), a position stands for the fourth time (a draw, or lost for the side that checked
// all along) or the move limit.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/types.h"
#include "state/game.h"

namespace hakuro::match {

inline constexpr int MOVE_LIMIT = 300;  // a game still going after this many moves is drawn

struct Options {
  int level_a = 5, level_b = 3;
  int games = 100;
  uint64_t seed = 1;
  int plies = 8;       // random plies of each opening
  uint64_t nodes = 0;  // level 4's node budget instead of time (level 5 gets its share)
  int jobs = 1;
  std::string save_dir;  // empty: games are not saved
  engine::Rules rules = engine::Rules::own;
};

struct GameResult {
  int index = 0;
  bool a_bottom = true;  // level A played the bottom side (which moves first)
  int score_a = 1;       // 2 win, 1 draw, 0 loss for level A
  std::string reason;    // how it ended
  std::vector<RecordMove> moves;
  std::vector<std::pair<int, double>> engine_turns;  // level and seconds of each turn of 4 or 5
};

// Game `index`: opening index / 2, level A at the bottom in even games and at the top in odd
// ones.
GameResult play_game(const Options& o, int index);

// The game as a record file the program loads: title, top and bottom players' names, the moves.
std::string record_bytes(const Options& o, const GameResult& r);

// The record's starting position for a saved game.
Position start_position();

}  // namespace hakuro::match
