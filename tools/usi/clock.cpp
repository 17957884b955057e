#include "clock.h"

#include <algorithm>

namespace hakuro::usi {

int64_t budget_ms(const TimeLeft& t) {
  const int64_t remaining = std::max<int64_t>(0, t.remaining);
  const int64_t increment = std::max<int64_t>(0, t.increment);
  const int64_t byoyomi = std::max<int64_t>(0, t.byoyomi);
  const int64_t from_byoyomi = std::max<int64_t>(0, byoyomi - MARGIN_MS - byoyomi / 10);
  const int64_t from_clock = remaining / 30 + increment * 8 / 10;
  const int64_t clock_cap = std::max<int64_t>(0, std::min(remaining / 2, remaining - MARGIN_MS));
  return std::max(MIN_BUDGET_MS, std::min(from_clock, clock_cap) + from_byoyomi);
}

int64_t movetime_budget_ms(int64_t movetime) {
  return std::max(MIN_BUDGET_MS, movetime - std::min(MARGIN_MS, movetime / 5));
}

}  // namespace hakuro::usi
