#include "control/handicap_menu.h"

#include <optional>

#include "display/draw.h"
#include "display/text.h"
#include "handicap/handicap.h"
#include "options/sound.h"
#include "record/exchange.h"
#include "record/panel.h"

namespace hakuro {

namespace {

std::optional<HandicapRefusal> refusal(const Game& g) {
  if (g.kifu_mode == OK) return HandicapRefusal::kifu_mode;
  if (g.record.kifu_tesu > 0) return HandicapRefusal::game_under_way;
  if (g.hanten == OK) return HandicapRefusal::hanten;
  // The ladder takes pieces from the full starting position only.
  if (g.hande_settei == NG && !g.record.hirate()) return HandicapRefusal::set_up;
  return std::nullopt;
}

void click(Form& f, int step) {
  Game& g = f.g;
  hide_record_panel(f.win);
  if (const std::optional<HandicapRefusal> reason = refusal(g)) {
    play(f, f.snd_kinshi);
    show_handicap_refusal(f, *reason);
    return;
  }
  // The piece picked may be the one taken away.
  if (g.sel.sentaku != 0) {
    g.sel.sentaku = 0;
    draw_grid(f);
  }
  const int level = g.hande_level + step;
  if (level >= -HANDE_MAX && level <= HANDE_MAX) {
    g.hande_level = level;
    draw_handicap_level(f, level);
    const HandicapSquare s = step_handicap(g.pos, level - step, step);
    draw_picture(f, g.pos.ban[s.x][s.y], s.x, s.y);
    draw_square_outline(f, g.look.haikei_iro, s.x, s.y);
    play(f, f.snd_komaoto);
  }
  g.hande_settei = OK;
  start_record_here(g, false);  // the record is given up; the handicapped position is the start
}

}  // namespace

void on_handicap_up(Form& f) { click(f, 1); }
void on_handicap_down(Form& f) { click(f, -1); }

void show_handicap_refusal(Form& f, HandicapRefusal reason) {
  const char* line = "";
  switch (reason) {
    case HandicapRefusal::kifu_mode: line = "棋譜ﾓｰﾄﾞではできません"; break;
    case HandicapRefusal::game_under_way: line = "対局途中ではできません"; break;
    case HandicapRefusal::hanten: line = "反転後ではできません"; break;
    case HandicapRefusal::set_up: line = "局面設定後ではできません"; break;
  }
  msg_ok(f, std::string(line) + "\r\r" + "局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
}

}  // namespace hakuro
