// Small positions for the engine's tests, set up piece by piece with the game record's codes.
#pragma once

#include <initializer_list>
#include <utility>

#include "engine/convert.h"

namespace hakuro::engine {

struct Put {
  int x, y, code;
};

// The pieces given, the side to move, the bottom player's hand and the rules.
inline Position position(std::initializer_list<Put> pieces, Color side,
                         std::initializer_list<std::pair<Type, int>> bottom_hand = {},
                         Rules rules = Rules::own) {
  Position p;
  p.set_rules(rules);
  for (const Put& q : pieces) p.put(square(q.x, q.y), piece_of(q.code));
  for (auto [k, n] : bottom_hand) p.set_hand(BOTTOM, k, n);
  p.set_side(side);
  return p;
}

}  // namespace hakuro::engine
