#include "control/last_game.h"

#include <optional>

#include "control/computer_turn.h"
#include "control/startup.h"
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
  g.taikyoku_mode = s.taikyoku_mode;
  g.sita = s.sita;
  g.ue = s.ue;
  g.teban_sente = s.teban_sente;
  g.teban_gote = -s.teban_sente;
  g.tesu = s.tesu;
  g.hande_level = s.hande_level;
  g.hande_settei = s.hande_settei;
  g.hanten = s.hanten;
  g.record.kaishi_tesu = s.kaishi_tesu;
}

// The record, the position after its last move, the sides, the level and the clocks.
void take_last_game(Form& f, const LastGame& last) {
  Game& g = f.g;
  const KifGame& k = last.game;
  take_kif_game(g.record, k);
  const int n = g.record.held();
  g.record.kifu_tesu = n;
  g.pos = last.end;
  take_standing(g, last.standing);
  const KifuMove& m = g.record.move(n);
  if (n == 0) g.teban = k.top_first ? g.ue : g.sita;
  else g.teban = is_top(m.ato_koma) ? g.sita : g.ue;
  g.ou_tori = winner_by_capture(g, m.tori_koma);
  g.clock.mochi_jikan_ue = m.jikan_ue_ato;
  g.clock.mochi_jikan_sita = m.jikan_sita_ato;
  if (g.taikyoku_mode == MODE_COM) g.record.start_level = header_level(k, g.level);
  set_level(f, level_after(k, n, g.level));
  if (g.taikyoku_mode == MODE_COM) g.record.com_level = g.level;
}

// The board, the move number and the last move, as they were when the game was left.
void draw_last_game(Form& f) {
  Game& g = f.g;
  redraw_screen(f);
  draw_move_number(f, g.tesu);
  const int n = g.record.kifu_tesu;
  if (n == 0) return;
  const KifuMove& m = g.record.move(n);
  draw_move_result(f, is_top(m.ato_koma) ? g.ue : g.sita, m.saki_x, m.saki_y, m.ato_koma,
               g.look.moji_iro);
}

// An unfinished game goes on: the computer moves at once when it is to move.
void go_on(Form& f) {
  Game& g = f.g;
  g.clock.teban_kaishi = f.win.time_of_day();
  if (g.taikyoku_mode == MODE_COM || g.look.options.keika) set_timer1(f, true);
  if (g.taikyoku_mode == MODE_COM) {
    if (g.teban == g.ue) com_ban(f);
    else msg_ok(f, "MANの番です", "対局");
  } else {
    msg_ok(f, g.teban == g.teban_sente ? "先手の番です" : "後手の番です", "対局");
  }
}

void take_up(Form& f, const LastGame& last) {
  initial_setup(f);
  take_last_game(f, last);
  if (last.finished) f.g.kifu_mode = OK;
  draw_last_game(f);
  if (last.finished) {
    draw_record_headers(f, f.g.record.taikyoku_mei, f.g.record.ue_mei, f.g.record.sita_mei);
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
    play(f, f.snd_kinshi);
    msg_ok(f, "前回の対局はありません", kTitle);
    return;
  }
  take_up(f, *last);
}

void offer_last_game(Form& f) {
  const std::optional<LastGame> last = read_last_game(f);
  if (last && !last->finished && msg_yes(f, "前回の対局を再開しますか？", kTitle)) take_up(f, *last);
}

}  // namespace hakuro
