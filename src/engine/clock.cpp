#include "engine/clock.h"

#include <algorithm>

#include "engine/levels.h"

namespace hakuro::engine {

namespace {

// The budget with `times` the clock's share, capped as every budget is.
int64_t budget(const TimeLeft& t, int64_t times) {
  const int64_t remaining = std::max<int64_t>(0, t.remaining);
  const int64_t increment = std::max<int64_t>(0, t.increment);
  const int64_t byoyomi = std::max<int64_t>(0, t.byoyomi);
  const int64_t from_byoyomi = std::max<int64_t>(0, byoyomi - MARGIN_MS - byoyomi / 10);
  const int64_t from_clock = (remaining / 30 + increment * 8 / 10) * times;
  const int64_t clock_cap = std::max<int64_t>(0, std::min(remaining / 2, remaining - MARGIN_MS));
  return std::max(MIN_BUDGET_MS, std::min(from_clock, clock_cap) + from_byoyomi);
}

}  // namespace

int64_t budget_ms(const TimeLeft& t) { return budget(t, 1); }
int64_t max_budget_ms(const TimeLeft& t) { return budget(t, 3); }

int64_t movetime_budget_ms(int64_t movetime) {
  return std::max(MIN_BUDGET_MS, movetime - std::min(MARGIN_MS, movetime / 5));
}

Limits clock_limits(int level, const TimeLeft& t) {
  const double share = level >= 5 ? 1.0 : LEVEL4_SECONDS / LEVEL5_SECONDS;
  Limits l;
  l.seconds = std::max(double(MIN_BUDGET_MS), double(budget_ms(t)) * share) / 1000;
  l.max_seconds = std::max(double(MIN_BUDGET_MS), double(max_budget_ms(t)) * share) / 1000;
  return l;
}

}  // namespace hakuro::engine
