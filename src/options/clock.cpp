#include "options/clock.h"

#include <cmath>

#include "display/clock_text.h"
#include "options/settings.h"

namespace hakuro {

double 調査_経過秒(double start, double now) {
  return start <= now ? now - start : now + 86400 - start;
}

void Timer1_Timer(Form& f) {
  Game& g = f.g;
  if (!f.timer1) return;
  g.clock.keika_byou = 調査_経過秒(g.clock.teban_kaishi, f.win.time_of_day());
  const int whole = static_cast<int>(std::floor(g.clock.keika_byou));
  if (whole == g.clock.hyouji_byou) return;
  g.clock.hyouji_byou = whole;
  if (g.teban == g.ue) 描画_所有時間(f, g.ue, g.clock.keika_byou + g.clock.mochi_jikan_ue);
  else if (g.teban == g.sita) 描画_所有時間(f, g.sita, g.clock.keika_byou + g.clock.mochi_jikan_sita);
  f.screen.refresh();
}

void KEIKA_Click(Form& f) {
  bool& keika = f.g.look.options.keika;
  keika = !keika;
  show_option_checks(f);
  if (!keika) {
    set_timer1(f, false);
    消去_所有時間(f, f.g.sita);
    消去_所有時間(f, f.g.ue);
  } else {
    set_timer1(f, true);
    描画_所有時間(f, f.g.ue, f.g.clock.mochi_jikan_ue);
    描画_所有時間(f, f.g.sita, f.g.clock.mochi_jikan_sita);
  }
  書込_環境設定ファイル(f);
}

}  // namespace hakuro
