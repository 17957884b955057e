#include "control/computer_turn.h"

#include "analysis/survey.h"
#include "computer/search.h"
#include "control/play.h"
#include "display/draw.h"
#include "display/text.h"
#include "options/clock.h"
#include "rules/mate.h"

namespace hakuro {

namespace {

void restart_timer_if_shown(Form& f) {
  if (f.g.look.options.keika) set_timer1(f, true);
}

// "思考中" (thinking) left of the board while the computer searches.
void show_thinking(Form& f) {
  const Appearance& look = f.g.look;
  for (int x = -2; x <= 0; ++x) 描画_絵(f, look.haikei, x, 8);
  描画_桝輪郭(f, look.haikei_iro, -1, 7);
  shadowed_text(f, -1.6, 8.4, "思考中", look.moji_iro, 12);
  描画_桝輪郭(f, look.haikei_iro, 1, 8);
}

// The computer's move written beside the board (which clears "思考中") and its square outlined.
void show_move(Form& f, int to_x, int to_y, int placed) {
  描画_移動結果(f, f.g.ue, to_x, to_y, placed, IRO_SHIRO);
  描画_桝輪郭(f, IRO_SHIRO, to_x, to_y);
}

// After the computer's move: a king taken ends the game, once the move is shown; a mate or a
// check is announced. False when the game has ended.
bool announce(Form& f, int to_x, int to_y, int placed) {
  Game& g = f.g;
  if (g.ou_tori != TEBAN_NASI) {
    show_move(f, to_x, to_y, placed);
    終了(f, g.ou_tori == g.ue ? "ｺﾝﾋﾟｭｰﾀ" : "あなた");
    return false;
  }
  if (詰めかMAN(g) == OK) msg_ok(f, "よし！!", "詰め ?");
  else if (g.survey.seiryoku_ue[g.pos.ou_sita_x][g.pos.ou_sita_y] > 0)
    msg_ok(f, "   ** 王手 **", "");
  return true;
}

}  // namespace

void com_ban(Form& f) {
  Game& g = f.g;
  g.clock.teban_kaishi = f.win.time_of_day();
  restart_timer_if_shown(f);
  show_thinking(f);
  prepare_search(g);
  f.screen.refresh();

  Candidate best;
  const SearchHooks hooks{[&f] { Timer1_Timer(f); }, {}};
  if (!search_best(g, hooks, best)) {
    set_timer1(f, false);
    終了(f, "あなた");
    return;
  }

  play_move(f, Move{best.from_x, best.from_y, best.to_x, best.to_y, best.piece, best.placed,
                    best.from_y});
  set_timer1(f, false);
  勢力調査(g);
  if (!announce(f, best.to_x, best.to_y, best.placed)) return;

  show_move(f, best.to_x, best.to_y, best.placed);
  g.clock.mochi_jikan_ue += g.clock.keika_byou;
  g.clock.teban_kaishi = f.win.time_of_day();
  g.teban = g.sita;
  restart_timer_if_shown(f);
}

}  // namespace hakuro
