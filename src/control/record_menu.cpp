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
    p.mochi_ue[static_cast<std::size_t>(kind)] += n;
    p.mochi_ue_su += n;
  } else {
    p.mochi_sita[static_cast<std::size_t>(kind)] += n;
    p.mochi_sita_su += n;
  }
}

void refuse(Form& f, const std::string& text, const std::string& title) {
  play(f, f.snd_kinshi);
  msg_ok(f, text, title);
}

// Stepping through the record drops the selection and stops the clock.
void stop_play(Form& f) {
  f.g.sel.sentaku = 0;
  set_timer1(f, false);
  draw_grid(f);
}

void show_clocks(Form& f) {
  draw_time_held(f, f.g.ue, f.g.clock.mochi_jikan_ue);
  draw_time_held(f, f.g.sita, f.g.clock.mochi_jikan_sita);
}

void draw_square(Form& f, int x, int y) {
  draw_picture(f, KARA, x, y);
  draw_picture(f, f.g.pos.ban[x][y], x, y);
  draw_square_outline(f, f.g.look.haikei_iro, x, y);
}

// The side value of the player who made a recorded move.
int mover(const Game& g, const KifuMove& m) { return m.ato_koma >= HU ? g.ue : g.sita; }

bool usable_file_name(const std::string& name) {
  return name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

// Why the game cannot be kept as a .棋譜 file, which holds moves from the full starting position
// only; empty when it can.
std::string why_not_writable(const Game& g) {
  if (g.hanten == OK) return "反転後は書き込みできません";
  if (g.hande_settei == OK) return "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません";
  if (!g.record.hirate()) return "局面設定後は書き込みできません\r\rKIF形式で書出して下さい";
  return "";
}

}  // namespace

void on_back(Form& f) {
  Game& g = f.g;
  hide_record_panel(f.win);
  if (g.record.kifu_tesu < 1) {
    refuse(f, "できません", "戻る");
    return;
  }
  g.chudan = OK;
  stop_play(f);
  const int n = g.record.kifu_tesu;
  const KifuMove m = g.record.move(n);
  if (on_board(m.moto_x)) {
    g.pos.ban[m.moto_x][m.moto_y] = m.koma;
    if (on_board(m.moto_x, m.moto_y)) draw_square(f, m.moto_x, m.moto_y);
  } else {
    add_to_hand(g.pos, m.ato_koma, kind_index(m.ato_koma), 1);
  }
  if (m.tori_koma != KARA) add_to_hand(g.pos, m.ato_koma, kind_index(m.tori_koma), -1);
  if (winner_by_capture(g, m.tori_koma) != TEBAN_NASI) g.ou_tori = TEBAN_NASI;
  g.clock.mochi_jikan_ue = m.jikan_ue_mae;
  g.clock.mochi_jikan_sita = m.jikan_sita_mae;
  show_clocks(f);
  g.pos.ban[m.saki_x][m.saki_y] = m.tori_koma;
  draw_bottom_hand(f);
  draw_top_hand(f);
  draw_square(f, m.saki_x, m.saki_y);
  play(f, f.snd_komaoto);
  erase_move_result(f, m.koma > 0 ? g.ue : g.sita);
  --g.record.kifu_tesu;
  --g.tesu;
  g.teban = mover(g, m);  // the move taken back is to be made again
  draw_move_number(f, g.tesu);
}

void on_forward(Form& f) {
  Game& g = f.g;
  hide_record_panel(f.win);
  if (g.teban == TEBAN_NASI) {
    refuse(f, "「対局」で始めて下さい", "開始");
    return;
  }
  if (!g.record.holds(g.record.kifu_tesu + 1)) {
    if (g.kifu_mode == OK) msg_ok(f, "終わり", "進む");
    else refuse(f, "できません", "進む");
    return;
  }
  g.chudan = OK;  // a refused step leaves the game as it was
  stop_play(f);
  const int n = ++g.record.kifu_tesu;
  ++g.tesu;
  draw_move_number(f, g.tesu);
  const KifuMove m = g.record.move(n);
  if (on_board(m.moto_x)) {
    g.pos.ban[m.moto_x][m.moto_y] = KARA;
    if (on_board(m.moto_x, m.moto_y)) draw_square(f, m.moto_x, m.moto_y);
  } else {
    add_to_hand(g.pos, m.ato_koma, kind_index(m.ato_koma), -1);
  }
  if (m.tori_koma != KARA) add_to_hand(g.pos, m.ato_koma, kind_index(m.tori_koma), 1);
  // Stepping over a king's capture decides the game again, as playing it did.
  if (const int winner = winner_by_capture(g, m.tori_koma); winner != TEBAN_NASI)
    g.ou_tori = winner;
  g.pos.ban[m.saki_x][m.saki_y] = m.ato_koma;
  draw_square(f, m.saki_x, m.saki_y);
  draw_bottom_hand(f);
  draw_top_hand(f);
  play(f, f.snd_komaoto);
  g.clock.mochi_jikan_ue = m.jikan_ue_ato;
  g.clock.mochi_jikan_sita = m.jikan_sita_ato;
  show_clocks(f);
  draw_move_result(f, m.ato_koma >= HU ? g.ue : g.sita, m.saki_x, m.saki_y, m.ato_koma,
               g.look.moji_iro);
  // The other player moves next, also when the game on the board began with the other side
  // to move (スタート after 最初 gives the bottom player the move).
  g.teban = mover(g, m) == g.ue ? g.sita : g.ue;
}

void on_to_start(Form& f) {
  initial_setup(f);
  play(f, f.snd_komaoto);
}

void on_turn_round(Form& f) {
  Game& g = f.g;
  if (g.kifu_mode == OK) {
    refuse(f, "棋譜ﾓｰﾄﾞではできません", "反転");
    return;
  }
  g.hanten = OK;
  g.sel.sentaku = 0;
  Position& p = g.pos;
  const Table before = p.ban;
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) p.ban[10 - x][10 - y] = -before[x][y];
  std::swap(p.mochi_sita, p.mochi_ue);
  std::swap(p.mochi_sita_su, p.mochi_ue_su);
  forget_missing_kings(p);  // the side without a king may have changed
  redraw_screen(f);
  draw_move_number(f, g.tesu);
  if (g.hande_settei == OK) {
    g.hande_level = -g.hande_level;
    draw_handicap_level(f, g.hande_level);
  }
  play(f, f.snd_komaoto);
  g.teban = -g.teban;
  start_record_here(g, g.teban == g.ue);  // the turned position is a new start
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
  if (g.record.kifu_tesu < 1) {
    msg_ok(f, "保存するデータがありません", "棋譜保存");
    return;
  }
  // The panel may have been opened before the start changed.
  if (const std::string why = why_not_writable(g); !why.empty()) {
    msg_ok(f, why, "棋譜書込");
    return;
  }
  // The player who moved first is named in Text3, the other in Text4.
  const bool bottom_first = g.sita == g.teban_sente;
  RecordFile r{f.win.text_box(2), f.win.text_box(bottom_first ? 4 : 3),
               f.win.text_box(bottom_first ? 3 : 4), {}};
  for (int n = 1; n <= g.record.kifu_tesu; ++n) r.moves.push_back(g.record.move(n));
  const Encoded e = encode_record(r, "対局名", bottom_first ? "後手" : "先手",
                                  bottom_first ? "先手" : "後手");
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
    case Loaded::Status::unreadable:
      msg_ok(f, "棋譜ﾌｧｲﾙを読み込めません", "棋譜");
      return;
    case Loaded::Status::bad_line:
      msg_ok(f, "棋譜ﾌｧｲﾙの" + std::to_string(l.bad_line) + "行目が正しくありません", "棋譜");
      return;
    case Loaded::Status::no_moves:
      msg_ok(f, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜");
      return;
  }
  Game& g = f.g;
  show_record_lists(f.win, false, false, false);
  initial_setup(f);
  g.kifu_mode = OK;
  draw_record_headers(f, l.record.title, l.record.top_name, l.record.bottom_name);
  g.record.cut(0);  // nothing of the game held before stays
  for (std::size_t k = 0; k < l.record.moves.size(); ++k)
    g.record.at(static_cast<int>(k) + 1) = l.record.moves[k];
  g.record.kifu_tesu = 0;
  g.tesu = 0;
  g.record.saigo_tesu = static_cast<int>(l.record.moves.size());
  g.record.end = end_of(l.record.moves);
  g.record.ue_sente = g.record.move(1).koma >= HU;
  g.record.gote_ban = false;
  g.record.taikyoku_mei = l.record.title;
  g.record.ue_mei = l.record.top_name;
  g.record.sita_mei = l.record.bottom_name;
  enter_record_mode(f);
}

void enter_record_mode(Form& f, bool passing) {
  Game& g = f.g;
  if (passing) f.win.notice(" 読み込みました", "棋譜");
  else msg_ok(f, " 読み込みました", "棋譜");
  msg_ok(f, "棋譜を '進 'で進めて下さい", "棋譜");
  if (g.record.ue_sente) {
    g.taikyoku_mode = MODE_COM;
    g.teban_sente = g.ue;
    g.teban_gote = g.sita;
  } else {
    g.taikyoku_mode = MODE_MAN;
    g.teban_sente = g.sita;
    g.teban_gote = g.ue;
  }
  g.teban = g.teban_sente;
  keep_labels_current(f);
}

}  // namespace hakuro
