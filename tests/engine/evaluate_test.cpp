// The evaluation sees both sides alike.
#include <gtest/gtest.h>

#include "engine/evaluate.h"
#include "rules_moves.h"

namespace hakuro::testing {
namespace {

using engine::BOTTOM;
using engine::Position;
using engine::TOP;

// The position seen from the other side of the board (turned round, each piece changing sides,
// the hands swapped), or reflected left to right.
Position turned(const Position& p, bool round) {
  Position q;
  q.set_rules(p.rules());
  for (int y = 1; y <= 9; ++y)
    for (int x = 1; x <= 9; ++x) {
      const engine::Piece piece = p.at(engine::square(x, y));
      if (piece == engine::EMPTY) continue;
      if (round)
        q.put(engine::square(10 - x, 10 - y),
              engine::make_piece(~engine::color_of(piece), engine::type_of(piece)));
      else q.put(engine::square(10 - x, y), piece);
    }
  for (engine::Color c : {BOTTOM, TOP})
    for (int k = engine::PAWN; k <= engine::ROOK; ++k)
      q.set_hand(round ? ~c : c, engine::Type(k), p.hand(c, engine::Type(k)));
  q.set_side(round ? ~p.side() : p.side());
  return q;
}

TEST(Evaluation, TheSameForEitherSideAndEitherHand) {
  std::mt19937 rng(29);
  for (int i = 0; i < 3000; ++i) {
    const Position pos = random_walk(rng, int(rng() % 200));
    const engine::Trace t = engine::trace(pos);
    for (bool round : {true, false}) {
      const engine::Trace u = engine::trace(turned(pos, round));
      for (std::size_t k = 0; k < t.terms.size(); ++k)
        ASSERT_EQ(u.terms[k].value, t.terms[k].value)
            << t.terms[k].name << (round ? " turned round" : " reflected") << ", walk " << i;
    }
  }
}

}  // namespace
}  // namespace hakuro::testing
