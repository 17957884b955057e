// The `position` command: a start (startpos, or an SFEN) and the moves played from it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/repetition.h"

namespace hakuro::usi {

// The position to search and the game's positions before it, oldest first.
struct Setup {
  engine::Position pos;
  std::vector<engine::Earlier> earlier;
};

struct SetupRead {
  Setup setup;
  std::string error;  // why the command is refused; empty when it is read
};

// The start position under `rules`.
Setup start_setup(engine::Rules rules);

// Reads the words after `position`: "startpos [moves M…]" or "sfen BOARD SIDE HANDS [N]
// [moves M…]". Every move must be one the rules allow where it is played.
SetupRead read_setup(std::string_view args, engine::Rules rules);

// A line's words, split at blanks.
std::vector<std::string_view> words(std::string_view line);

}  // namespace hakuro::usi
