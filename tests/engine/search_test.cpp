// The search on small positions: mates, a hanging piece, a threat, repetitions, the game's ends,
// determinism, the stop flag and the reports of each depth; under the standard rules mates,
// repetitions and perpetual check.
#include <gtest/gtest.h>

#include <atomic>

#include "engine/convert.h"
#include "engine/movegen.h"
#include "engine/search.h"
#include "engine/tt.h"
#include "setup.h"

namespace hakuro::engine {
namespace {

template <class Earlier = Key>
Result think_depth(const Position& p, int depth, const std::vector<Earlier>& history = {}) {
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
  const Position p =
      position({{5, 1, OU}, {5, 5, SYA}, {4, 6, -GIN}, {5, 9, -OU}}, BOTTOM, {{ROOK, 1}});
  const Result first = think_depth(p, 4);
  ASSERT_EQ(to_sq(first.move), square(5, 5));
  Position after = p;
  Undo u;
  after.do_move(first.move, u);
  const Result second = think_depth(p, 4, std::vector<Key>{after.key()});
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
  Limits timed;
  timed.seconds = 0.02;
  b.think(p, timed);  // and a search in a game, whose table the next one may keep
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

TEST(Search, TheTableKeepsEarlierSearchesOnlyWhenNotAfresh) {
  TranspositionTable tt(4);
  tt.new_search(true);
  tt.store(0x1234'0000'0005, make_move(5, 6, false), 42, 7, BOUND_EXACT);
  tt.new_search(false);
  const TTEntry* kept = tt.probe(0x1234'0000'0005);
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->value, 42);
  EXPECT_EQ(tt.probe(0x1235'0000'0005), nullptr);  // the same slot, another position
  tt.new_search(true);
  EXPECT_EQ(tt.probe(0x1234'0000'0005), nullptr);
}

TEST(Search, ReportsEachDepthAndItsLineWhateverTheTable) {
  EXPECT_EQ(TranspositionTable::bits_for(Search::DEFAULT_TABLE_MB), 20);  // 16-byte entries
  EXPECT_EQ(TranspositionTable::bits_for(1), 16);
  const Position p = Position::start();
  Limits l;
  l.nodes = 30000;
  Search small(1), usual;
  std::vector<int> depths;
  const Result r = small.think(p, l, std::vector<Earlier>{}, [&](const Result& now) {
    depths.push_back(now.depth);
    ASSERT_GE(now.pv_size, 1);
    EXPECT_EQ(now.pv[0], now.move);
    EXPECT_GE(now.seldepth, now.depth);
  });
  ASSERT_FALSE(depths.empty());
  for (std::size_t i = 0; i < depths.size(); ++i) EXPECT_EQ(depths[i], int(i) + 1);
  EXPECT_EQ(depths.back(), r.depth);
  Position q = p;  // the line is played out move by move
  for (int i = 0; i < r.pv_size; ++i) {
    ASSERT_TRUE(pseudo_legal(q, r.pv[std::size_t(i)]));
    Undo u;
    q.do_move(r.pv[std::size_t(i)], u);
  }
  EXPECT_EQ(usual.think(p, l).move, usual.think(p, l, std::vector<Earlier>{}, {}).move);
}

constexpr Rules STANDARD = Rules::standard;

TEST(StandardSearch, MatesByADropAndIsMated) {
  // The gold dropped on the king's head, held by the pawn, mates at once: no king is taken.
  const Position head =
      position({{5, 1, OU}, {5, 3, -HU}, {5, 9, -OU}}, BOTTOM, {{GOLD, 1}}, STANDARD);
  EXPECT_EQ(think_depth(head, 3).score, win_in(1));
  // In the corner the pawn could mate too, but a pawn dropped to mate is not allowed: the gold.
  Position corner = position({{9, 1, OU}, {8, 1, KEI}, {8, 2, GIN}, {8, 3, -KIN}, {1, 9, -OU}},
                             BOTTOM, {{PAWN, 1}, {GOLD, 1}}, STANDARD);
  const Result mate = think_depth(corner, 3);
  EXPECT_EQ(move_numbers(mate.move), (std::array<int, 5>{0, GOLD, 9, 2, 0}));
  EXPECT_EQ(mate.score, win_in(1));
  // Mated: no move, lost.
  Undo u;
  corner.do_move(mate.move, u);
  const Result mated = think_depth(corner, 3);
  EXPECT_EQ(mated.move, NO_MOVE);
  EXPECT_EQ(mated.score, loss_in(0));
}

// The bottom rook goes from `rook` to `away` and back while the top king steps from 1-1 to 2-1
// or 1-2 and back; behind by two golds and a silver, the bottom player would gladly repeat. The
// cycle's first four positions as the game's earlier positions, with their checks or without.
struct Cycle {
  Position start;
  Move first;
  std::vector<Earlier> earlier_positions;
  std::vector<Key> keys;
};
Cycle cycle(int rook, int away, int king_away) {
  Cycle c{position({{1, 1, OU}, {4, 1, KIN}, {5, 1, KIN}, {6, 1, GIN}, {9, 9, -OU}}, BOTTOM, {},
                   STANDARD),
          make_move(rook, away, false),
          {},
          {}};
  c.start.put(rook, make_piece(BOTTOM, ROOK));
  Position p = c.start;
  for (Move m : {c.first, make_move(square(1, 1), king_away, false), make_move(away, rook, false),
                 make_move(king_away, square(1, 1), false)}) {
    c.earlier_positions.push_back(earlier(p));
    c.keys.push_back(p.key());
    Undo u;
    p.do_move(m, u);
  }
  return c;
}

TEST(StandardSearch, RepetitionDrawsUnlessByPerpetualCheck) {
  // Quiet moves: the repetition is a draw.
  const Cycle quiet = cycle(square(3, 5), square(3, 6), square(1, 2));
  const Result draw = think_depth(quiet.start, 4, quiet.earlier_positions);
  EXPECT_EQ(draw.move, quiet.first);
  EXPECT_EQ(draw.score, DRAW);
  // The rook checks from 1-5 and 2-5 in turn. Known only as keys, the repetition is a draw;
  // known with its checks, it is a perpetual check, lost for the checker, who plays on.
  const Cycle checks = cycle(square(2, 5), square(1, 5), square(2, 1));
  EXPECT_EQ(think_depth(checks.start, 4, checks.keys).move, checks.first);
  const Result on = think_depth(checks.start, 4, checks.earlier_positions);
  EXPECT_NE(on.move, checks.first);
  EXPECT_LT(on.score, DRAW);
  EXPECT_FALSE(is_decisive(on.score));

  // In the game the start's fourth time ends it: drawn, or lost for the checker.
  const auto judged = [](const Cycle& c, int times) {
    std::vector<Earlier> game;
    for (int i = 1; i < times; ++i)
      game.insert(game.end(), c.earlier_positions.begin(), c.earlier_positions.end());
    return repetition(game, earlier(c.start));
  };
  EXPECT_EQ(judged(quiet, 3), Repetition::none);
  EXPECT_EQ(judged(quiet, 4), Repetition::draw);
  EXPECT_EQ(judged(checks, 4), Repetition::side_to_move_loses);
}

}  // namespace
}  // namespace hakuro::engine
