// The computer's search allocates nothing: every allocation of this program is counted.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "analysis/survey.h"
#include "computer/search.h"
#include "state/game.h"

namespace {

long allocations = 0;

}  // namespace

#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
  ++allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace hakuro {
namespace {

TEST(ComputerTurn, AllocatesNothing) {
  Game g;
  set_starting_position(g.pos);
  g.pos.mochi_ue[1] = g.pos.mochi_ue[6] = 1;  // drops too
  g.pos.mochi_ue_su = 2;
  g.SITA = -1;
  g.UE = g.teban = 1;
  g.level = 3;
  int ticks = 0;
  const SearchHooks hooks{[&ticks] { ++ticks; }, {}};
  Candidate best;
  const long before = allocations;
  prepare_search(g);
  ASSERT_TRUE(search_best(g, hooks, best));
  EXPECT_EQ(allocations, before);
  EXPECT_EQ(ticks, 9 + 7);
}

}  // namespace
}  // namespace hakuro
