// The moves a player may make under the position's rules. Under the own rule: board moves onto
// any square the piece reaches, own pieces and kings included, with promotion where allowed (both
// forms unless promotion is compulsory), and drops onto empty squares (no second unpromoted pawn
// in a column, nothing where it could never move); whether they leave the mover's king open is
// not looked at. Under the standard rules: those that take none of the mover's own pieces, leave
// its king safe and drop no pawn to mate; a side with none is checkmated.
#pragma once

#include <array>

#include "engine/position.h"

namespace hakuro::engine {

struct MoveList {
  static constexpr int CAPACITY = 2048;
  std::array<Move, CAPACITY> moves;
  int size = 0;
  void push(Move m) {
    if (size < CAPACITY) moves[size++] = m;
  }
  const Move* begin() const { return moves.data(); }
  const Move* end() const { return moves.data() + size; }
};

// Board moves that take an opponent's piece.
void generate_captures(const Position& pos, MoveList& list);
// Everything else: board moves onto empty squares or own pieces, and drops.
void generate_quiets(const Position& pos, MoveList& list);
// Both.
void generate_all(const Position& pos, MoveList& list);
// generate_all in two parts: first the board moves, then the drops.
void generate_board_moves(const Position& pos, MoveList& list);
void generate_drops(const Position& pos, MoveList& list);

// Whether m is one of the moves generate_all would yield here (for a remembered move).
bool pseudo_legal(const Position& pos, Move m);

// Whether a piece of colour c may (must) promote on a move between these rows.
bool may_promote(Color c, Type t, int from_y, int to_y);
bool must_promote(Color c, Type t, int to_y);

// Leaf counts of the move tree to `depth`; a position whose king has been taken has no moves.
uint64_t perft(Position& pos, int depth);

}  // namespace hakuro::engine
