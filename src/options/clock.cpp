#include "options/clock.h"

#include <cmath>

#include "display/clock_text.h"
#include "options/settings.h"

namespace hakuro {

double elapsed_seconds(double start, double now) {
  return start <= now ? now - start : now + 86400 - start;
}

void on_tick(Form& f) {
  Game& g = f.g;
  if (!f.timer1) return;
  f.clock.turn_seconds = elapsed_seconds(f.clock.turn_start, f.win.time_of_day());
  const int whole = static_cast<int>(std::floor(f.clock.turn_seconds));
  if (whole == f.clock.shown_seconds) return;
  f.clock.shown_seconds = whole;
  if (g.side_to_move == g.top_side)
    draw_time_held(f, g.top_side, f.clock.turn_seconds + g.top_time);
  else if (g.side_to_move == g.bottom_side)
    draw_time_held(f, g.bottom_side, f.clock.turn_seconds + g.bottom_time);
  f.screen.refresh();
}

void on_elapsed_time(Form& f) {
  bool& keika = f.look.options.show_times;
  keika = !keika;
  show_option_checks(f);
  if (!keika) {
    set_timer1(f, false);
    erase_time_held(f, f.g.bottom_side);
    erase_time_held(f, f.g.top_side);
  } else {
    set_timer1(f, true);
    draw_time_held(f, f.g.top_side, f.g.top_time);
    draw_time_held(f, f.g.bottom_side, f.g.bottom_time);
  }
  write_settings(f);
}

}  // namespace hakuro
