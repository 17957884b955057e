#include "rules/move.h"

#include <cstddef>

namespace hakuro {

namespace {

bool valid_kind(int k) { return k >= 1 && k <= 7; }

}  // namespace

BoardChange make_move(Game& g, const Move& m) {
  Position& p = g.pos;
  const auto [to_x, to_y] = m.to;
  const int piece = m.placed;
  // Only moves onto the board, from a square or a hand, are made.
  if (!on_board(to_x, to_y) || (!m.is_drop() && !on_board(m.square().x, m.square().y))) return {};
  const int captured = p.board[to_x][to_y];
  const bool capture = is_bottom(captured) || is_top(captured);
  if (capture) {
    take_piece(g, g.side_to_move, captured);
    if (kind_index(captured) != 0) {
      if (g.side_to_move == g.bottom_side) ++p.bottom_hand_total;
      else if (g.side_to_move == g.top_side) ++p.top_hand_total;
    }
  }
  p.board[to_x][to_y] = piece;
  if (piece == -OU) {
    p.bottom_king_x = to_x;
    p.bottom_king_y = to_y;
  }
  if (!m.is_drop()) {
    p.board[m.square().x][m.square().y] = KARA;
  } else if (const int k = m.kind(); valid_kind(k)) {
    --(m.by_top() ? p.top_hand_total : p.bottom_hand_total);
    --(m.by_top() ? p.top_hand : p.bottom_hand)[static_cast<std::size_t>(k)];
  }
  return {true, capture};
}

void take_piece(Game& g, int side, int captured) {
  const int k = kind_index(captured);
  if (k != 0) {
    if (side == g.bottom_side) ++g.pos.bottom_hand[k];
    else if (side == g.top_side) ++g.pos.top_hand[k];
  }
  if (const int winner = winner_by_capture(g, captured); winner != TEBAN_NASI)
    g.king_taker = winner;
}

int winner_by_capture(const Game& g, int captured) {
  if (captured == OU) return g.bottom_side;
  if (captured == -OU) return g.top_side;
  return TEBAN_NASI;
}

int promoted(int piece) { return piece < 0 ? piece - 1 : piece + 1; }

bool may_promote(const Source& from, int to_y, int piece) {
  const Square* s = std::get_if<Square>(&from);
  if (!s) return false;
  const int from_y = s->y;
  switch (piece) {
    case -HU:
    case -KYOU:
    case -KEI: return to_y < 4;
    case -GIN:
    case -KAKU:
    case -SYA: return to_y < 4 || from_y < 4;
    case HU:
    case KYOU:
    case KEI: return to_y > 6;
    case GIN:
    case KAKU:
    case SYA: return to_y > 6 || from_y > 6;
    default: return false;
  }
}

int check_promotion(const Source& from, int to_y, int piece) {
  return may_promote(from, to_y, piece) ? OK : NG;
}

int may_stay_unpromoted(int to_y, int piece) {
  switch (piece) {
    case HU:
    case KYOU: return to_y == 9 ? NG : OK;
    case KEI: return to_y >= 8 ? NG : OK;
    case -HU:
    case -KYOU: return to_y == 1 ? NG : OK;
    case -KEI: return to_y <= 2 ? NG : OK;
    default: return OK;
  }
}

void set_nifu_flags(Position& p) {
  for (int x = 1; x <= 9; ++x) {
    p.bottom_nifu[x] = p.top_nifu[x] = 0;
    for (int y = 1; y <= 9; ++y) {
      if (p.board[x][y] == -HU) p.bottom_nifu[x] = 1;
      if (p.board[x][y] == HU) p.top_nifu[x] = 1;
    }
  }
}

}  // namespace hakuro
