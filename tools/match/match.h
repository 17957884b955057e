// hakuro-match's games: two players (levels, or USI engines) play from a random opening until a
// king falls, a side has no move, or the game reaches its move limit; under the standard rules
// until a side is checkmated (has no move), a position stands for the fourth time (a draw, or
// lost for the side that checked all along) or the move limit. A USI engine, which plays
// standard shogi, plays the program's own rule refereed: it is shown each position as SFEN, a king
// it could take is taken for it, and resigning or having no move loses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/types.h"
#include "state/game.h"

namespace hakuro::match {

inline constexpr int MOVE_LIMIT = 300;  // a game still going after this many moves is drawn

// A player: a level (1 to 5), or the USI engine at usi_path.
struct Entrant {
  int level = 0;
  std::string usi_path;
  bool usi() const { return !usi_path.empty(); }
  // "LEVEL5", or the engine's file name.
  std::string name() const;
};

// "1" … "5" or "usi:PATH"; nothing for anything else.
std::optional<Entrant> read_player(const std::string& text);

struct Options {
  Entrant a{5, {}}, b{3, {}};
  int games = 100;
  uint64_t seed = 1;
  int plies = 8;       // random plies of each opening
  uint64_t nodes = 0;  // level 4's node budget instead of time (level 5 gets its share)
  int jobs = 1;
  std::string save_dir;  // empty: games are not saved
  engine::Rules rules = engine::Rules::own;
  int usi_movetime_ms = 500;  // a USI engine's time a move
  bool usi_exact = false;     // given as `go movetime` rather than as byoyomi
  uint64_t usi_nodes = 0;     // when set, a USI engine's node budget a move within its time
};

struct GameResult {
  int index = 0;
  bool a_bottom = true;  // level A played the bottom side (which moves first)
  int score_a = 1;       // 2 win, 1 draw, 0 loss for level A
  std::string reason;    // how it ended
  std::vector<RecordMove> moves;
  std::vector<std::pair<std::string, double>> turns;  // the player and seconds of each timed turn
};

// Game `index`: opening index / 2, player A at the bottom in even games and at the top in odd
// ones.
GameResult play_game(const Options& o, int index);

// The game as a record file the program loads: title, top and bottom players' names, the moves.
std::string record_bytes(const Options& o, const GameResult& r);

// The record's starting position for a saved game.
Position start_position();

}  // namespace hakuro::match
