#include "control/handicap_menu.h"

#include <algorithm>
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
  if (g.record_mode == OK) return HandicapRefusal::kifu_mode;
  if (g.record.current_move() > 0) return HandicapRefusal::game_under_way;
  if (g.flipped == OK) return HandicapRefusal::hanten;
  // The ladder takes pieces from the full starting position only.
  if (g.handicap_set == NG && !g.record.hirate()) return HandicapRefusal::set_up;
  return std::nullopt;
}

void click(Form& f, int step) {
  Game& g = f.g;
  hide_record_panel(f.win);
  if (const std::optional<HandicapRefusal> reason = refusal(g)) {
    play(f, f.refused_sound);
    show_handicap_refusal(f, *reason);
    return;
  }
  // The piece picked may be the one taken away.
  if (f.sel.picked != 0) {
    f.sel.picked = 0;
    draw_grid(f);
  }
  const int level = g.handicap_level + step;
  if (level >= -HANDE_MAX && level <= HANDE_MAX) {
    g.handicap_level = level;
    draw_handicap_level(f, level);
    const HandicapSquare s = step_handicap(g.pos, level - step, step);
    draw_picture(f, g.pos.board[s.x][s.y], s.x, s.y);
    draw_square_outline(f, f.look.background_colour, s.x, s.y);
    play(f, f.move_sound);
  }
  g.handicap_set = OK;
  start_record_here(g, false);  // the record is given up; the handicapped position is the start
}

}  // namespace

void set_handicap(Form& f, int level) {
  Game& g = f.g;
  level = std::clamp(level, -HANDE_MAX, HANDE_MAX);
  const int step = level > 0 ? 1 : -1;
  for (int l = 0; l != level; l += step) step_handicap(g.pos, l, step);
  if (level != 0) {
    g.handicap_level = level;
    g.handicap_set = OK;
    start_record_here(g, false);
  }
  redraw_screen(f);
}

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
