#include "control/computer_turn.h"

#include <memory>

#include "analysis/survey.h"
#include "computer/search.h"
#include "computer/turned.h"
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

// The computer plays the bottom player's turn: only in a watched game.
bool bottom_turn(const Game& g) { return watched_game(g) && g.side_to_move == g.bottom_side; }

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
    return decided(f, EndReason::king_taken, top_won, player_name(f, top_won));
  }
  if (watched_game(g)) return Outcome::played;  // nobody to warn
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
  if (watched_game(g)) return Outcome::played;
  if (f.com.survey.top_influence[g.pos.bottom_king_x][g.pos.bottom_king_y] > 0)
    msg_ok(f, "   ** 王手 **", "");
  return Outcome::played;
}

// What the search of levels 1 to 3 tells the window as it goes: the clock keeps moving, and the
// promotions found are noted for the replay tool's dump.
SearchHooks turn_hooks(Form& f) {
  return {[&f] { on_tick(f); }, {}, [&f](int promoted) { f.promoted_piece = promoted; }};
}

// The bottom player's move, in a watched game: played as a person's would be, which ends the game
// or hands the turn to the top player.
Outcome play_bottom_move(Form& f, const Move& m) {
  const int captured = play_move(f, m, DropRow::cell);
  draw_move_result(f, f.g.bottom_side, m.to.x, m.to.y, m.placed, IRO_SHIRO);
  return after_human_move(f, captured);
}

// Levels 1 to 3 judge for the top player; the bottom one's move is found on the board turned
// round, at its own level, and turned back.
std::optional<Move> choose_bottom_move(const Game& g, Computer& com, const SearchHooks& hooks) {
  Game round = g;
  round.pos = turned(g.pos);
  round.side_to_move = round.top_side;
  round.level = g.bottom_level;
  const std::optional<Move> m = choose_computer_move(round, com, hooks);
  return m ? std::optional<Move>(turned(*m)) : std::nullopt;
}

// The turn's move chosen, by the engine, the level or the search, and played.
Outcome choose_and_play(Form& f) {
  if (const std::optional<Outcome> o = usi_turn(f)) return *o;
  const bool top = !bottom_turn(f.g);
  const int level = top ? f.g.level : f.g.bottom_level;
  if (level < engine::FIRST_ENGINE_LEVEL) {
    const SearchHooks hooks = turn_hooks(f);
    return play_computer_move(
        f, top ? choose_computer_move(f.g, f.com, hooks) : choose_bottom_move(f.g, f.com, hooks));
  }
  auto outcome = std::make_shared<std::optional<Outcome>>();
  search_move(f, top, search_limits(f, level),
              [&f, outcome](const std::optional<Move>& m) { *outcome = play_computer_move(f, m); });
  return outcome->value_or(Outcome::thinking);
}

}  // namespace

void show_thinking(Form& f) {
  const Appearance& look = f.look;
  if (bottom_turn(f.g)) {
    erase_move_result(f, f.g.bottom_side);
    shadowed_text(f, 13.4, 3.4, "思考中", look.text_colour, 12);
    return;
  }
  for (int x = -2; x <= 0; ++x) draw_picture(f, look.background, x, 8);
  draw_square_outline(f, look.background_colour, -1, 7);
  shadowed_text(f, -1.6, 8.4, "思考中", look.text_colour, 12);
  draw_square_outline(f, look.background_colour, 1, 8);
}

bool computer_thinking(const Form& f) {
  return thinking(f) && f.g.play_mode == MODE_COM &&
         (f.g.side_to_move == f.g.top_side || bottom_turn(f.g));
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
  const bool top = !bottom_turn(g);
  if (!move) {  // no move left: the computer loses
    set_timer1(f, false);
    if (g.rules == Rules::standard) return standard_end(f, top).value_or(Outcome::played);
    return decided(f, EndReason::no_move, !top, player_name(f, !top));
  }
  if (time_is_up(f)) return end_on_time(f);  // its move came too late
  if (!top) return play_bottom_move(f, *move);
  play_move(f, *move, DropRow::kind);  // the computer names its drops by their kind
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
  return choose_and_play(f);
}

Outcome computer_turn(Form& f) {
  show_thinking(f);
  f.screen.refresh();
  return choose_and_play(f);
}

bool watched_turn_due(const Form& f) {
  const Game& g = f.g;
  return watched_game(g) && f.timer1 && !thinking(f) && g.suspended != OK && g.record_mode != OK &&
         (g.side_to_move == g.top_side || g.side_to_move == g.bottom_side) && !king_taken(g) &&
         g.record.end().reason == EndReason::none;
}

}  // namespace hakuro
