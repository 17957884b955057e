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
  g.clock.keika_byou = elapsed_seconds(g.clock.teban_kaishi, f.win.time_of_day());
  const int whole = static_cast<int>(std::floor(g.clock.keika_byou));
  if (whole == g.clock.hyouji_byou) return;
  g.clock.hyouji_byou = whole;
  if (g.teban == g.ue) draw_time_held(f, g.ue, g.clock.keika_byou + g.clock.mochi_jikan_ue);
  else if (g.teban == g.sita)
    draw_time_held(f, g.sita, g.clock.keika_byou + g.clock.mochi_jikan_sita);
  f.screen.refresh();
}

void on_elapsed_time(Form& f) {
  bool& keika = f.g.look.options.keika;
  keika = !keika;
  show_option_checks(f);
  if (!keika) {
    set_timer1(f, false);
    erase_time_held(f, f.g.sita);
    erase_time_held(f, f.g.ue);
  } else {
    set_timer1(f, true);
    draw_time_held(f, f.g.ue, f.g.clock.mochi_jikan_ue);
    draw_time_held(f, f.g.sita, f.g.clock.mochi_jikan_sita);
  }
  write_settings(f);
}

}  // namespace hakuro
