// The search on small positions: mates, a hanging piece, a threat, repetitions, the game's ends,
// determinism and the stop flag.
#include <gtest/gtest.h>

#include <atomic>

#include "engine/convert.h"
#include "engine/search.h"
#include "setup.h"

namespace hakuro::engine {
namespace {

Result think_depth(const Position& p, int depth, const std::vector<Key>& history = {}) {
  Search s;
  Limits l;
  l.depth = depth;
  return s.think(p, l, history);
}

TEST(Search, MatesInOneAndTwo) {
  // A gold dropped on the king's head, held by a pawn.
  const Position one = position({{5, 1, OU}, {5, 3, -HU}, {5, 9, -OU}}, BOTTOM, {{GOLD, 1}});
  const Result r1 = think_depth(one, 3);
  EXPECT_EQ(move_numbers(r1.move), (std::array<int, 5>{0, 5, 5, 2, 0}));
  EXPECT_EQ(r1.score, win_in(2));

  // The bishop promotes next to the king in the corner; a lance drop follows.
  const Position two = position({{9, 2, OU}, {8, 2, -KAKU}, {3, 5, -KAKU_NARI}, {5, 9, -OU}},
                                BOTTOM, {{LANCE, 1}, {BISHOP, 1}});
  EXPECT_FALSE(is_decisive(think_depth(two, 3).score));
  EXPECT_EQ(think_depth(two, 5).score, win_in(4));
  Search s;
  Limits l;
  l.nodes = 200000;
  EXPECT_EQ(s.think(two, l).score, win_in(4));
}

TEST(Search, TakesAHangingPieceUnlessThatRepeats) {
  // Ahead by a rook in hand, the bottom player takes the hanging rook, unless the position after
  // the capture has stood before: that would only draw.
  const Position p = position({{5, 1, OU}, {5, 5, SYA}, {4, 6, -GIN}, {5, 9, -OU}}, BOTTOM,
                              {{ROOK, 1}});
  const Result first = think_depth(p, 4);
  ASSERT_EQ(to_sq(first.move), square(5, 5));
  Position after = p;
  Undo u;
  after.do_move(first.move, u);
  const Result second = think_depth(p, 4, {after.key()});
  EXPECT_NE(second.move, first.move);
  EXPECT_GT(second.score, 300);
}

TEST(Search, AnswersAThreat) {
  // The top pawn, held by a gold, attacks the bottom rook: the rook goes somewhere safe.
  Position threat = position(
      {{1, 1, OU}, {5, 3, KIN}, {5, 4, HU}, {5, 5, -SYA}, {9, 9, -OU}, {8, 8, -KIN}}, BOTTOM);
  const Result answer = think_depth(threat, 5);
  ASSERT_EQ(from_sq(answer.move), square(5, 5));
  Undo u;
  threat.do_move(answer.move, u);
  EXPECT_FALSE(threat.attacked(to_sq(answer.move), TOP));
}

TEST(Search, TheGameEnds) {
  // A king that can be taken is taken.
  const Position open = position({{5, 1, OU}, {5, 5, -SYA}, {9, 9, -OU}}, BOTTOM);
  const Result take = think_depth(open, 6);
  EXPECT_EQ(to_sq(take.move), square(5, 1));
  EXPECT_EQ(take.score, win_in(1));
  // The gold beside the bottom king could take it; no search plays that.
  const Position own = position({{1, 1, OU}, {9, 9, -OU}, {8, 9, -KIN}}, BOTTOM);
  const Result safe = think_depth(own, 4);
  EXPECT_NE(to_sq(safe.move), square(9, 9));
  EXPECT_FALSE(is_decisive(safe.score));
  // No move at all: lost, and nothing to play.
  const Position none = position({{1, 1, OU}}, BOTTOM);
  const Result r = think_depth(none, 4);
  EXPECT_EQ(r.move, NO_MOVE);
  EXPECT_EQ(r.score, loss_in(0));
}

TEST(Search, SameNodesSameMoveAndAStopEndsIt) {
  Position p = Position::start();
  Search a, b;
  Limits l;
  l.nodes = 30000;
  const Result r1 = a.think(p, l);
  b.think(position({{5, 1, OU}, {5, 9, -OU}}, TOP), l);  // something else first
  const Result r2 = b.think(p, l);
  EXPECT_EQ(r1.move, r2.move);
  EXPECT_EQ(r1.score, r2.score);
  EXPECT_EQ(r1.nodes, r2.nodes);

  std::atomic<bool> stop{true};
  Limits stopped;
  stopped.stop = &stop;
  const Result r3 = a.think(p, stopped);
  EXPECT_NE(r3.move, NO_MOVE);
  EXPECT_LT(r3.nodes, 1000u);
}

}  // namespace
}  // namespace hakuro::engine
