#include "control/startup.h"

#include "control/commands.h"
#include "control/computer_turn.h"
#include "control/game_clock.h"
#include "control/play.h"
#include "control/standard_rules.h"
#include "control/usi_opponent.h"
#include "display/clock_text.h"
#include "display/draw.h"
#include "display/text.h"
#include "options/settings.h"
#include "options/sound.h"
#include "record/kifu.h"
#include "record/panel.h"

namespace hakuro {

namespace {

constexpr std::int32_t kWindowHandle = 1;
constexpr int kMaximisedTop = -60;

void paint_over_level(Form& f) {
  for (int x = -2; x <= 0; ++x) draw_picture(f, f.look.background, x, 0);
}

// A COM対局ﾚﾍﾞﾙ item: the level display painted over, then the level set.
void choose_level(Form& f, int n) {
  note_level_change(f.g, n);
  drop_usi_opponent(f);
  paint_over_level(f);
  set_level(f, n);
}

void say_whose_turn(Form& f, const std::string& title) {
  if (f.g.side_to_move == f.g.sente_side) msg_ok(f, "先手の番です", title);
  else if (f.g.side_to_move == f.g.gote_side) msg_ok(f, "後手の番です", title);
}

// A resumed game in which the computer is to move: its turn, unless a king has been taken.
void resume_computer(Form& f) {
  if (king_taken(f.g)) refuse_decided_game(f);
  else com_ban(f);
}

// A person plays the bottom player again: a watched game's bottom computer, and its engine, go.
void release_bottom(Form& f) {
  f.g.bottom_level = 0;
  if (const std::shared_ptr<UsiOpponent> op = std::exchange(f.bottom_usi, nullptr);
      op && op->client)
    op->client->quit();
}

// A game begun with no move held: the record notes who moves first.
void note_first_mover(Game& g) {
  if (g.record.held() == 0) g.record.set_top_first(g.side_to_move == g.top_side);
}

// A new game is played by the rules 本将棋 chooses, and its record says so.
void begin_with_chosen_rules(Form& f) {
  f.g.rules = chosen_rules(f);
  f.g.record.set_rules(f.g.rules);
}

// A new game's clocks: each player has the next game's main time, counting from now.
void begin_clocks(Form& f) {
  reset_clocks(f);
  f.g.record.set_time_control(f.g.time_control);
  if (!f.g.time_control.on()) return;
  set_timer1(f, true);
  draw_clocks(f);
}

void humans_turn(Form& f, const std::string& title) {
  msg_ok(f, "MANの番です", title);
  f.g.suspended = NG;
}

// 先手 (the human moves first) and 後手 (second): a new game against the computer with those
// sides, or the game on the board resumed against it.
void start_against_computer(Form& f, bool human_first) {
  Game& g = f.g;
  erase_record_headers(f);
  draw_level(f, g.level);
  draw_grid(f);
  f.sel.picked = 0;
  g.play_mode = MODE_COM;
  g.record_mode = NG;
  g.record.cut(g.move_number);  // moves recorded beyond this one are given up
  // 先手 starts the turn's clock now; after 後手 the computer's turn starts its own.
  if (human_first) f.clock.turn_start = f.win.time_of_day();
  set_timer1(f, true);
  if (g.move_number == 0 || g.side_to_move == TEBAN_NASI) {
    g.bottom_side = human_first ? g.sente_side : g.gote_side;
    g.top_side = human_first ? g.gote_side : g.sente_side;
    g.side_to_move = g.sente_side;
    note_first_mover(g);
    begin_with_chosen_rules(f);
    keep_labels_current(f);
    begin_clocks(f);
    if (human_first) humans_turn(f, " ");
    else com_ban(f);
  } else if (g.side_to_move == g.bottom_side) {
    if (human_first) {  // the human becomes 先手, whichever it was
      g.bottom_side = g.side_to_move = g.sente_side;
      g.top_side = g.gote_side;
      keep_labels_current(f);
    }
    humans_turn(f, "対局");
  } else if (g.side_to_move == g.top_side) {
    resume_computer(f);
  }
}

}  // namespace

void on_load(Form& f) {
  Game& g = f.g;
  init_sound(f, kWindowHandle);
  load_sounds(f);

  g.record_mode = NG;
  f.look.guidance_on = NG;
  g.record.name_last(0);
  g.level = 3;
  f.win.set_checked(level_item(3), true);
  for (const char* item : {kLiveAnalysisItem, kAnalysisKifItem}) f.win.set_checked(item, false);
  g.sente_side = 1;
  g.gote_side = -1;
  f.look.text_colour = IRO_SHIRO;
  f.look.background_colour = IRO_MIDORI;
  f.look.grid_colour = f.look.background_colour;
  f.look.guidance_colour = f.look.grid_colour;
  g.top_side = g.sente_side;
  g.bottom_side = g.gote_side;

  f.screen.background_colour(f.look.background_colour);
  read_settings(f);
  initial_setup(f);
  if (f.win.window_top() != kMaximisedTop) f.win.place(0, 0, 9400, 8000);
}

void initial_setup(Form& f) {
  Game& g = f.g;
  // Moves played from another start (a handicap, a pasted position, the board turned in the
  // middle of a game, a KIF file) do not fit the full one set up here.
  if (g.handicap_set == OK || !g.record.hirate()) g.record.cut(0);
  g.handicap_level = 0;
  g.handicap_set = NG;
  g.play_mode = MODE_MAN;  // no game runs (teban says so); a match sets the mode
  g.king_taker = TEBAN_NASI;
  g.side_to_move = TEBAN_NASI;
  end_usi_game(f);  // a game given up without an end
  release_bottom(f);
  g.record.show(0);
  g.move_number = 0;
  g.flipped = NG;
  set_timer1(f, false);
  g.top_time = g.bottom_time = 0;
  reset_clocks(f);
  g.suspended = NG;
  g.record_mode = NG;
  f.clock.shown_seconds = 0;
  f.sel.picked = 0;
  set_starting_position(g.pos);
  g.record.reset_start(g.pos);
  redraw_screen(f);
}

void on_start(Form& f) {
  Game& g = f.g;
  release_bottom(f);
  erase_record_headers(f);
  paint_over_level(f);
  draw_grid(f);
  f.clock.turn_start = f.win.time_of_day();
  if (clock_shown(f)) set_timer1(f, true);
  g.play_mode = MODE_MAN;
  if (g.move_number == 0 || g.side_to_move == TEBAN_NASI) {
    g.bottom_side = g.sente_side;
    g.top_side = g.gote_side;
    g.side_to_move = g.bottom_side;
    note_first_mover(g);
    begin_with_chosen_rules(f);
    begin_clocks(f);
    msg_ok(f, "先手の番です", " ");
  } else {
    say_whose_turn(f, " ");
  }
  g.suspended = NG;
}

void on_sente(Form& f) {
  release_bottom(f);
  start_against_computer(f, true);
}
void on_gote(Form& f) {
  release_bottom(f);
  start_against_computer(f, false);
}
void on_watch(Form& f) { start_against_computer(f, false); }

void on_match_menu(Form& f) { hide_record_panel(f.win); }

void on_level1(Form& f) { choose_level(f, 1); }
void on_level2(Form& f) { choose_level(f, 2); }
void on_level3(Form& f) { choose_level(f, 3); }
void on_level4(Form& f) { choose_level(f, 4); }
void on_level5(Form& f) { choose_level(f, 5); }

void set_level(Form& f, int n) {
  for (const char* item : kLevelItems) f.win.set_checked(item, false);
  if (n >= 1 && n <= 5) {
    f.win.set_checked(level_item(n), true);
    f.g.level = n;
  }
  if (f.g.play_mode == MODE_COM) draw_level(f, f.g.level);
}

void on_quit(Form& f) { end_program(f); }
void on_unload(Form& f) { end_program(f); }

void on_key_press(Form& f, int key) {
  if (key == 27) end_program(f);
}

void end_program(Form& f) {
  f.thinker.cancel();  // a search in progress stops, and its result is dropped
  f.waiting.clear();
  free_sounds(f);
  set_timer1(f, false);
  f.ended = true;
  f.win.quit();
}

}  // namespace hakuro
