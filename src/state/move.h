// One move of either player, as the game plays it, the record keeps it, the files tell it and the
// computer finds it.
#pragma once

#include <variant>

#include "state/types.h"

namespace hakuro {

// A square of the board, (x, y) as the board table indexes it; (0, 0) is no square.
struct Square {
  int x = 0, y = 0;
  bool operator==(const Square&) const = default;
};

// A drop's source: the mover's hand, and the kind index 1..7 taken from it.
struct FromHand {
  int kind = 0;
  bool operator==(const FromHand&) const = default;
};

// Where a move starts: a square, or a hand.
using Source = std::variant<Square, FromHand>;

// A move: from (moto "source") to (saki "destination").
struct Move {
  Source from;
  Square to;
  int piece = 0;     // koma "piece": the piece before the move
  int placed = 0;    // ato_koma "piece after": on the destination after it, promoted or not
  int captured = 0;  // tori_koma "taken piece": KARA or what stood on the destination before
  bool operator==(const Move&) const = default;

  constexpr bool is_drop() const { return std::holds_alternative<FromHand>(from); }
  // The source square; (0, 0) for a drop.
  constexpr Square square() const {
    const Square* s = std::get_if<Square>(&from);
    return s ? *s : Square{};
  }
  // The kind index a drop takes from the hand; 0 for a board move.
  constexpr int kind() const {
    const FromHand* h = std::get_if<FromHand>(&from);
    return h ? h->kind : 0;
  }
  constexpr bool promotes() const { return placed != piece; }
  // The top player moves: the pieces' sign tells.
  constexpr bool by_top() const { return is_top(placed); }
};

// A board move of `piece` from `from` to `to`, placing `placed`.
inline Move board_move(Square from, Square to, int piece, int placed, int captured = KARA) {
  return {from, to, piece, placed, captured};
}
// A drop of `piece` (its sign tells whose hand) onto `to`.
inline Move drop_move(int piece, Square to) {
  return {FromHand{kind_index(piece)}, to, piece, piece, KARA};
}

}  // namespace hakuro
