#include "control/record_menu.h"

#include <filesystem>

#include "control/startup.h"
#include "control/thinking.h"
#include "display/clock_text.h"
#include "display/draw.h"
#include "display/text.h"
#include "options/sound.h"
#include "record/exchange.h"
#include "record/file.h"
#include "record/kifu.h"
#include "record/panel.h"
#include "rules/move.h"

namespace hakuro {

namespace {

// The hand of the player who owns a piece code (top for 10 or more), and its total.
void add_to_hand(Position& p, int owner_code, int kind, int n) {
  if (kind < 1 || kind > 7) return;
  if (owner_code >= HU) {
    p.top_hand[static_cast<std::size_t>(kind)] += n;
    p.top_hand_total += n;
  } else {
    p.bottom_hand[static_cast<std::size_t>(kind)] += n;
    p.bottom_hand_total += n;
  }
}

void refuse(Form& f, const std::string& text, const std::string& title) {
  play(f, f.refused_sound);
  msg_ok(f, text, title);
}

// Stepping through the record drops the selection and stops the clock.
void stop_play(Form& f) {
  f.sel.picked = 0;
  set_timer1(f, false);
  draw_grid(f);
}

void show_clocks(Form& f) {
  if (!f.g.time_control.on()) draw_clocks(f);
}

// Under a time control: the time each player had left at the move shown, counted again.
void show_time_left(Form& f) {
  if (!f.g.time_control.on()) return;
  recount_time_left(f.g);
  draw_clocks(f);
}

void draw_square(Form& f, int x, int y) {
  draw_picture(f, KARA, x, y);
  draw_picture(f, f.g.pos.board[x][y], x, y);
  draw_square_outline(f, f.look.background_colour, x, y);
}

// The side value of the player who made a recorded move.
int mover(const Game& g, const Move& m) { return m.placed >= HU ? g.top_side : g.bottom_side; }

bool usable_file_name(const std::string& name) {
  return name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

// Why the game cannot be kept as a .棋譜 file, which holds moves from the full starting position
// only; empty when it can.
std::string why_not_writable(const Game& g) {
  if (g.flipped == OK) return "反転後は書き込みできません";
  if (g.handicap_set == OK) return "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません";
  if (!g.record.hirate()) return "局面設定後は書き込みできません\r\rKIF形式で書出して下さい";
  return "";
}

}  // namespace

void on_back(Form& f) {
  Game& g = f.g;
  hide_record_panel(f.win);
  if (g.record.current_move() < 1) {
    refuse(f, "できません", "戻る");
    return;
  }
  g.suspended = OK;
  stop_play(f);
  const int n = g.record.current_move();
  const RecordMove entry = g.record.move(n);
  const Move& m = entry.move;
  if (const auto [x, y] = m.square(); on_board(x)) {
    g.pos.board[x][y] = m.piece;
    if (on_board(x, y)) draw_square(f, x, y);
  } else {
    add_to_hand(g.pos, m.placed, kind_index(m.placed), 1);
  }
  if (m.captured != KARA) add_to_hand(g.pos, m.placed, kind_index(m.captured), -1);
  if (winner_by_capture(g, m.captured) != TEBAN_NASI) g.king_taker = TEBAN_NASI;
  g.top_time = entry.top_time_before;
  g.bottom_time = entry.bottom_time_before;
  show_clocks(f);
  g.pos.board[m.to.x][m.to.y] = m.captured;
  draw_bottom_hand(f);
  draw_top_hand(f);
  draw_square(f, m.to.x, m.to.y);
  play(f, f.move_sound);
  erase_move_result(f, m.piece > 0 ? g.top_side : g.bottom_side);
  g.record.show(n - 1);
  --g.move_number;
  g.side_to_move = mover(g, m);  // the move taken back is to be made again
  draw_move_number(f, g.move_number);
  show_time_left(f);
}

void on_forward(Form& f) {
  Game& g = f.g;
  hide_record_panel(f.win);
  if (g.side_to_move == TEBAN_NASI) {
    refuse(f, "「対局」で始めて下さい", "開始");
    return;
  }
  if (!g.record.holds(g.record.current_move() + 1)) {
    if (g.record_mode == OK) msg_ok(f, "終わり", "進む");
    else refuse(f, "できません", "進む");
    return;
  }
  g.suspended = OK;  // a refused step leaves the game as it was
  stop_play(f);
  const int n = g.record.current_move() + 1;
  g.record.show(n);
  ++g.move_number;
  draw_move_number(f, g.move_number);
  const RecordMove entry = g.record.move(n);
  const Move& m = entry.move;
  if (const auto [x, y] = m.square(); on_board(x)) {
    g.pos.board[x][y] = KARA;
    if (on_board(x, y)) draw_square(f, x, y);
  } else {
    add_to_hand(g.pos, m.placed, kind_index(m.placed), -1);
  }
  if (m.captured != KARA) add_to_hand(g.pos, m.placed, kind_index(m.captured), 1);
  // Stepping over a king's capture decides the game again, as playing it did.
  if (const int winner = winner_by_capture(g, m.captured); winner != TEBAN_NASI)
    g.king_taker = winner;
  g.pos.board[m.to.x][m.to.y] = m.placed;
  draw_square(f, m.to.x, m.to.y);
  draw_bottom_hand(f);
  draw_top_hand(f);
  play(f, f.move_sound);
  g.top_time = entry.top_time_after;
  g.bottom_time = entry.bottom_time_after;
  show_clocks(f);
  draw_move_result(f, m.placed >= HU ? g.top_side : g.bottom_side, m.to.x, m.to.y, m.placed,
                   f.look.text_colour);
  // The other player moves next, also when the game on the board began with the other side
  // to move (スタート after 最初 gives the bottom player the move).
  g.side_to_move = mover(g, m) == g.top_side ? g.bottom_side : g.top_side;
  show_time_left(f);
}

void on_to_start(Form& f) {
  initial_setup(f);
  play(f, f.move_sound);
}

void on_turn_round(Form& f) {
  Game& g = f.g;
  if (g.record_mode == OK) {
    refuse(f, "棋譜ﾓｰﾄﾞではできません", "反転");
    return;
  }
  g.flipped = OK;
  f.sel.picked = 0;
  g.pos = turned_round(g.pos);
  redraw_screen(f);
  draw_move_number(f, g.move_number);
  if (g.handicap_set == OK) {
    g.handicap_level = -g.handicap_level;
    draw_handicap_level(f, g.handicap_level);
  }
  play(f, f.move_sound);
  g.side_to_move = -g.side_to_move;
  start_record_here(g, g.side_to_move == g.top_side);  // the turned position is a new start
  keep_labels_current(f);
}

void on_record_load(Form& f) {
  show_record_lists(f.win, true, true, true);
  show_record_boxes(f.win, 1);
}

void on_record_save(Form& f) {
  if (const std::string why = why_not_writable(f.g); !why.empty()) {
    msg_ok(f, why, "棋譜書込");
  } else {
    show_record_lists(f.win, true, true, false);
    show_record_boxes(f.win, 0);
  }
}

void on_drive_chosen(Form& f, const std::string& path) {
  std::error_code ec;
  std::filesystem::directory_iterator probe(std::filesystem::u8path(path), ec);
  if (ec) {
    msg_ok(f, "ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ");
    return;
  }
  f.win.set_panel_directory(path);
}

void on_folder_chosen(Form& f, const std::string& path) { f.win.set_panel_directory(path); }

void on_return(Form& f) {
  if (wait_for_search(f, [&f] { on_return(f); })) return;
  Game& g = f.g;
  const std::string name = f.win.text_box(1);
  if (name.empty()) {
    msg_ok(f, "ﾌｧｲﾙ名が入力されていません", "  ");
    return;
  }
  if (!usable_file_name(name)) {
    msg_ok(f, "ﾌｧｲﾙ名に使えない文字があります", "  ");
    return;
  }
  if (g.record.current_move() < 1) {
    msg_ok(f, "保存するデータがありません", "棋譜保存");
    return;
  }
  // The panel may have been opened before the start changed.
  if (const std::string why = why_not_writable(g); !why.empty()) {
    msg_ok(f, why, "棋譜書込");
    return;
  }
  // The player who moved first is named in Text3, the other in Text4.
  const bool bottom_first = g.bottom_side == g.sente_side;
  RecordFile r{f.win.text_box(2),
               f.win.text_box(bottom_first ? 4 : 3),
               f.win.text_box(bottom_first ? 3 : 4),
               {}};
  for (int n = 1; n <= g.record.current_move(); ++n) r.moves.push_back(g.record.move(n));
  const Encoded e =
      encode_record(r, "対局名", bottom_first ? "後手" : "先手", bottom_first ? "先手" : "後手");
  if (!e.bad_field.empty()) {
    msg_ok(f, "「" + e.bad_field + "」に書き込めない文字があります", "棋譜書込");
    return;
  }
  if (!write_atomically(f.win.panel_directory() + "/" + name + ".棋譜", e.bytes)) {
    msg_ok(f, "棋譜を書き込めませんでした", "棋譜書込");
    return;
  }
  show_record_lists(f.win, false, false, false);
  show_record_boxes(f.win, 1);
  f.win.refresh_files();
  msg_ok(f, "棋譜を書き込みました", "  ");
}

void on_file_clicked(Form& f, const std::string& name) {
  if (wait_for_search(f, [&f, name] { on_file_clicked(f, name); })) return;
  const Loaded l = load_record_file(f.win.panel_directory() + "/" + name);
  switch (l.status) {
    case Loaded::Status::ok: break;
    case Loaded::Status::unreadable: msg_ok(f, "棋譜ﾌｧｲﾙを読み込めません", "棋譜"); return;
    case Loaded::Status::bad_line:
      msg_ok(f, "棋譜ﾌｧｲﾙの" + std::to_string(l.bad_line) + "行目が正しくありません", "棋譜");
      return;
    case Loaded::Status::no_moves: msg_ok(f, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜"); return;
  }
  Game& g = f.g;
  show_record_lists(f.win, false, false, false);
  initial_setup(f);
  g.record_mode = OK;
  draw_record_headers(f, l.record.title, l.record.top_name, l.record.bottom_name);
  g.record.cut(0);  // nothing of the game held before stays
  for (const RecordMove& m : l.record.moves) g.record.append(m);
  g.move_number = 0;
  g.record.set_end(end_of(l.record.moves));
  g.record.set_top_first(g.record.move(1).move.piece >= HU);
  g.record.set_gote_to_move(false);
  g.record.set_names(l.record.title, l.record.top_name, l.record.bottom_name);
  enter_record_mode(f);
}

void enter_record_mode(Form& f, bool passing) {
  Game& g = f.g;
  if (passing) f.win.notice(" 読み込みました", "棋譜");
  else msg_ok(f, " 読み込みました", "棋譜");
  msg_ok(f, "棋譜を '進 'で進めて下さい", "棋譜");
  if (g.record.top_first()) {
    g.play_mode = MODE_COM;
    g.sente_side = g.top_side;
    g.gote_side = g.bottom_side;
  } else {
    g.play_mode = MODE_MAN;
    g.sente_side = g.bottom_side;
    g.gote_side = g.top_side;
  }
  g.side_to_move = g.sente_side;
  keep_labels_current(f);
}

}  // namespace hakuro
