// The computer's search allocates nothing.
#include <gtest/gtest.h>

#include "analysis/survey.h"
#include "computer/search.h"
#include "counting_new.h"
#include "state/game.h"

namespace hakuro {
namespace {

TEST(ComputerTurn, AllocatesNothing) {
  Game g;
  Computer com;
  set_starting_position(g.pos);
  g.pos.top_hand[1] = g.pos.top_hand[6] = 1;  // drops too
  g.pos.top_hand_total = 2;
  g.bottom_side = -1;
  g.top_side = g.side_to_move = 1;
  g.level = 3;
  int ticks = 0;
  const SearchHooks hooks{[&ticks] { ++ticks; }, {}, {}};
  Candidate best;
  const long before = hakuro::testing::allocations();
  prepare_search(g, com);
  ASSERT_TRUE(search_best(g, com, hooks, best));
  EXPECT_EQ(hakuro::testing::allocations(), before);
  EXPECT_EQ(ticks, 9 + 7);
}

}  // namespace
}  // namespace hakuro
