#include "rules/legality.h"

#include <cstdlib>

namespace hakuro {

namespace {

// Every square strictly between the two ends of a lance's file move is empty.
bool file_clear(const Position& p, int x, int from_y, int to_y) {
  const int step = to_y > from_y ? 1 : -1;
  for (int y = from_y + step; y != to_y; y += step)
    if (p.board[x][y] != KARA) return false;
  return true;
}

bool king_step(int dx, int dy) { return std::abs(dx) <= 1 && std::abs(dy) <= 1; }

// Gold pattern for a piece moving forwards by `fwd` (-1 for the bottom player, +1 for the top).
bool gold_step(int dx, int dy, int fwd) {
  return (std::abs(dx) <= 1 && (dy == fwd || dy == 0)) || (dx == 0 && dy == -fwd);
}

bool silver_step(int dx, int dy, int fwd) {
  return std::abs(dx) <= 1 && (dy == fwd || (dy == -fwd && dx != 0));
}

int result(bool ok) { return ok ? OK : NG; }

}  // namespace

int may_move(const Position& p, const Source& from, Square to, int piece) {
  const auto [to_x, to_y] = to;
  if (!on_board(to_x, to_y)) return NG;
  if (std::holds_alternative<FromHand>(from)) {
    if (p.board[to_x][to_y] != KARA) return NG;
    if (piece == -HU && p.bottom_nifu[to_x] == 1) return NG;
    if (piece == HU && p.top_nifu[to_x] == 1) return NG;
    switch (piece) {
      case HU:
      case KYOU: return result(to_y != 9);
      case -HU:
      case -KYOU: return result(to_y != 1);
      case KEI: return result(to_y <= 7);
      case -KEI: return result(to_y >= 3);
      default: return OK;
    }
  }
  const auto [from_x, from_y] = std::get<Square>(from);
  if (to_x == from_x && to_y == from_y) return NG;
  if (!on_board(from_x, from_y)) return NG;
  const int dx = to_x - from_x, dy = to_y - from_y;
  switch (piece) {
    case HU: return result(dx == 0 && dy == 1);
    case -HU: return result(dx == 0 && dy == -1);
    case KYOU: return result(dx == 0 && dy > 0 && file_clear(p, to_x, from_y, to_y));
    case -KYOU: return result(dx == 0 && dy < 0 && file_clear(p, to_x, from_y, to_y));
    case KEI: return result(dy == 2 && std::abs(dx) == 1);
    case -KEI: return result(dy == -2 && std::abs(dx) == 1);
    case GIN: return result(silver_step(dx, dy, 1));
    case -GIN: return result(silver_step(dx, dy, -1));
    case KIN:
    case HU_NARI:
    case KYOU_NARI:
    case KEI_NARI:
    case GIN_NARI: return result(gold_step(dx, dy, 1));
    case -KIN:
    case -HU_NARI:
    case -KYOU_NARI:
    case -KEI_NARI:
    case -GIN_NARI: return result(gold_step(dx, dy, -1));
    case OU:
    case -OU: return result(king_step(dx, dy));
    case KAKU:
    case -KAKU: return may_move_bishop(p, from_x, from_y, to_x, to_y);
    case KAKU_NARI:
    case -KAKU_NARI: return king_step(dx, dy) ? OK : may_move_bishop(p, from_x, from_y, to_x, to_y);
    case SYA:
    case -SYA: return may_move_rook(p, from_x, from_y, to_x, to_y);
    case SYA_NARI:
    case -SYA_NARI: return king_step(dx, dy) ? OK : may_move_rook(p, from_x, from_y, to_x, to_y);
    default: return NG;
  }
}

// The slide tests are also asked directly, so a place off the board is refused before any
// square is read, and a "slide" onto the source square has nothing between its ends.
int may_move_rook(const Position& p, int from_x, int from_y, int to_x, int to_y) {
  if (!on_board(from_x, from_y) || !on_board(to_x, to_y)) return NG;
  if (from_x != to_x && from_y != to_y) return NG;
  if (from_y != to_y) {
    const int step = to_y > from_y ? 1 : -1;
    for (int y = from_y + step; y != to_y; y += step)
      if (p.board[to_x][y] != KARA) return NG;
  }
  if (from_x != to_x) {
    const int step = to_x > from_x ? 1 : -1;
    for (int x = from_x + step; x != to_x; x += step)
      if (p.board[x][to_y] != KARA) return NG;
  }
  return OK;
}

int may_move_bishop(const Position& p, int from_x, int from_y, int to_x, int to_y) {
  if (!on_board(from_x, from_y) || !on_board(to_x, to_y)) return NG;
  const int dx = to_x - from_x, dy = to_y - from_y;
  if (dx != dy && dx != -dy) return NG;
  if (dx == 0) return OK;
  const int sx = dx > 0 ? 1 : -1, sy = dy > 0 ? 1 : -1;
  for (int i = 1; from_x + sx * i != to_x; ++i)
    if (p.board[from_x + sx * i][from_y + sy * i] != KARA) return NG;
  return OK;
}

}  // namespace hakuro
