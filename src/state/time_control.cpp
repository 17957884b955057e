#include "state/time_control.h"

#include <algorithm>

#include "state/game.h"

namespace hakuro {

double time_left_after_move(const TimeControl& c, double left, double spent) {
  return std::max(0.0, left - spent) + c.increment;
}

bool flag_fallen(const TimeControl& c, double left, double spent) {
  return c.on() && spent >= left + c.byoyomi;
}

ClockReading clock_reading(const TimeControl& c, double left, double spent) {
  if (spent < left || c.byoyomi == 0) return {std::max(0.0, left - spent), false};
  return {std::max(0.0, left + c.byoyomi - spent), true};
}

void recount_time_left(Game& g) {
  const TimeControl& c = g.time_control;
  g.top_left = g.bottom_left = c.main;
  for (int n = 1; n <= g.record.current_move() && g.record.holds(n); ++n) {
    const RecordMove& m = g.record.move(n);
    if (m.move.by_top())
      g.top_left = time_left_after_move(c, g.top_left, m.top_time_after - m.top_time_before);
    else
      g.bottom_left =
          time_left_after_move(c, g.bottom_left, m.bottom_time_after - m.bottom_time_before);
  }
}

}  // namespace hakuro
