// What the evaluation terms read of the position after the candidate move. A square off the
// board reads as empty and unattacked, so no term reads outside the tables.
#pragma once

#include "computer/computer.h"

namespace hakuro {

struct Look {
  const Game& g;
  const Computer& com;

  static int read(const Table& t, int x, int y, int off) { return on_board(x, y) ? t[x][y] : off; }

  int board(int x, int y) const { return read(g.pos.board, x, y, KARA); }
  // How many human (S) and computer (U) pieces bear on the square.
  int S(int x, int y) const { return read(com.survey.bottom_influence, x, y, 0); }
  int U(int x, int y) const { return read(com.survey.top_influence, x, y, 0); }
  // The human's cheapest attacker of a computer piece there, and the defenders; off the board,
  // none.
  int bottom_attacker(int x, int y) const {
    return read(com.survey.bottom_attacker, x, y, NO_PIECE_LOW);
  }
  int bottom_defender(int x, int y) const {
    return read(com.survey.bottom_defender, x, y, NO_PIECE_HIGH);
  }
  int top_defender(int x, int y) const {
    return read(com.survey.top_defender, x, y, NO_PIECE_HIGH);
  }
  int top_attacker(int x, int y) const {
    return read(com.survey.top_attacker, x, y, NO_PIECE_HIGH);
  }
  // Before the move.
  int bottom_influence_before(int x, int y) const {
    return read(com.scratch.bottom_influence_before, x, y, 0);
  }
  int top_influence_before(int x, int y) const {
    return read(com.scratch.top_influence_before, x, y, 0);
  }
  int board_before(int x, int y) const { return read(com.scratch.board_before, x, y, KARA); }
  int bottom_pinned(int x, int y) const { return read(com.scratch.bottom_pinned, x, y, 0); }
  int bishop_aims_at_top(int x, int y) const {
    return read(com.scratch.bishop_aims_at_top, x, y, 0);
  }

  int bottom_hand(int k) const { return g.pos.bottom_hand[static_cast<std::size_t>(k)]; }
  int top_hand(int k) const { return g.pos.top_hand[static_cast<std::size_t>(k)]; }
  bool human_holds_silver_or_gold() const { return bottom_hand(4) > 0 || bottom_hand(5) > 0; }
};

}  // namespace hakuro
