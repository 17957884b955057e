// Positions from finished games, each with the game's result and what the evaluation makes of it:
// the tuner's data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/position.h"
#include "review/game_moves.h"

namespace hakuro::tune {

// One feature per place of king_relation.h's table: whose king, group, place.
int feature_index(int whose, int group, int place);
int feature_count();

struct Sample {
  float result = 0.5f;      // for the bottom player: 1 won, 0.5 drawn, 0 lost
  int fixed = 0;            // the evaluation without the king relations, bottom's view
  uint32_t first = 0, end;  // its features in Samples::features
};

struct Samples {
  std::vector<Sample> list;
  // Feature index + 1, negative for the top player's pieces.
  std::vector<int16_t> features;
  void add(const engine::Position& pos, float result);
};

// The game's result for the bottom player from its last position: a king gone or a side with no
// move loses, a repetition the standard rules decide counts as they decide it, anything else is
// a draw.
float game_result(const std::vector<engine::Position>& positions);

// Whether the position is quiet enough to learn from: not in check, no capture that wins
// material at once, both kings on the board.
bool quiet(const engine::Position& pos);

// The game's quiet positions from move `skip` on, with its result.
void add_game(const analyse::GameMoves& game, engine::Rules rules, int skip, Samples& out);

}  // namespace hakuro::tune
