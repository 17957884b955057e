// Whether a piece may go from one place to another: a step or slide on the board, or a drop.
#pragma once

#include "state/game.h"

namespace hakuro {

// 移動チェック "move check": OK or NG. `piece` is the code the piece has (or will have) on the
// board; a drop's kind is not read. The destination of a board move may hold anything, own
// pieces included.
int may_move(const Position& p, const Source& from, Square to, int piece);
// The same in numbers: a source column of 11 or -1 is a drop from a hand, whatever its row.
inline int may_move(const Position& p, int from_x, int from_y, int to_x, int to_y, int piece) {
  const bool drop = from_x == MOCHI_SITA_X || from_x == MOCHI_UE_X;
  return may_move(p, drop ? Source{FromHand{}} : Source{Square{from_x, from_y}}, Square{to_x, to_y},
                  piece);
}
// 移動チェック飛車 / 移動チェック角 "move check, rook / bishop": OK when the two squares share a
// line (a diagonal) with nothing between them; NG when either is off the board.
int may_move_rook(const Position& p, int from_x, int from_y, int to_x, int to_y);
int may_move_bishop(const Position& p, int from_x, int from_y, int to_x, int to_y);

// False when a piece of `piece` could never go from a square to one (dx, dy) away in one board
// move, whatever stands between; true for every step or slide it might make. A quick filter
// before may_move.
constexpr bool within_reach(int piece, int dx, int dy) {
  const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
  if (ax == 0 && ay == 0) return false;
  switch (piece < 0 ? -piece : piece) {
    case KYOU: return ax == 0;
    case KEI: return ax == 1 && ay == 2;
    case KAKU: return ax == ay;
    case SYA: return ax == 0 || ay == 0;
    case KAKU_NARI: return ax == ay || (ax <= 1 && ay <= 1);
    case SYA_NARI: return ax == 0 || ay == 0 || (ax <= 1 && ay <= 1);
    default: return ax <= 1 && ay <= 1;
  }
}

}  // namespace hakuro
