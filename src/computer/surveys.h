// Small surveys of the board that the computer's turn and its evaluation ask. "自" and "MAN" are
// the human (bottom) side, "COM" the computer (top) side. Values of pieces are the absolute
// values of their codes.
#pragma once

#include "computer/computer.h"

namespace hakuro {

// 調査_自王逃道 "survey the own king's escape routes": the empty neighbours of the human's king
// that no computer piece bears on (0..8).
int human_king_escapes(const Game& g, const Survey& s);
// 調査_持角狙座標 "survey the squares a held bishop aims from": fills bishop_aims_at_top with 1 on
// each empty square from which a human bishop would reach the computer's king unopposed.
void mark_bishop_aims(const Game& g, Computer& com);
// 調査_移動不可駒 "survey the pieces that cannot move": fills bottom_pinned / top_pinned with 1 on
// each piece that shields its king from an enemy lance, bishop or rook line, and top_pinned_any.
void mark_pinned_pieces(Position& p, ComputerScratch& c);
// 調査_移動可場所数 "survey the number of places it may move to": the squares `piece` could
// reach from (x, y) that the other side does not bear on.
int safe_move_count(const Game& g, const Survey& s, int x, int y, int piece);
// The computer's pieces that crowd the squares around them: its bishops, horses, rooks, dragons
// and king.
constexpr bool crowds(int code) { return code >= KAKU; }
// Calls fn(tx, ty) for each square next to (x, y) that lies on the board.
template <class Fn>
void for_each_neighbour(int x, int y, Fn&& fn) {
  for (int tx = x - 1; tx <= x + 1; ++tx)
    for (int ty = y - 1; ty <= y + 1; ++ty)
      if ((tx != x || ty != y) && on_board(tx, ty)) fn(tx, ty);
}
// 調査_周辺状況 "survey the surroundings": minus the number of neighbours of (x, y) that crowd
// it. (The danger scan counts the same for every square at once.)
int surroundings(const Game& g, int x, int y);
// 調査_自守駒MAN_直進駒 "survey the human's straight-moving guard": OK when a human lance or rook
// further down the column could move onto (x, y), looking past the piece standing there.
int human_straight_guard(Game& g, int x, int y);
// 調査_桂狙い "survey a knight's aim": what a knight dropped ahead of the computer's pawn on (x, y)
// could fork, when only the human's long-range pieces attack the pawn.
int knight_aim(const Game& g, const Survey& s, int x, int y);
// 調査_香狙い "survey a lance's aim": the human piece a computer lance behind the pawn on (x, y)
// would reach.
int lance_aim(const Game& g, const Survey& s, int x, int y);

}  // namespace hakuro
