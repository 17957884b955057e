#include "control/mouse.h"

#include <algorithm>
#include <cmath>

#include "control/computer_turn.h"
#include "control/game_clock.h"
#include "control/hint.h"
#include "control/play.h"
#include "control/standard_rules.h"
#include "control/startup.h"
#include "control/thinking.h"
#include "display/draw.h"
#include "display/text.h"
#include "options/sound.h"
#include "record/panel.h"
#include "rules/legality.h"
#include "rules/move.h"

namespace hakuro {

namespace {

// The cell under a press point, rounding down; far-off or unusable points give a far-off cell.
int cell_of(double v, int origin, int size) {
  const double c = std::floor((v - origin) / size);
  return std::isfinite(c) ? static_cast<int>(std::clamp(c, -1000.0, 1000.0)) : -1000;
}

bool belongs_to_mover(const Game& g, int piece) {
  return (g.side_to_move == g.bottom_side && piece <= -HU) ||
         (g.side_to_move == g.top_side && piece >= HU);
}

// What a picked cell's piece moves from: its square, or its hand's kind.
Source source_at(int x, int y) {
  if (const std::optional<HandPlace> h = hand_at({x, y})) return FromHand{h->kind};
  return Square{x, y};
}

void restart_turn_clock(Form& f) {
  f.clock.turn_start = f.win.time_of_day();
  if (clock_shown(f)) set_timer1(f, true);
}

// A press resumes a suspended game, or lets the computer move first when it is its turn; a
// watched game goes on.
Outcome resume(Form& f) {
  Game& g = f.g;
  if (watched_game(g)) {  // the computers go on at the timer's next tick
    if (g.suspended == OK) {
      g.suspended = NG;
      restart_turn_clock(f);
    }
    return Outcome::played;
  }
  if (g.play_mode == MODE_MAN) {
    if (g.suspended != OK) return Outcome::played;
    g.suspended = NG;
    restart_turn_clock(f);
    if (g.side_to_move == g.sente_side) msg_ok(f, "先手の番です", "対局");
    else if (g.side_to_move == g.gote_side) msg_ok(f, "後手の番です", "対局");
    return Outcome::played;
  }
  if (g.side_to_move == g.top_side) {
    g.suspended = NG;
    msg_ok(f, "OKですか？", "再開(COM)");
    return com_ban(f);
  }
  if (g.side_to_move == g.bottom_side && g.suspended == OK) {
    g.suspended = NG;
    restart_turn_clock(f);
    msg_ok(f, "MANの番です", "対局");
  }
  return Outcome::played;
}

void pick_on_board(Form& f, int x, int y) {
  Game& g = f.g;
  Selection& s = f.sel;
  if (g.pos.board[x][y] == KARA) return;
  s.from_x = s.picked_x = x;
  s.from_y = s.picked_y = y;
  s.picked_piece = g.pos.board[x][y];
  outline_reachable_squares(f, s.from_x, s.from_y, f.look.guidance_colour, s.picked_piece);
  if (belongs_to_mover(g, s.picked_piece)) {
    s.picked = 1;
    draw_square_outline(f, IRO_AKA, x, y);
  } else {
    draw_square_outline(f, f.look.guidance_colour, x, y);
  }
}

// Removes the picked piece's highlight once its move is accepted.
void clear_pick(Form& f) {
  Selection& s = f.sel;
  s.picked = 0;
  draw_square_outline(f, f.look.grid_colour, s.from_x, s.from_y);
  draw_square_outline(f, f.look.grid_colour, s.to_x, s.to_y);
  outline_reachable_squares(f, s.from_x, s.from_y, f.look.grid_colour, s.picked_piece);
}

// Whether the rules in force allow the move from `from` to `to` of `piece`, whose sign tells its
// player: the board's own tests, and under the standard rules the legal moves' filter.
bool rules_allow(const Game& g, const Source& from, Square to, int piece,
                 const std::optional<MoveFilter>& allowed) {
  if (may_move(g.pos, from, to, piece) == NG) return false;
  return !allowed || allowed->allows({from, to, piece, piece});
}

void move_picked_piece(Form& f, int button, int x, int y) {
  Game& g = f.g;
  Selection& s = f.sel;
  s.to_x = x;
  s.to_y = y;
  const Source from = source_at(s.from_x, s.from_y);
  const Square to{s.to_x, s.to_y};
  if (!rules_allow(g, from, to, s.picked_piece,
                   rules_filter(g.pos, is_top(s.picked_piece), g.rules))) {
    play(f, f.refused_sound);
    if (g.rules == Rules::standard && may_move(g.pos, from, to, s.picked_piece) == OK) {
      const std::string why = king_refusal(g.pos, {from, to, s.picked_piece, s.picked_piece});
      if (!why.empty()) f.win.notice(why, "本将棋");
    }
    s.picked = 0;
    draw_grid(f);
    return;
  }
  if (may_stay_unpromoted(s.to_y, s.picked_piece) == NG && button != BTN_MIGI) {
    play(f, f.refused_sound);
    msg_ok(f, "マウスの右をクリックして下さい", "成り");
    return;
  }
  int placed = s.picked_piece;
  if (check_promotion(from, s.to_y, s.picked_piece) == OK) {
    f.promoted_piece = promoted(s.picked_piece);
    if (button == BTN_MIGI) placed = f.promoted_piece;
  }
  const Move m{from, {s.to_x, s.to_y}, s.picked_piece, placed, KARA};
  s.picked_piece = placed;
  const int captured = play_move(f, m, DropRow::cell, [&] {
    clear_pick(f);
    // The source row left picked is the one the board change takes: a top-hand drop's kind.
    if (m.is_drop() && m.by_top()) s.from_y = m.kind();
  });
  draw_move_result(f, placed >= HU ? g.top_side : g.bottom_side, s.to_x, s.to_y, placed,
                   f.look.text_colour);
  after_human_move(f, captured);
}

// A press on the cell of kind k in the top or the bottom hand.
void pick_in_hand(Form& f, bool top, int k) {
  Game& g = f.g;
  const bool bottom = !top;
  const auto [column, row] = hand_cell(top, k);
  if ((bottom ? g.pos.bottom_hand[k] : g.pos.top_hand[k]) <= 0) return;
  Selection& s = f.sel;
  set_nifu_flags(g.pos);
  s.from_x = s.picked_x = column;
  s.from_y = s.picked_y = row;
  s.picked_piece = bottom ? -KIND_CODE[k] : KIND_CODE[k];
  const int owner = bottom ? g.bottom_side : g.top_side,
            other = bottom ? g.top_side : g.bottom_side;
  if (g.side_to_move == owner) {
    s.picked = 1;
    draw_square_outline(f, IRO_AKA, column, row);
  } else {
    s.picked = 0;
    if (g.side_to_move == other) draw_square_outline(f, f.look.guidance_colour, column, row);
  }
  outline_reachable_squares(f, s.from_x, s.from_y, f.look.guidance_colour, s.picked_piece);
}

void press_off_board(Form& f, int x, int y) {
  const Selection& s = f.sel;
  if (is_top(s.picked_piece) || is_bottom(s.picked_piece)) {
    outline_reachable_squares(f, s.from_x, s.from_y, f.look.grid_colour, s.picked_piece);
    draw_square_outline(f, f.look.grid_colour, s.from_x, s.from_y);
  }
  if (const std::optional<HandPlace> h = hand_at({x, y}); h && h->kind >= 1 && h->kind <= 7)
    pick_in_hand(f, h->top, h->kind);
}

// The press on the cell (x, y), once the game has been resumed.
void press_cell(Form& f, int button, int x, int y) {
  if (!on_board(x, y)) press_off_board(f, x, y);
  else if (f.sel.picked == 0) pick_on_board(f, x, y);
  else move_picked_piece(f, button, x, y);
}

}  // namespace

void outline_reachable_squares(Form& f, int from_x, int from_y, int colour, int piece) {
  draw_grid(f);
  if (f.look.guidance_on == NG) return;
  const std::optional<MoveFilter> allowed = rules_filter(f.g.pos, is_top(piece), f.g.rules);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (rules_allow(f.g, source_at(from_x, from_y), {x, y}, piece, allowed))
        draw_square_outline(f, colour, x, y);
}

void on_mouse_down(Form& f, int button, int, double X, double Y) {
  Game& g = f.g;
  if (thinking(f)) return;  // the board waits for the search's result
  clear_hint(f);
  hide_record_panel(f.win);
  if (g.record_mode == OK) {
    if (!msg_yes(f, "棋譜を '進 'で進めて下さい", "棋譜")) {
      play(f, f.refused_sound);
      initial_setup(f);
    }
    return;
  }
  const int x = cell_of(X, ban_left, masu_w), y = cell_of(Y, ban_top, masu_h);
  if (g.side_to_move == TEBAN_NASI) {
    play(f, f.refused_sound);
    msg_ok(f, "「対局」で始めて下さい", "開始");
    return;
  }
  if (king_taken(g)) {
    refuse_decided_game(f);
    return;
  }
  if (time_is_up(f)) {  // the press came after the flag fell
    end_on_time(f);
    return;
  }
  // The same press is then handled on the board as it stands, even after the computer's move
  // ended its game and a new one was set up; once that move is played, when it is searched.
  const Outcome o = resume(f);
  if (o == Outcome::ended || watched_game(g)) return;  // a watched game takes no moves
  if (o == Outcome::thinking)
    wait_for_search(f, [&f, button, x, y] { press_cell(f, button, x, y); });
  else press_cell(f, button, x, y);
}

}  // namespace hakuro
