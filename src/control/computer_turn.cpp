#include "control/computer_turn.h"

#include <memory>

#include "analysis/survey.h"
#include "computer/search.h"
#include "control/game_clock.h"
#include "control/standard_rules.h"
#include "control/thinking.h"
#include "control/usi_opponent.h"
#include "display/draw.h"
#include "display/text.h"
#include "engine/levels.h"
#include "options/clock.h"
#include "rules/mate.h"

namespace hakuro {

namespace {

void restart_timer_if_shown(Form& f) {
  if (clock_shown(f)) set_timer1(f, true);
}

// The computer's move written beside the board (which clears "思考中") and its square outlined.
void show_move(Form& f, int to_x, int to_y, int placed) {
  draw_move_result(f, f.g.top_side, to_x, to_y, placed, IRO_SHIRO);
  draw_square_outline(f, IRO_SHIRO, to_x, to_y);
}

// After the computer's move: a king taken ends the game, once the move is shown; a mate or a
// check is announced.
Outcome announce(Form& f, const Move& m) {
  Game& g = f.g;
  if (g.king_taker != TEBAN_NASI) {
    show_move(f, m.to.x, m.to.y, m.placed);
    const bool top_won = g.king_taker == g.top_side;
    return decided(f, EndReason::king_taken, top_won, top_won ? "ｺﾝﾋﾟｭｰﾀ" : "あなた");
  }
  if (human_mated(g, f.com.survey) == OK) msg_ok(f, "よし！!", "詰め ?");
  else if (f.com.survey.top_influence[g.pos.bottom_king_x][g.pos.bottom_king_y] > 0)
    msg_ok(f, "   ** 王手 **", "");
  return Outcome::played;
}

// After the computer's move under the standard rules: the game's end, once the move is shown, or
// a check announced.
Outcome announce_standard(Form& f, const Move& m) {
  Game& g = f.g;
  if (standing(g, false).reason != EndReason::none) {
    show_move(f, m.to.x, m.to.y, m.placed);
    return standard_end(f, false).value_or(Outcome::played);
  }
  if (f.com.survey.top_influence[g.pos.bottom_king_x][g.pos.bottom_king_y] > 0)
    msg_ok(f, "   ** 王手 **", "");
  return Outcome::played;
}

// What the search of levels 1 to 3 tells the window as it goes: the clock keeps moving, and the
// promotions found are noted for the replay tool's dump.
SearchHooks turn_hooks(Form& f) {
  return {[&f] { on_tick(f); }, {}, [&f](int promoted) { f.promoted_piece = promoted; }};
}

}  // namespace

void show_thinking(Form& f) {
  const Appearance& look = f.look;
  for (int x = -2; x <= 0; ++x) draw_picture(f, look.background, x, 8);
  draw_square_outline(f, look.background_colour, -1, 7);
  shadowed_text(f, -1.6, 8.4, "思考中", look.text_colour, 12);
  draw_square_outline(f, look.background_colour, 1, 8);
}

bool computer_thinking(const Form& f) {
  return thinking(f) && f.g.play_mode == MODE_COM && f.g.side_to_move == f.g.top_side;
}

void begin_computer_turn(Form& f) {
  f.clock.turn_start = f.win.time_of_day();
  restart_timer_if_shown(f);
  show_thinking(f);
  f.screen.refresh();
}

std::optional<Move> choose_computer_move(Game& g, Computer& com, const SearchHooks& hooks) {
  prepare_search(g, com);
  const std::optional<MoveFilter> allowed = rules_filter(g.pos, true, g.rules);
  Candidate best;
  if (!search_best(g, com, hooks, best, allowed ? &*allowed : nullptr)) return std::nullopt;
  return best.move;
}

Outcome play_computer_move(Form& f, const std::optional<Move>& move) {
  Game& g = f.g;
  if (!move) {  // no move left: the computer loses
    set_timer1(f, false);
    if (g.rules == Rules::standard) return standard_end(f, true).value_or(Outcome::played);
    return decided(f, EndReason::no_move, false, "あなた");
  }
  if (time_is_up(f)) return end_on_time(f);  // its move came too late
  play_move(f, *move, DropRow::kind);        // the computer names its drops by their kind
  set_timer1(f, false);
  survey_influence(g.pos, f.com.survey);
  const Outcome o = g.rules == Rules::standard ? announce_standard(f, *move) : announce(f, *move);
  if (o != Outcome::played) return o;

  show_move(f, move->to.x, move->to.y, move->placed);
  g.top_time += f.clock.turn_seconds;
  f.clock.turn_start = f.win.time_of_day();
  g.side_to_move = g.bottom_side;
  restart_timer_if_shown(f);
  return Outcome::played;
}

Outcome com_ban(Form& f) {
  begin_computer_turn(f);
  if (const std::optional<Outcome> o = usi_turn(f)) return *o;
  if (f.g.level < engine::FIRST_ENGINE_LEVEL)
    return play_computer_move(f, choose_computer_move(f.g, f.com, turn_hooks(f)));
  auto outcome = std::make_shared<std::optional<Outcome>>();
  search_move(f, true, search_limits(f, f.g.level),
              [&f, outcome](const std::optional<Move>& m) { *outcome = play_computer_move(f, m); });
  return outcome->value_or(Outcome::thinking);
}

}  // namespace hakuro
