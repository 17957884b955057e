// Making a move on the game record: captures into the mover's hand, drops, promotion and the
// two-pawn flags. Nothing here draws.
#pragma once

#include "state/game.h"

namespace hakuro {

// What a move changed, for whoever draws it.
struct BoardChange {
  bool made = false;      // the move named places on the board (or a hand and the board)
  bool captured = false;  // a piece stood on the destination and was taken
};

// Makes the move on the board and in the hands: m.placed goes onto the destination; a drop comes
// from the hand of its mover.
BoardChange make_move(Game& g, const Move& m);
// 駒取得 "take a piece": puts a captured piece, unpromoted, into the hand of `side`; records a
// captured king.
void take_piece(Game& g, int side, int captured);
// The side that wins when `captured` is taken: the other side than the king's owner (even when
// its owner took it); TEBAN_NASI for any other piece.
int winner_by_capture(const Game& g, int captured);
// The code a piece has once promoted: one more in magnitude.
int promoted(int piece);
// Whether a move of `piece` from `from` to row to_y may promote; a drop never may.
bool may_promote(const Source& from, int to_y, int piece);
// 調査_駒成 "examine promotion": OK when the move may promote (its code is then promoted()).
int check_promotion(const Source& from, int to_y, int piece);
// 移動後チェック "after-move check": NG when the piece would have no further move on row to_y
// and so must promote.
int may_stay_unpromoted(int to_y, int piece);
// 調査_2歩フラグ設定 "set the two-pawn flags": which columns hold each player's unpromoted pawn.
void set_nifu_flags(Position& p);

}  // namespace hakuro
