#include "control/play.h"

#include "analysis/survey.h"
#include "control/computer_turn.h"
#include "control/game_clock.h"
#include "control/last_game.h"
#include "control/standard_rules.h"
#include "control/startup.h"
#include "control/usi_opponent.h"
#include "display/draw.h"
#include "display/text.h"
#include "options/clock.h"
#include "options/sound.h"
#include "record/exchange.h"
#include "record/kifu.h"
#include "rules/mate.h"
#include "rules/move.h"

namespace hakuro {

namespace {

// The top player, the computer, is to move: its turn at once, or in a watched game at the timer's
// next tick, which keeps the window live between the moves.
Outcome computer_to_move(Form& f) {
  if (!watched_game(f.g)) return com_ban(f);
  f.clock.turn_start = f.win.time_of_day();
  set_timer1(f, true);
  return Outcome::played;
}

Outcome after_move_against_computer(Form& f, int captured) {
  Game& g = f.g;
  set_timer1(f, false);
  g.bottom_time += f.clock.turn_seconds;
  if (g.rules == Rules::standard) {
    if (const std::optional<Outcome> o = standard_end(f, true)) return *o;
    g.side_to_move = g.top_side;
    return computer_to_move(f);
  }
  survey_influence(g.pos, f.com.survey);
  const bool mated = computer_mated(g, f.com.survey) == OK;
  if (captured == OU || g.king_taker == g.bottom_side)
    return decided(f, EndReason::king_taken, false, player_name(f, false));
  if (mated) return decided(f, EndReason::mated, false, player_name(f, false));
  if (g.king_taker == g.top_side)
    return decided(f, EndReason::king_taken, true, player_name(f, true));
  g.side_to_move = g.top_side;
  return computer_to_move(f);
}

Outcome after_move_between_people(Form& f) {
  Game& g = f.g;
  if (g.king_taker == g.bottom_side) return decided(f, EndReason::king_taken, false, "先手");
  if (g.king_taker == g.top_side) return decided(f, EndReason::king_taken, true, "後手");
  (g.side_to_move == g.bottom_side ? g.bottom_time : g.top_time) += f.clock.turn_seconds;
  g.side_to_move = g.side_to_move == g.sente_side ? g.gote_side : g.sente_side;
  f.clock.turn_start = f.win.time_of_day();
  if (g.rules == Rules::standard) {
    if (const std::optional<Outcome> o = standard_end(f, g.side_to_move == g.top_side)) return *o;
  }
  return Outcome::played;
}

// A game's first move: the game began when that move's turn did.
void note_start_time(Form& f) {
  const LocalTime t = f.win.local_time();
  f.g.record.set_started(
      started_before({t.year, t.month, t.day, t.hour, t.minute, t.second}, f.clock.turn_seconds));
}

}  // namespace

void move_piece(Form& f, const Move& m) {
  const BoardChange c = make_move(f.g, m);
  if (c.made) draw_move(f, m, c.captured);
}

int play_move(Form& f, const Move& m, DropRow row,
              const std::function<void()>& before_board_change) {
  Game& g = f.g;
  // The turn's seconds are measured now, whether or not the clock is shown.
  f.clock.turn_seconds = elapsed_seconds(f.clock.turn_start, f.win.time_of_day());
  const double T = g.bottom_time, U = g.top_time, E = f.clock.turn_seconds;
  const bool bottom_moves = g.side_to_move == g.bottom_side;
  record_move(g, m, row, {T, bottom_moves ? T + E : T, U, bottom_moves ? U : U + E});
  if (g.record.current_move() == 1) note_start_time(f);
  ++g.move_number;
  draw_move_number(f, g.move_number);
  if (before_board_change) before_board_change();
  const int captured = g.pos.board[m.to.x][m.to.y];
  move_piece(f, m);
  play(f, f.move_sound);
  charge_move(g, bottom_moves, E);
  keep_last_game(f);
  return captured;
}

Outcome after_human_move(Form& f, int captured) {
  if (f.g.play_mode == MODE_COM) return after_move_against_computer(f, captured);
  return after_move_between_people(f);
}

bool watched_game(const Game& g) { return g.play_mode == MODE_COM && g.bottom_level > 0; }

std::string player_name(const Form& f, bool top) {
  const Game& g = f.g;
  if (g.play_mode != MODE_COM) return top ? "後手" : "先手";
  if (!watched_game(g)) return top ? "ｺﾝﾋﾟｭｰﾀ" : "あなた";
  const std::shared_ptr<UsiOpponent>& usi = top ? f.usi_opponent : f.bottom_usi;
  const std::string who =
      usi ? usi_caption(usi->entry) : "LEVEL" + std::to_string(top ? g.level : g.bottom_level);
  return ((top ? g.top_side : g.bottom_side) == g.sente_side ? "先手(" : "後手(") + who + ")";
}

bool king_taken(const Game& g) { return g.king_taker != TEBAN_NASI; }

void refuse_decided_game(Form& f) {
  play(f, f.refused_sound);
  msg_ok(f, "勝負はついています", "対局");
}

Outcome decided(Form& f, EndReason why, bool top_won, const std::string& name) {
  f.g.record.set_end({why, top_won});
  keep_last_game(f);  // the file tells that the game is over
  end_usi_game(f);
  return end_game(f, name);
}

Outcome drawn(Form& f, const std::string& text, const std::string& title) {
  f.g.record.set_end({EndReason::repetition, false});
  keep_last_game(f);
  end_usi_game(f);
  msg_ok(f, text, title);
  return offer_new_game(f);
}

Outcome end_game(Form& f, const std::string& name) {
  msg_ok(f, name + "の勝ちです", "終了");
  return offer_new_game(f);
}

Outcome offer_new_game(Form& f) {
  if (msg_yes(f, "続けますか？", "再ゲーム")) {
    initial_setup(f);
    return Outcome::restarted;
  }
  end_program(f);
  return Outcome::ended;
}

}  // namespace hakuro
