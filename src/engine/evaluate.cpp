#include "engine/evaluate.h"

#include <algorithm>

#include "engine/weights.h"

namespace hakuro::engine {

namespace {

namespace w = weights;

constexpr int sign(Color c) { return c == BOTTOM ? 1 : -1; }

// The squares of the 5 x 5 block round each square of the board.
constexpr auto make_blocks() {
  std::array<SquareSet, SQ_N> blocks{};
  for (int y = 1; y <= 9; ++y)
    for (int x = 1; x <= 9; ++x)
      for (int by = std::max(1, y - 2); by <= std::min(9, y + 2); ++by)
        for (int bx = std::max(1, x - 2); bx <= std::min(9, x + 2); ++bx)
          blocks[square(x, y)].add(square(bx, by));
  return blocks;
}

constexpr auto BLOCKS = make_blocks();

// Danger units round c's king above its defence, turned into a penalty for c.
Value king_danger(const Position& pos, Color c) {
  const int ks = pos.king(c);
  if (!ks) return 0;
  const Color them = ~c;
  int units = 0, defence = 0;
  (pos.pieces(them) & BLOCKS[ks]).for_each([&](int s) {
    units += w::ATTACK_UNITS[type_of(pos.at(s))];
  });
  (pos.pieces(c) & BLOCKS[ks]).for_each([&](int s) {
    defence += w::DEFENCE_UNITS[type_of(pos.at(s))];
  });
  bool holds = false;
  for (int k = PAWN; k <= ROOK; ++k)
    if (pos.hand(them, Type(k))) {
      units += w::HAND_ATTACK_UNITS[k];
      holds = true;
    }
  if (holds)
    for (int d : {UP + LEFT, UP, UP + RIGHT, LEFT, RIGHT, DOWN + LEFT, DOWN, DOWN + RIGHT})
      if (pos.at(ks + d) == EMPTY) units += w::OPEN_SQUARE_UNITS;
  const int net = units - defence;
  if (net <= 0) return 0;
  return std::min(w::DANGER_CAP, net * net * w::DANGER_SCALE / 16);
}

// Squares the sliders of each side reach, weighted, from the bottom player's view.
Value mobility(const Position& pos) {
  Value v = 0;
  pos.sliders().for_each([&](int s) {
    const Piece p = pos.at(s);
    const Moves& mv = moves_of(p);
    int n = 0;
    for (int i = 0; mv.slides[i]; ++i) {
      const int d = mv.slides[i];
      int t = s + d;
      for (; pos.at(t) == EMPTY; t += d) ++n;
      n += pos.at(t) != WALL;  // a piece stopping the slide is reached too
    }
    v += sign(color_of(p)) * n * (type_of(p) == LANCE ? w::LANCE_SQUARE : w::SLIDER_SQUARE);
  });
  return v;
}

}  // namespace

Value evaluate(const Position& pos) {
  const Value bottom = pos.material() + pos.relation() + mobility(pos) - king_danger(pos, BOTTOM) +
                       king_danger(pos, TOP);
  return (pos.side() == BOTTOM ? bottom : -bottom) + w::TEMPO;
}

Trace trace(const Position& pos) {
  Value material = 0, promotion = 0, placement = 0, hand = 0;
  for (int s = square(1, 1); s <= square(9, 9); ++s) {
    const Piece p = pos.at(s);
    if (!is_piece(p)) continue;
    const Type t = type_of(p);
    const int sg = sign(color_of(p));
    material += sg * w::BASE[t];
    promotion += sg * w::PROMOTION[t];
    placement += sg * (piece_square_value(p, s) - w::BASE[t] - w::PROMOTION[t]);
  }
  for (Color c : {BOTTOM, TOP})
    for (int k = PAWN; k <= ROOK; ++k)
      for (int n = 1; n <= pos.hand(c, Type(k)); ++n)
        hand += sign(c) * hand_piece_value(Type(k), n);
  const Value safety = king_danger(pos, TOP) - king_danger(pos, BOTTOM);
  const int view = pos.side() == BOTTOM ? 1 : -1;
  Trace t{{{{"material", view * material},
            {"hand", view * hand},
            {"promotion", view * promotion},
            {"placement", view * placement},
            {"king_safety", view * safety},
            {"mobility", view * mobility(pos)},
            {"king_relation", view * pos.relation()},
            {"tempo", w::TEMPO}}},
          0};
  for (const auto& term : t.terms) t.total += term.value;
  return t;
}

}  // namespace hakuro::engine
