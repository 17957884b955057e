// The `go` command's words, and the search limits they and the level give.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/clock.h"
#include "engine/search.h"

namespace hakuro::usi {

// The engine's time manager, which `go` with a clock uses.
using engine::budget_ms;
using engine::MARGIN_MS;
using engine::max_budget_ms;
using engine::MIN_BUDGET_MS;
using engine::movetime_budget_ms;
using engine::TimeLeft;

struct Go {
  int64_t btime = 0, wtime = 0, binc = 0, winc = 0, byoyomi = 0, movetime = 0;
  uint64_t nodes = 0;
  int depth = 0;
  bool infinite = false, ponder = false, mate = false;
  std::string error;  // a word not understood; the rest is still read
};

Go read_go(std::string_view args);

// The limits for the side to move (先手 when black), at `level` 1 to 5: levels 4 and 5 think as
// the program's levels do (their budgets when no clock is given; on a clock, level 5 the clock's
// budget and level 4 its share as the levels' budgets stand); levels 1 to 3 are held to few
// nodes and plies besides. nodes, depth and movetime are the GUI's own and taken as given;
// infinite and ponder drop the time bound. `stop` is not set here.
engine::Limits go_limits(const Go& g, bool black, int level);

// Whether `go` gives a clock (any time, increment or byoyomi above 0).
bool has_clock(const Go& g);

}  // namespace hakuro::usi
