#include "control/kif_menu.h"

#include "control/record_menu.h"
#include "control/standard_rules.h"
#include "control/startup.h"
#include "display/draw.h"
#include "display/text.h"
#include "options/sound.h"
#include "record/exchange.h"
#include "record/kif_file.h"
#include "record/panel.h"
#include "record/sfen.h"

namespace hakuro {

namespace {

constexpr const char* kKifFilter = "KIF (*.kif *.kifu)";
constexpr const char* kWriteTitle = "KIF書出";
constexpr const char* kReadTitle = "KIF読込";
constexpr const char* kCopyTitle = "局面ｺﾋﾟｰ";
constexpr const char* kPasteTitle = "局面貼付";
constexpr const char* kPlaying = "対局中はできません";
constexpr const char* kToTheStart = "局面→最初にして下さい";

void refuse(Form& f, const std::string& text, const std::string& title) {
  play(f, f.refused_sound);
  msg_ok(f, text, title);
}

// The path chosen in the file dialog; nothing when it is cancelled.
std::optional<std::string> chosen_file(Form& f, FileDialog kind, const char* title) {
  std::optional<std::string> path = f.win.file_dialog(kind, title, kKifFilter);
  if (path && path->empty()) path.reset();
  return path;
}

std::string why_refused(const KifRead& r) {
  const std::string file = "KIFﾌｧｲﾙ";
  const std::string line = std::to_string(r.line) + "行目";
  switch (r.problem) {
    case KifProblem::unreadable: return file + "を読み込めません";
    case KifProblem::too_large:
      return file + "が大きすぎます(" + std::to_string(kKifMaxBytes >> 20) + "MBまで)";
    case KifProblem::too_many_moves:
      return file + "の" + line + ": 手数が多すぎます(" + std::to_string(kKifMaxMoves) + "手まで)";
    case KifProblem::not_kif: return file + "ではありません";
    case KifProblem::bad_line:
      return r.line > 0 ? file + "の" + line + "が正しくありません" : file + "が正しくありません";
    // The file's 先手 is its diagram's bottom player.
    case KifProblem::impossible_start:
      return file + "の" + line + ": " + why_impossible(r.check, false);
    case KifProblem::wrong_move: return file + "の" + line + "の指手は指せません";
    case KifProblem::none: break;
  }
  return "";
}

// The analysis's comments after each move's own, when the player asked for them.
KifGame with_analysis(KifGame k, const std::vector<std::string>& analysis) {
  if (analysis.size() > k.comments.size()) k.comments.resize(analysis.size());
  for (std::size_t n = 0; n < analysis.size(); ++n)
    k.comments[n] += (k.comments[n].empty() ? "" : "\n") + analysis[n];
  return k;
}

}  // namespace

void on_kif_write(Form& f) {
  const Game& g = f.g;
  if (g.record.held() < 1 && g.record.hirate()) {
    refuse(f, "保存するデータがありません", kWriteTitle);
    return;
  }
  // The record panel's boxes name the players as a .棋譜 save takes them.
  const GivenNames names{f.win.text_box(2), f.win.text_box(3), f.win.text_box(4)};
  const std::optional<std::string> path = chosen_file(f, FileDialog::save, "KIF形式で書出");
  if (!path) return;
  switch (save_kif(kif_save_path(*path),
                   with_analysis(kif_game_of(g, names), f.win.analysis_comments()))) {
    case KifSave::saved: f.win.notice("KIFﾌｧｲﾙを書き込みました", kWriteTitle); break;
    case KifSave::unencodable:
      refuse(f, "Shift_JISで書けない文字があります\r\r名前を .kifu にするとUTF-8で書き込めます",
             kWriteTitle);
      break;
    case KifSave::failed: refuse(f, "KIFﾌｧｲﾙを書き込めませんでした", kWriteTitle); break;
  }
}

void on_kif_read(Form& f) {
  hide_record_panel(f.win);
  // A record shown may be replaced; a game being played may not be lost by a slip.
  if (f.g.record_mode != OK && f.g.side_to_move != TEBAN_NASI) {
    refuse(f, std::string(kPlaying) + "\r\r" + kToTheStart, kReadTitle);
    return;
  }
  const std::optional<std::string> path = chosen_file(f, FileDialog::open, "KIF形式を読込");
  if (!path) return;
  const KifRead r = load_kif(*path);
  if (r.problem != KifProblem::none) {
    refuse(f, why_refused(r), kReadTitle);
    return;
  }
  Game& g = f.g;
  initial_setup(f);
  g.record_mode = OK;
  g.pos = r.game.start;
  take_kif_game(g.record, r.game);
  // A KIF file does not say its rules: the game is read, and played on, under those chosen.
  g.rules = chosen_rules(f);
  g.record.set_rules(g.rules);
  if (!g.record.hirate()) redraw_screen(f);
  draw_record_headers(f, r.game.title, r.game.top.name, r.game.bottom.name);
  enter_record_mode(f, true);
}

void on_sfen_copy(Form& f) {
  const std::string sfen = sfen_shown(f.g);
  f.win.set_clipboard_text(sfen);
  f.win.notice("局面をｺﾋﾟｰしました\r\r" + sfen, kCopyTitle);
}

void on_sfen_paste(Form& f) {
  Game& g = f.g;
  hide_record_panel(f.win);
  const char* busy = g.record_mode == OK            ? "棋譜ﾓｰﾄﾞではできません"
                     : g.side_to_move != TEBAN_NASI ? kPlaying
                                                    : nullptr;
  if (busy) {
    refuse(f, std::string(busy) + "\r\r" + kToTheStart, kPasteTitle);
    return;
  }
  // No game has begun: 先手 is the bottom player.
  const SfenRead r = read_sfen(f.win.clipboard_text(), false);
  if (r.problem != SfenProblem::none) {
    refuse(f, r.reason, kPasteTitle);
    return;
  }
  initial_setup(f);
  g.pos = r.pos;
  start_record_here(g, r.top_to_move, r.move_number);
  g.record.set_gote_to_move(r.top_to_move);  // w: 後手, the top player, is to move
  redraw_screen(f);
  play(f, f.move_sound);
}

}  // namespace hakuro
