#include "engine/exchange.h"

#include <algorithm>
#include <array>

#include "engine/piece_moves.h"
#include "engine/weights.h"

namespace hakuro::engine {

namespace {

// A king taking is answered by nothing: it is worth more than everything that could be won.
constexpr Value KING_WORTH = 30000;

Value worth(Piece p) {
  const Type t = type_of(p);
  return t == KING ? KING_WORTH : weights::BASE[t] + weights::PROMOTION[t];
}

// The squares of the pieces that attack sq, by side, with the squares in `gone` seen as empty.
struct Attackers {
  std::array<std::array<int, 10>, 2> at{};
  std::array<int, 2> n{};
  void add(Color c, int s) {
    if (n[c] < 10) at[c][std::size_t(n[c]++)] = s;
  }
};

Attackers attackers(const Position& pos, int sq, const SquareSet& gone) {
  Attackers a;
  for (int i = 0; i < 8; ++i) {
    const int d = detail::D8[std::size_t(i)];
    const uint8_t towards = uint8_t(1 << (7 - i));
    for (int t = sq + d, dist = 1;; t += d, ++dist) {
      const Piece p = pos.at(t);
      if (p == WALL) break;
      if (p == EMPTY || gone.contains(t)) continue;
      if ((dist == 1 && (detail::TABLES.step_mask[p] & towards)) ||
          (detail::TABLES.slide_mask[p] & towards))
        a.add(color_of(p), t);
      break;
    }
  }
  for (Color c : {BOTTOM, TOP}) {
    const int f = c == BOTTOM ? UP : DOWN;
    const Piece knight = make_piece(c, KNIGHT);
    for (int s : {sq - 2 * f + LEFT, sq - 2 * f + RIGHT})
      if (pos.at(s) == knight && !gone.contains(s)) a.add(c, s);
  }
  return a;
}

// The least valuable of c's attackers not yet gone; 0 when none is left.
int least(const Position& pos, const Attackers& a, Color c, const SquareSet& gone) {
  int best = 0;
  for (int i = 0; i < a.n[c]; ++i) {
    const int s = a.at[c][std::size_t(i)];
    if (!gone.contains(s) && (!best || worth(pos.at(s)) < worth(pos.at(best)))) best = s;
  }
  return best;
}

}  // namespace

Value exchange_value(const Position& pos, Move m) {
  const int to = to_sq(m);
  const Piece target = pos.captured_piece(m);
  Piece on_square = pos.moved_piece(m);
  if (is_promotion(m)) on_square = make_piece(pos.side(), promoted(type_of(on_square)));
  SquareSet gone;
  if (!is_drop(m)) gone.add(from_sq(m));
  std::array<Value, 40> gain{};
  gain[0] = is_piece(target) && color_of(target) != pos.side() ? worth(target) : 0;
  int n = 1;
  Color side = ~pos.side();
  for (; n < int(gain.size()); ++n) {
    // Attackers are found again after each capture: a slider behind the last taker now sees sq.
    const int s = least(pos, attackers(pos, to, gone), side, gone);
    if (!s) break;
    gain[std::size_t(n)] = worth(on_square) - gain[std::size_t(n - 1)];
    on_square = pos.at(s);
    gone.add(s);
    side = ~side;
  }
  while (--n > 0)
    gain[std::size_t(n - 1)] = -std::max(-gain[std::size_t(n - 1)], gain[std::size_t(n)]);
  return gain[0];
}

}  // namespace hakuro::engine
