#include "rules/move.h"

#include "display/draw.h"

namespace hakuro {

namespace {

bool valid_kind(int k) { return k >= 1 && k <= 7; }

}  // namespace

void 駒移動(Form& f, int from_x, int from_y, int to_x, int to_y, int piece) {
  Game& g = f.g;
  // Only moves onto the board, from a square or a hand, are made.
  const bool from_hand = from_x == -1 || from_x == 11;
  if (!on_board(to_x) || !on_board(to_y) || (!from_hand && (!on_board(from_x) || !on_board(from_y))))
    return;
  const int captured = g.pos.ban[to_x][to_y];
  if (is_bottom(captured) || is_top(captured)) {
    駒取得(g, g.teban, captured);
    if (kind_index(captured) != 0) {
      if (g.teban == g.SITA) ++g.pos.mochi_sita_su;
      else if (g.teban == g.UE) ++g.pos.mochi_ue_su;
    }
    描画_自持盤(f);
    描画_敵持盤(f);
  }
  描画_絵(f, KARA, from_x, from_y);
  描画_桝輪郭(f, g.look.haikei_iro, from_x, from_y);
  g.pos.ban[to_x][to_y] = piece;
  if (piece == -OU) {
    g.pos.ou_sita_x = to_x;
    g.pos.ou_sita_y = to_y;
  }
  if (from_x == -1) {
    if (valid_kind(from_y)) {
      --g.pos.mochi_ue_su;
      --g.pos.mochi_ue[from_y];
    }
    描画_敵持盤(f);
  } else if (from_x == 11) {
    if (valid_kind(from_y - 2)) {
      --g.pos.mochi_sita_su;
      --g.pos.mochi_sita[from_y - 2];
    }
    描画_自持盤(f);
  } else {
    g.pos.ban[from_x][from_y] = KARA;
  }
  描画_絵(f, piece, to_x, to_y);
  描画_桝輪郭(f, g.look.haikei_iro, to_x, to_y);
}

void 駒取得(Game& g, int side, int captured) {
  const int k = kind_index(captured);
  if (k != 0) {
    if (side == g.SITA) ++g.pos.mochi_sita[k];
    else if (side == g.UE) ++g.pos.mochi_ue[k];
  }
  if (captured == OU) g.ou_tori = g.SITA;
  else if (captured == -OU) g.ou_tori = g.UE;
}

int 調査_駒成(Game& g, int from_x, int from_y, int, int to_y, int piece) {
  if (from_x == -1 || from_x == 11) return NG;
  bool ok = false;
  switch (piece) {
    case -HU: case -KYOU: case -KEI: ok = to_y < 4; break;
    case -GIN: case -KAKU: case -SYA: ok = to_y < 4 || from_y < 4; break;
    case HU: case KYOU: case KEI: ok = to_y > 6; break;
    case GIN: case KAKU: case SYA: ok = to_y > 6 || from_y > 6; break;
    default: return NG;
  }
  if (!ok) return NG;
  g.nari_koma = piece < 0 ? piece - 1 : piece + 1;
  return OK;
}

int 移動後チェック(int to_y, int piece) {
  switch (piece) {
    case HU: case KYOU: return to_y == 9 ? NG : OK;
    case KEI: return to_y >= 8 ? NG : OK;
    case -HU: case -KYOU: return to_y == 1 ? NG : OK;
    case -KEI: return to_y <= 2 ? NG : OK;
    default: return OK;
  }
}

void 調査_2歩フラグ設定(Game& g) {
  for (int x = 1; x <= 9; ++x) {
    g.pos.nifu_sita[x] = g.pos.nifu_ue[x] = 0;
    for (int y = 1; y <= 9; ++y) {
      if (g.pos.ban[x][y] == -HU) g.pos.nifu_sita[x] = 1;
      if (g.pos.ban[x][y] == HU) g.pos.nifu_ue[x] = 1;
    }
  }
}

}  // namespace hakuro
