// The human's mouse input: picking a piece on the board or in a hand, and moving it.
#include <algorithm>
#include <cmath>

#include "analysis/survey.h"
#include "computer/turn.h"
#include "control/events.h"
#include "display/draw.h"
#include "display/text.h"
#include "options/sound.h"
#include "record/kifu.h"
#include "record/panel.h"
#include "rules/end.h"
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
  return (g.teban == g.SITA && piece <= -HU) || (g.teban == g.UE && piece >= HU);
}

void restart_turn_clock(Form& f) {
  f.g.clock.teban_kaishi = f.win.time_of_day();
  if (f.win.checked("KEIKA")) set_timer1(f, true);
}

// A press resumes a suspended game, or lets the computer move first when it is its turn.
void resume(Form& f) {
  Game& g = f.g;
  if (g.taikyoku_mode == MODE_MAN) {
    if (g.chudan != OK) return;
    g.chudan = NG;
    restart_turn_clock(f);
    if (g.teban == g.TEBAN_SENTE) msg_ok(f, "先手の番です", "対局");
    else if (g.teban == g.TEBAN_GOTE) msg_ok(f, "後手の番です", "対局");
    return;
  }
  if (g.teban == g.UE) {
    g.chudan = NG;
    msg_ok(f, "OKですか？", "再開(COM)");
    com_ban(f);
  } else if (g.teban == g.SITA && g.chudan == OK) {
    g.chudan = NG;
    restart_turn_clock(f);
    msg_ok(f, "MANの番です", "対局");
  }
}

void pick_on_board(Form& f, int x, int y) {
  Game& g = f.g;
  if (g.pos.ban[x][y] == KARA) return;
  g.sel.moto_x = g.sel.sentaku_x = x;
  g.sel.moto_y = g.sel.sentaku_y = y;
  g.sel.ugoki_koma = g.pos.ban[x][y];
  描画_移動可能桝色(f, g.sel.moto_x, g.sel.moto_y, g.look.sidou_iro, g.sel.ugoki_koma);
  if (belongs_to_mover(g, g.sel.ugoki_koma)) {
    g.sel.sentaku = 1;
    描画_桝輪郭(f, IRO_AKA, x, y);
  } else {
    描画_桝輪郭(f, g.look.sidou_iro, x, y);
  }
}

// After the human's move against the computer: the end of the game, or the computer's reply.
void after_move_against_computer(Form& f, int captured) {
  Game& g = f.g;
  set_timer1(f, false);
  g.clock.mochi_jikan_sita += g.clock.keika_byou;
  勢力調査(g);
  if (詰めかCOM(g) == OK || captured == OU) {
    終了(f, "あなた");
  } else if (g.ou_tori == g.SITA) {
    終了(f, "あなた");
  } else if (g.ou_tori == g.UE) {
    終了(f, "ｺﾝﾋﾟｭｰﾀ");
  } else if (g.ou_tori == TEBAN_NASI) {
    g.teban = g.UE;
    com_ban(f);
  }
}

// After a move between two people: the end of the game, or the turn passes.
void after_move_between_people(Form& f) {
  Game& g = f.g;
  if (g.ou_tori == g.SITA) 終了(f, "先手");
  if (g.ou_tori == g.UE) 終了(f, "後手");
  if (g.teban == g.TEBAN_SENTE || g.teban == g.TEBAN_GOTE) {
    (g.teban == g.SITA ? g.clock.mochi_jikan_sita : g.clock.mochi_jikan_ue) += g.clock.keika_byou;
    g.teban = g.teban == g.TEBAN_SENTE ? g.TEBAN_GOTE : g.TEBAN_SENTE;
  }
  g.clock.teban_kaishi = f.win.time_of_day();
}

void move_picked_piece(Form& f, int button, int x, int y) {
  Game& g = f.g;
  g.sel.saki_x = x;
  g.sel.saki_y = y;
  if (移動チェック(g, g.sel.moto_x, g.sel.moto_y, g.sel.saki_x, g.sel.saki_y, g.sel.ugoki_koma) == NG) {
    play(f, f.snd_kinshi);
    g.sel.sentaku = 0;
    描画_将棋盤桝(f);
    return;
  }
  if (移動後チェック(g.sel.saki_y, g.sel.ugoki_koma) == NG && button != BTN_MIGI) {
    play(f, f.snd_kinshi);
    msg_ok(f, "マウスの右をクリックして下さい", "成り");
    return;
  }
  const double T = g.clock.mochi_jikan_sita, U = g.clock.mochi_jikan_ue, E = g.clock.keika_byou;
  const bool bottom_moves = g.teban == g.SITA;
  手順保存(g, g.sel.moto_x, g.sel.moto_y, g.sel.saki_x, g.sel.saki_y, g.sel.ugoki_koma, g.pos.ban[g.sel.saki_x][g.sel.saki_y], T,
           bottom_moves ? T + E : T, U, bottom_moves ? U : U + E);
  ++g.tesu;
  描画_手数(f, g.tesu, IRO_SHIRO);
  if (調査_駒成(g, g.sel.moto_x, g.sel.moto_y, g.sel.saki_x, g.sel.saki_y, g.sel.ugoki_koma) == OK &&
      button == BTN_MIGI)
    g.sel.ugoki_koma = g.nari_koma;
  g.record.at(g.record.kifu_tesu).ato_koma = g.sel.ugoki_koma;
  g.sel.sentaku = 0;
  描画_桝輪郭(f, g.look.masu_iro, g.sel.moto_x, g.sel.moto_y);
  描画_桝輪郭(f, g.look.masu_iro, g.sel.saki_x, g.sel.saki_y);
  描画_移動可能桝色(f, g.sel.moto_x, g.sel.moto_y, g.look.masu_iro, g.sel.ugoki_koma);
  if (g.sel.moto_x < 0) g.sel.moto_y = 8 - g.sel.moto_y;
  const int captured = g.pos.ban[g.sel.saki_x][g.sel.saki_y];
  駒移動(f, g.sel.moto_x, g.sel.moto_y, g.sel.saki_x, g.sel.saki_y, g.sel.ugoki_koma);
  play(f, f.snd_komaoto);
  描画_移動結果(f, g.sel.ugoki_koma >= HU ? g.UE : g.SITA, g.sel.saki_x, g.sel.saki_y, g.sel.ugoki_koma, g.look.moji_iro);
  if (g.taikyoku_mode == MODE_COM) after_move_against_computer(f, captured);
  else after_move_between_people(f);
}

// A press on a hand cell of the given column whose kind index is k.
void pick_in_hand(Form& f, int column, int row, int k) {
  Game& g = f.g;
  const bool bottom = column == 11;
  if ((bottom ? g.pos.mochi_sita[k] : g.pos.mochi_ue[k]) <= 0) return;
  調査_2歩フラグ設定(g);
  g.sel.moto_x = g.sel.sentaku_x = column;
  g.sel.moto_y = g.sel.sentaku_y = row;
  g.sel.ugoki_koma = bottom ? -KIND_CODE[k] : KIND_CODE[k];
  const int owner = bottom ? g.SITA : g.UE, other = bottom ? g.UE : g.SITA;
  if (g.teban == owner) {
    g.sel.sentaku = 1;
    描画_桝輪郭(f, IRO_AKA, column, row);
  } else {
    g.sel.sentaku = 0;
    if (g.teban == other) 描画_桝輪郭(f, g.look.sidou_iro, column, row);
  }
  描画_移動可能桝色(f, g.sel.moto_x, g.sel.moto_y, g.look.sidou_iro, g.sel.ugoki_koma);
}

void press_off_board(Form& f, int x, int y) {
  Game& g = f.g;
  if (is_top(g.sel.ugoki_koma) || is_bottom(g.sel.ugoki_koma)) {
    描画_移動可能桝色(f, g.sel.moto_x, g.sel.moto_y, g.look.masu_iro, g.sel.ugoki_koma);
    描画_桝輪郭(f, g.look.masu_iro, g.sel.moto_x, g.sel.moto_y);
  }
  if (x == 11 && y >= 3 && y <= 9) pick_in_hand(f, 11, y, y - 2);
  else if (x == -1 && y >= 1 && y <= 7) pick_in_hand(f, -1, y, 8 - y);
}

}  // namespace

void 描画_移動可能桝色(Form& f, int from_x, int from_y, int colour, int piece) {
  描画_将棋盤桝(f);
  if (f.g.look.sidou_on == NG) return;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (移動チェック(f.g, from_x, from_y, x, y, piece) == OK) 描画_桝輪郭(f, colour, x, y);
}

void Form_MouseDown(Form& f, int button, int, double X, double Y) {
  Game& g = f.g;
  hide_record_panel(f);
  if (g.kifu_mode == OK) {
    if (!msg_yes(f, "棋譜を '進 'で進めて下さい", "棋譜")) {
      play(f, f.snd_kinshi);
      初期設定(f);
    }
    return;
  }
  const int x = cell_of(X, ban_left, masu_w), y = cell_of(Y, ban_top, masu_h);
  if (g.teban == TEBAN_NASI) {
    play(f, f.snd_kinshi);
    msg_ok(f, "「対局」で始めて下さい", "開始");
    return;
  }
  resume(f);
  if (!on_board(x) || !on_board(y)) press_off_board(f, x, y);
  else if (g.sel.sentaku == 0) pick_on_board(f, x, y);
  else move_picked_piece(f, button, x, y);
}

}  // namespace hakuro
