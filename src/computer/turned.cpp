#include "computer/turned.h"

#include <utility>

namespace hakuro {

namespace {

void find_kings(Position& p) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (p.board[x][y] == -OU) p.bottom_king_x = x, p.bottom_king_y = y;
      if (p.board[x][y] == OU) p.top_king_x = x, p.top_king_y = y;
    }
}

}  // namespace

Position turned(const Position& p) {
  Position t = p;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) t.board[10 - x][10 - y] = -p.board[x][y];
  std::swap(t.bottom_hand, t.top_hand);
  std::swap(t.bottom_hand_total, t.top_hand_total);
  find_kings(t);
  return t;
}

Move turned(const Move& m) {
  Move t{m.from, {10 - m.to.x, 10 - m.to.y}, -m.piece, -m.placed, -m.captured};
  if (!m.is_drop()) t.from = Square{10 - m.square().x, 10 - m.square().y};
  return t;
}

}  // namespace hakuro
