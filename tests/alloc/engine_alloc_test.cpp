// The engine's search allocates nothing once it is made.
#include <gtest/gtest.h>

#include "counting_new.h"
#include "engine/search.h"

namespace hakuro::engine {
namespace {

TEST(EngineSearch, AllocatesNothing) {
  Search search;
  Position pos = Position::start();
  pos.set_hand(BOTTOM, PAWN, 2);  // drops too
  pos.set_hand(TOP, BISHOP, 1);
  const std::vector<Key> history = {1, 2, 3};
  Limits limits;
  limits.nodes = 50000;
  const long before = hakuro::testing::allocations();
  const Result r = search.think(pos, limits, history);
  EXPECT_EQ(hakuro::testing::allocations(), before);
  EXPECT_EQ(r.nodes, 50000u);
}

}  // namespace
}  // namespace hakuro::engine
