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
  return t == KING ? KING_WORTH : weights::worth(t);
}

// The pieces that may take on sq: on each of the eight lines from sq the nearest piece not yet
// gone, and the knights. A line moves on past its piece once that piece has taken.
class Takers {
 public:
  Takers(const Position& pos, int sq, int gone) : pos_(pos), sq_(sq) {
    for (int i = 0; i < 8; ++i) head_[std::size_t(i)] = next_on_line(i, sq, gone);
    for (Color c : {BOTTOM, TOP}) {
      const int f = c == BOTTOM ? UP : DOWN;
      const Piece knight = make_piece(c, KNIGHT);
      for (int k = 0; k < 2; ++k) {
        const int s = sq - 2 * f + (k ? RIGHT : LEFT);
        knight_[std::size_t(2 * c + k)] = pos.at(s) == knight && s != gone ? s : 0;
      }
    }
  }

  // The square of c's least valuable piece that can take now, which is then gone; 0 when none.
  int take(Color c) {
    int best = 0, line = -1;
    for (int i = 0; i < 8; ++i) {
      const int s = head_[std::size_t(i)];
      if (!s || color_of(pos_.at(s)) != c || !reaches(i, s)) continue;
      if (!best || worth(pos_.at(s)) < worth(pos_.at(best))) best = s, line = i;
    }
    for (int k = 2 * c; k < 2 * c + 2; ++k) {
      const int s = knight_[std::size_t(k)];
      if (s && (!best || worth(pos_.at(s)) < worth(pos_.at(best)))) best = s, line = 8 + k;
    }
    if (line >= 8) knight_[std::size_t(line - 8)] = 0;
    else if (line >= 0) head_[std::size_t(line)] = next_on_line(line, best, 0);
    return best;
  }

 private:
  // The first piece beyond `from` on line i, passing over the square `gone`.
  int next_on_line(int i, int from, int gone) const {
    const int d = detail::D8[std::size_t(i)];
    for (int t = from + d;; t += d) {
      const Piece p = pos_.at(t);
      if (p == WALL) return 0;
      if (p != EMPTY && t != gone) return t;
    }
  }
  // Whether the piece on s, first on line i, moves to sq: by a step when next to it, else by a
  // slide.
  bool reaches(int i, int s) const {
    const Piece p = pos_.at(s);
    const uint8_t towards = uint8_t(1 << (7 - i));
    return (s == sq_ + detail::D8[std::size_t(i)] && (detail::TABLES.step_mask[p] & towards)) ||
           (detail::TABLES.slide_mask[p] & towards);
  }

  const Position& pos_;
  int sq_;
  std::array<int, 8> head_{};
  std::array<int, 4> knight_{};  // the bottom player's two, then the top player's
};

}  // namespace

Value exchange_value(const Position& pos, Move m) {
  const int to = to_sq(m);
  const Piece target = pos.captured_piece(m);
  Piece on_square = pos.moved_piece(m);
  if (is_promotion(m)) on_square = make_piece(pos.side(), promoted(type_of(on_square)));
  const int from = is_drop(m) ? 0 : from_sq(m);
  std::array<Value, 40> gain;  // filled from 0 up to the last exchange
  gain[0] = is_piece(target) && color_of(target) != pos.side() ? worth(target) : 0;
  if (!pos.attacked(to, ~pos.side(), from)) return gain[0];  // the common case, found cheaply
  Takers takers(pos, to, from);
  int n = 1;
  Color side = ~pos.side();
  for (; n < int(gain.size()); ++n) {
    const int s = takers.take(side);
    if (!s) break;
    gain[std::size_t(n)] = worth(on_square) - gain[std::size_t(n - 1)];
    on_square = pos.at(s);
    side = ~side;
  }
  while (--n > 0)
    gain[std::size_t(n - 1)] = -std::max(-gain[std::size_t(n - 1)], gain[std::size_t(n)]);
  return gain[0];
}

}  // namespace hakuro::engine
