#include "rules/move.h"

namespace hakuro {

namespace {

bool valid_kind(int k) { return k >= 1 && k <= 7; }

}  // namespace

BoardChange make_move(Game& g, int from_x, int from_y, int to_x, int to_y, int piece) {
  Position& p = g.pos;
  // Only moves onto the board, from a square or a hand, are made.
  if (!on_board(to_x, to_y) || (!is_drop(from_x) && !on_board(from_x, from_y))) return {};
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
  if (from_x == MOCHI_UE_X) {
    if (valid_kind(from_y)) {
      --p.top_hand_total;
      --p.top_hand[from_y];
    }
  } else if (from_x == MOCHI_SITA_X) {
    if (valid_kind(from_y - 2)) {
      --p.bottom_hand_total;
      --p.bottom_hand[from_y - 2];
    }
  } else {
    p.board[from_x][from_y] = KARA;
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

bool may_promote(int from_x, int from_y, int to_y, int piece) {
  if (is_drop(from_x)) return false;
  switch (piece) {
    case -HU: case -KYOU: case -KEI: return to_y < 4;
    case -GIN: case -KAKU: case -SYA: return to_y < 4 || from_y < 4;
    case HU: case KYOU: case KEI: return to_y > 6;
    case GIN: case KAKU: case SYA: return to_y > 6 || from_y > 6;
    default: return false;
  }
}

int check_promotion(int from_x, int from_y, int, int to_y, int piece) {
  return may_promote(from_x, from_y, to_y, piece) ? OK : NG;
}

int may_stay_unpromoted(int to_y, int piece) {
  switch (piece) {
    case HU: case KYOU: return to_y == 9 ? NG : OK;
    case KEI: return to_y >= 8 ? NG : OK;
    case -HU: case -KYOU: return to_y == 1 ? NG : OK;
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
