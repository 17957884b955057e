#include "control/resign.h"

#include "control/play.h"
#include "options/sound.h"

namespace hakuro {

namespace {

constexpr const char* kTitle = "投了";

void refuse(Form& f, const char* text, const char* title) {
  play(f, f.refused_sound);
  msg_ok(f, text, title);
}

}  // namespace

bool game_over(const Game& g) {
  return king_taken(g) || (g.record.end().reason != EndReason::none &&
                           g.record.current_move() == g.record.last_move());
}

void on_resign(Form& f) {
  Game& g = f.g;
  if (g.record_mode == OK) return refuse(f, "棋譜ﾓｰﾄﾞではできません", kTitle);
  if (g.side_to_move == TEBAN_NASI) return refuse(f, "「対局」で始めて下さい", "開始");
  if (game_over(g)) return refuse(f, "勝負はついています", kTitle);
  // A suspended game shows a position of the record, not necessarily the one being played.
  if (g.suspended == OK) return refuse(f, "盤をクリックして対局を再開して下さい", kTitle);
  if (!msg_yes(f, "投了しますか？", kTitle)) return;

  set_timer1(f, false);
  // Moves held beyond the position resigned in were never played in this game.
  g.record.cut(g.record.current_move());
  // Against the computer the person resigns; otherwise the player to move, as in a watched game.
  const bool top_resigns = g.side_to_move == g.top_side;
  if (g.play_mode == MODE_COM && !watched_game(g)) {
    decided(f, EndReason::resigned, true, player_name(f, true));
    return;
  }
  decided(f, EndReason::resigned, !top_resigns, player_name(f, !top_resigns));
}

}  // namespace hakuro
