// Which of the side to move's moves the standard rules allow: none that leaves its own king
// attacked, and no pawn drop that checkmates.
#pragma once

#include <array>

#include "engine/position.h"

namespace hakuro::engine {

// The side to move's king, what checks it and what is pinned against it, found once for a
// position and used for each of its moves.
struct Guard {
  struct Line {
    int sq = 0;           // the checking or pinned piece
    int dir = 0;          // checks: from the checker towards the king; pins: from the king outwards
    bool slides = false;  // a checker that reaches the king by sliding (and past it)
  };
  int king = 0;  // 0 when the side to move has no king: every move is then allowed
  int checks = 0, pins = 0;
  std::array<Line, 10> checker{};  // two at most in play; more on a board set up by hand
  std::array<Line, 8> pinned{};
};
Guard guard(const Position& pos);

// Whether m, a move of the side to move that takes none of its own pieces, leaves its king safe.
bool leaves_king_safe(const Position& pos, const Guard& g, Move m);

// Whether m is a pawn drop that checkmates (a pawn dropped to give mate is not allowed).
bool pawn_drop_mates(const Position& pos, Move m);

}  // namespace hakuro::engine
