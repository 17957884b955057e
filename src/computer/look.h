// What the evaluation terms read of the position after the candidate move. A square off the
// board reads as empty and unattacked, so no term reads outside the tables.
#pragma once

#include "state/game.h"

namespace hakuro {

struct Look {
  const Game& g;

  static int read(const Table& t, int x, int y, int off) { return on_board(x, y) ? t[x][y] : off; }

  int ban(int x, int y) const { return read(g.pos.ban, x, y, KARA); }
  // How many human (S) and computer (U) pieces bear on the square.
  int S(int x, int y) const { return read(g.survey.seiryoku_sita, x, y, 0); }
  int U(int x, int y) const { return read(g.survey.seiryoku_ue, x, y, 0); }
  // The human's cheapest attacker of a computer piece there, and the defenders; off the board,
  // none.
  int kogeki_koma_sita(int x, int y) const {
    return read(g.survey.kogeki_koma_sita, x, y, NO_PIECE_LOW);
  }
  int mamori_koma_sita(int x, int y) const {
    return read(g.survey.mamori_koma_sita, x, y, NO_PIECE_HIGH);
  }
  int mamori_koma_ue(int x, int y) const { return read(g.survey.mamori_koma_ue, x, y, NO_PIECE_HIGH); }
  int kogeki_koma_ue(int x, int y) const { return read(g.survey.kogeki_koma_ue, x, y, NO_PIECE_HIGH); }
  // Before the move.
  int seiryoku_sita_mae(int x, int y) const { return read(g.com.seiryoku_sita_mae, x, y, 0); }
  int seiryoku_ue_mae(int x, int y) const { return read(g.com.seiryoku_ue_mae, x, y, 0); }
  int ban_mae(int x, int y) const { return read(g.com.ban_mae, x, y, KARA); }
  int fuka_sita(int x, int y) const { return read(g.com.fuka_sita, x, y, 0); }
  int kaku_nerai_ue(int x, int y) const { return read(g.com.kaku_nerai_ue, x, y, 0); }

  int mochi_sita(int k) const { return g.pos.mochi_sita[static_cast<std::size_t>(k)]; }
  int mochi_ue(int k) const { return g.pos.mochi_ue[static_cast<std::size_t>(k)]; }
  bool human_holds_silver_or_gold() const { return mochi_sita(4) > 0 || mochi_sita(5) > 0; }
};

}  // namespace hakuro
