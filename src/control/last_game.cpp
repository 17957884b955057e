#include "control/last_game.h"

#include <optional>

#include "control/computer_turn.h"
#include "control/game_clock.h"
#include "control/startup.h"
#include "display/clock_text.h"
#include "display/draw.h"
#include "display/text.h"
#include "options/sound.h"
#include "record/exchange.h"
#include "record/kif_file.h"
#include "record/last_game.h"
#include "record/panel.h"
#include "rules/move.h"

namespace hakuro {

namespace {

constexpr const char* kTitle = "前回の対局";

std::optional<LastGame> read_last_game(const Form& f) {
  if (f.last_game_file.empty()) return std::nullopt;
  const KifRead r = load_kif(f.last_game_file);
  if (r.problem != KifProblem::none) return std::nullopt;
  return last_game_from(r.game);
}

void take_standing(Game& g, const Standing& s) {
  g.play_mode = s.play_mode;
  g.bottom_side = s.bottom_side;
  g.top_side = s.top_side;
  g.sente_side = s.sente_side;
  g.gote_side = -s.sente_side;
  g.move_number = s.move_number;
  g.handicap_level = s.handicap_level;
  g.handicap_set = s.handicap_set;
  g.flipped = s.flipped;
  g.record.set_start_number(s.start_number);
  g.rules = s.rules;
  g.record.set_rules(s.rules);
  g.time_control = s.time_control;
  g.top_left = s.top_left_ms / 1000.0;
  g.bottom_left = s.bottom_left_ms / 1000.0;
  g.bottom_level = s.bottom_level;
}

// The record, the position after its last move, the sides, the level and the clocks.
void take_last_game(Form& f, const LastGame& last) {
  Game& g = f.g;
  const KifGame& k = last.game;
  take_kif_game(g.record, k);
  const int n = g.record.held();
  g.record.show(n);
  g.pos = last.end;
  take_standing(g, last.standing);
  const RecordMove& m = g.record.move(n);
  if (n == 0) g.side_to_move = k.top_first ? g.top_side : g.bottom_side;
  else g.side_to_move = m.move.by_top() ? g.bottom_side : g.top_side;
  g.king_taker = winner_by_capture(g, m.move.captured);
  g.top_time = m.top_time_after;
  g.bottom_time = m.bottom_time_after;
  if (g.play_mode == MODE_COM) g.record.set_start_level(header_level(k, g.level));
  set_level(f, level_after(k, n, g.level));
  if (g.play_mode == MODE_COM) g.record.set_computer_level(g.level);
  g.record.set_bottom_level(g.bottom_level);
}

// The board, the move number and the last move, as they were when the game was left.
void draw_last_game(Form& f) {
  Game& g = f.g;
  redraw_screen(f);
  draw_move_number(f, g.move_number);
  const int n = g.record.current_move();
  if (n == 0) return;
  const Move& m = g.record.move(n).move;
  draw_move_result(f, is_top(m.placed) ? g.top_side : g.bottom_side, m.to.x, m.to.y, m.placed,
                   f.look.text_colour);
}

// An unfinished game goes on: the computer moves at once when it is to move.
void go_on(Form& f) {
  Game& g = f.g;
  f.clock.turn_start = f.win.time_of_day();
  if (g.play_mode == MODE_COM || clock_shown(f)) set_timer1(f, true);
  if (g.time_control.on()) draw_clocks(f);  // the mover's clock counts
  if (g.play_mode == MODE_COM) {
    if (g.side_to_move == g.top_side) com_ban(f);
    else msg_ok(f, "MANの番です", "対局");
  } else {
    msg_ok(f, g.side_to_move == g.sente_side ? "先手の番です" : "後手の番です", "対局");
  }
}

void take_up(Form& f, const LastGame& last) {
  initial_setup(f);
  take_last_game(f, last);
  if (last.finished) f.g.record_mode = OK;
  draw_last_game(f);
  if (last.finished) {
    draw_record_headers(f, f.g.record.title(), f.g.record.top_name(), f.g.record.bottom_name());
    msg_ok(f, " 読み込みました", kTitle);
  } else {
    go_on(f);
  }
}

}  // namespace

void keep_last_game(Form& f) {
  if (f.last_game_file.empty() || f.g.record.held() == 0) return;
  save_kif(f.last_game_file, last_game_of(f.g));
}

void on_last_game(Form& f) {
  hide_record_panel(f.win);
  const std::optional<LastGame> last = read_last_game(f);
  if (!last) {
    play(f, f.refused_sound);
    msg_ok(f, "前回の対局はありません", kTitle);
    return;
  }
  take_up(f, *last);
}

void offer_last_game(Form& f) {
  const std::optional<LastGame> last = read_last_game(f);
  if (last && !last->finished && msg_yes(f, "前回の対局を再開しますか？", kTitle))
    take_up(f, *last);
}

}  // namespace hakuro
