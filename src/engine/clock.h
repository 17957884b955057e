// How long to think on a move, given the mover's clock: the time manager of levels 4 and 5 in
// a game under a time control and of hakuro-usi.
#pragma once

#include <cstdint>

#include "engine/search.h"

namespace hakuro::engine {

// The mover's clock in milliseconds.
struct TimeLeft {
  int64_t remaining = 0;  // btime or wtime
  int64_t increment = 0;  // binc or winc, added after the move
  int64_t byoyomi = 0;    // per move once the remaining time is used up
};

// Kept back from every budget: the time the move takes to reach the other side, and a
// machine that is slow to give us the processor.
inline constexpr int64_t MARGIN_MS = 200;
// The least budget: the search always answers with some move.
inline constexpr int64_t MIN_BUDGET_MS = 10;

// The move's budget, in milliseconds: a thirtieth of the remaining time and most of the
// increment, plus the byoyomi less the margin and a tenth; never more than half the remaining
// time (less the margin) plus that share of the byoyomi, nor less than MIN_BUDGET_MS.
int64_t budget_ms(const TimeLeft& t);
// The most a move in a position whose best move keeps changing may take: three times the budget's
// share of the clock, within the same cap, plus the same share of the byoyomi.
int64_t max_budget_ms(const TimeLeft& t);

// The budget for `go movetime`: the time asked for less the margin (or a fifth when it is short).
int64_t movetime_budget_ms(int64_t movetime);

// The limits of level 4 or 5 on a clock: level 5 takes the budgets, level 4 its share of them as
// without a clock (a fifth). The search ends sooner when one move stands out, and runs longer
// while its best move keeps changing.
Limits clock_limits(int level, const TimeLeft& t);

}  // namespace hakuro::engine
