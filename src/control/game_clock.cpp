#include "control/game_clock.h"

#include "control/computer_turn.h"
#include "control/thinking.h"
#include "display/clock_text.h"
#include "options/clock.h"

namespace hakuro {

bool clock_shown(const Form& f) {
  return f.look.options.show_times || f.g.time_control.on() || watched_game(f.g);
}

void reset_clocks(Form& f) {
  Game& g = f.g;
  g.time_control = f.next_time_control;
  g.top_left = g.bottom_left = g.time_control.main;
}

void charge_move(Game& g, bool bottom_moved, double spent) {
  if (!g.time_control.on()) return;
  double& left = bottom_moved ? g.bottom_left : g.top_left;
  left = time_left_after_move(g.time_control, left, spent);
}

bool time_is_up(const Form& f) {
  const Game& g = f.g;
  if (!g.time_control.on() || !f.timer1 || g.suspended == OK || g.record_mode == OK) return false;
  if (g.side_to_move != g.top_side && g.side_to_move != g.bottom_side) return false;
  if (king_taken(g) || g.record.end().reason != EndReason::none) return false;
  const double left = g.side_to_move == g.top_side ? g.top_left : g.bottom_left;
  return flag_fallen(g.time_control, left,
                     elapsed_seconds(f.clock.turn_start, f.win.time_of_day()));
}

Outcome end_on_time(Form& f) {
  Game& g = f.g;
  if (thinking(f)) {  // the computer's search is given up with its game
    f.thinker.cancel();
    f.waiting.clear();
  }
  set_timer1(f, false);
  draw_clocks(f);
  msg_ok(f, "時間切れです", "対局");
  // Moves held beyond the position shown were never played in this game.
  g.record.cut(g.record.current_move());
  const bool top_lost = g.side_to_move == g.top_side;
  return decided(f, EndReason::time_out, !top_lost, player_name(f, !top_lost));
}

void on_timer(Form& f) {
  on_tick(f);
  if (time_is_up(f)) end_on_time(f);
  else if (watched_turn_due(f)) computer_turn(f);
}

}  // namespace hakuro
