#include "options/clock.h"

#include <cmath>

#include "display/clock_text.h"
#include "options/settings.h"

namespace hakuro {

void on_tick(Form& f) {
  Game& g = f.g;
  if (!f.timer1) return;
  f.clock.turn_seconds = elapsed_seconds(f.clock.turn_start, f.win.time_of_day());
  const int whole = static_cast<int>(std::floor(f.clock.turn_seconds));
  if (g.time_control.on()) {
    if (whole == f.clock.shown_seconds && g.side_to_move == f.clock.shown_side) return;
    f.clock.shown_side = g.side_to_move;
    f.clock.shown_seconds = whole;
    draw_clocks(f);
    f.screen.refresh();
    return;
  }
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
  if (f.g.time_control.on()) {
    // The time left stays in view and counting, whatever the option.
  } else if (!keika) {
    set_timer1(f, false);
    erase_time_held(f, f.g.bottom_side);
    erase_time_held(f, f.g.top_side);
  } else {
    set_timer1(f, true);
    draw_clocks(f);
  }
  write_settings(f);
}

}  // namespace hakuro
