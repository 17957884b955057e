// The computer's surveys, its evaluation and its search on small hand-made positions, each term
// checked on both sides of its condition.
#include <gtest/gtest.h>

#include <tuple>

#include "computer/surveys.h"
#include "computer_positions.h"

namespace hakuro {
namespace {

using namespace testing;

TEST(ComputerSurveys, EscapeSquaresOfTheHumansKing) {
  Trial g = position({});
  EXPECT_EQ(human_king_escapes(g, g.com.survey), 3);  // a corner has three neighbours
  g = position({{8, 9, HU}});  // a computer piece on a neighbour, even undefended
  EXPECT_EQ(human_king_escapes(g, g.com.survey), 2);
  g = position({{8, 9, HU}, {9, 6, KYOU}});  // the lance covers (9,7) and (9,8)
  EXPECT_EQ(human_king_escapes(g, g.com.survey), 1);
}

TEST(ComputerSurveys, SafeDestinationsAndCrowdedNeighbours) {
  Trial g = position({{5, 5, HU}});
  EXPECT_EQ(safe_move_count(g, g.com.survey, 5, 5, HU), 1);
  g = position({{5, 5, HU}, {5, 8, -SYA}});  // the rook covers (5,6)
  EXPECT_EQ(safe_move_count(g, g.com.survey, 5, 5, HU), 0);
  EXPECT_EQ(safe_move_count(g, g.com.survey, 5, 9, HU), 0);  // no legal move at all

  g = position({{4, 4, SYA}, {6, 6, OU}, {5, 4, -SYA}, {5, 6, KIN}, {4, 6, KAKU_NARI}});
  EXPECT_EQ(surroundings(g, 5, 5), -3);  // the rook, the king and the horse; not the gold
}

TEST(ComputerSurveys, AHumanRookBacksUpASquareOnlyThroughAnOpenColumn) {
  Trial g = position({{5, 3, HU}, {5, 8, -SYA}});
  EXPECT_EQ(human_straight_guard(g, 5, 3), OK);
  EXPECT_EQ(g.pos.board[5][3], HU);                       // put back
  g = position({{5, 3, HU}, {5, 5, -HU}, {5, 8, -SYA}});  // looks past the pawn, which blocks
  EXPECT_EQ(human_straight_guard(g, 5, 3), NG);
  g = position({{5, 3, HU}, {5, 5, KIN}, {5, 8, -SYA}});  // a computer piece ends the look
  EXPECT_EQ(human_straight_guard(g, 5, 3), NG);
}

TEST(ComputerSurveys, PiecesShieldingTheirKingAndBishopsAimingAtTheComputersKing) {
  Trial g = position({{9, 2, SYA}, {9, 5, -KIN}, {1, 4, KIN}, {1, 7, -KYOU}});
  const Table before = g.pos.board;
  mark_pinned_pieces(g.pos, g.com.scratch);
  EXPECT_EQ(g.pos.board, before);
  const ComputerScratch& c = g.com.scratch;
  EXPECT_EQ(c.bottom_pinned[9][5], 1);  // the gold shields its king from the rook
  EXPECT_EQ(c.top_pinned[1][4], 1);     // the computer's gold shields its king from the lance
  EXPECT_EQ(c.top_pinned_any, OK);
  EXPECT_EQ(c.bottom_pinned[9][9] + c.top_pinned[1][1], 0);

  g = position({});
  const Table& aims = g.com.scratch.bishop_aims_at_top;
  mark_bishop_aims(g, g.com);
  EXPECT_EQ(aims[4][4], 1);  // an open diagonal to (1,1)
  g = position({{3, 3, KIN}, {4, 6, GIN}});
  mark_bishop_aims(g, g.com);
  EXPECT_EQ(aims[4][4], 0);  // the gold stands between
  EXPECT_EQ(aims[2][2], 1);  // next to the king, covered by the king alone
  g = position({{4, 6, GIN}});
  mark_bishop_aims(g, g.com);
  EXPECT_EQ(aims[5][5], 0);  // the silver covers it
  EXPECT_EQ(aims[6][6], 1);
}

TEST(ComputerSurveys, KnightForksAndLanceShotsBehindAPawn) {
  // A pawn attacked by a rook alone, with bishops two columns either side.
  Trial g = position({{5, 7, HU}, {5, 8, -SYA}, {3, 7, -KAKU}, {7, 7, -KAKU}});
  EXPECT_EQ(knight_aim(g, g.com.survey, 5, 7), 1600);
  g = position({{5, 5, HU}, {5, 6, -SYA}, {3, 5, -KAKU}, {7, 5, -KAKU}});
  EXPECT_EQ(knight_aim(g, g.com.survey, 5, 5), 0);  // too far up the board
  g = position({{5, 7, HU}, {5, 8, -SYA}, {6, 8, -KIN}, {3, 7, -KAKU}, {7, 7, -KAKU}});
  EXPECT_EQ(knight_aim(g, g.com.survey, 5, 7), 0);  // a gold attacks it too

  g = position({{5, 7, HU}, {5, 5, KIN}, {5, 9, -SYA}});
  EXPECT_EQ(lance_aim(g, g.com.survey, 5, 7), 900);
  g = position({{5, 6, HU}, {5, 4, KIN}, {5, 9, -SYA}});
  EXPECT_EQ(lance_aim(g, g.com.survey, 5, 6), 0);  // row 6 is too far up
}

TEST(ComputerEvaluation, TheOwnKingsSafetyComesBeforeTakingTheOtherKing) {
  Trial g = position({{3, 1, OU}, {5, 1, KIN}, {4, 2, -OU}, {4, 3, -KIN}});
  const Search s = search(g);
  EXPECT_EQ(s.scores.at({3, 1, 4, 2}), points(-9998));  // the king takes into a defended square
  EXPECT_EQ(s.scores.at({5, 1, 4, 2}), points(9999));
  EXPECT_EQ(s.best.move.square().x, 5);
  EXPECT_EQ(s.order.back().move.square().x, 5);  // nothing is tried after the king is taken
}

TEST(ComputerEvaluation, APawnMustNotMateButAGoldMay) {
  Trial g = position({{5, 9, -OU}, {5, 7, KIN}, {3, 8, GIN}, {7, 8, GIN}, {1, 1, OU}});
  g.pos.top_hand[1] = g.pos.top_hand[5] = 1;
  g.pos.top_hand_total = 2;
  const Search s = search(g);
  EXPECT_EQ(s.scores.at({-1, 1, 5, 8}), points(-9998));
  EXPECT_EQ(s.best.move.kind(), 5);  // the gold mates from (4,8) already
  EXPECT_EQ(s.best.score, MATES);
  EXPECT_EQ(s.order.back().move.to, s.best.move.to);  // and the drop scan stops there
}

// What the second level adds to the first for one candidate (steps 6 to 10).
Score second_level_terms(Trial& g, const Key& move) {
  return search(g, 2).scores.at(move) - search(g, 1).scores.at(move);
}

TEST(ComputerEvaluation, CapturesCountFromTheSecondLevel) {
  Trial g = position({{5, 5, GIN}, {5, 6, -HU}});
  EXPECT_EQ(second_level_terms(g, {5, 5, 5, 6}), points(10));
  g = position({{5, 5, GIN}, {5, 6, -HU}, {5, 8, -SYA}});  // the rook would take it back
  EXPECT_EQ(second_level_terms(g, {5, 5, 5, 6}), 0);
  g = position({{5, 5, GIN}, {5, 6, -HU}, {5, 8, -SYA}, {4, 5, KIN}});  // cheaper than the rook
  EXPECT_EQ(second_level_terms(g, {5, 5, 5, 6}), points(10));
}

TEST(ComputerEvaluation, DropsCostFiveAndMoreWhereTheyHang) {
  Trial g = position({{5, 8, -SYA}});
  g.pos.top_hand[4] = g.pos.top_hand_total = 1;
  EXPECT_EQ(second_level_terms(g, {-1, 4, 5, 5}), points(-150));  // attacked and undefended
  EXPECT_EQ(second_level_terms(g, {-1, 4, 4, 5}), 0);
}

TEST(ComputerEvaluation, ApproachingTheKingCountsOnlyWhenNearer) {
  // The silver on (5,5) stands 4 from the king on (9,9) in both directions.
  Trial g = position({{5, 5, GIN}});
  EXPECT_EQ(second_level_terms(g, {5, 5, 6, 6}), 1);  // 3 and 3: nearer
  EXPECT_EQ(second_level_terms(g, {5, 5, 4, 6}), 0);  // 5 and 3: farther
  EXPECT_EQ(second_level_terms(g, {5, 5, 6, 4}), 0);  // 3 and 5: the rows farther apart
}

TEST(ComputerSearch, TakingItsOwnKingScoresBelowEverythingElse) {
  Trial g = position({{2, 1, KIN}});
  const Search s = search(g);
  EXPECT_EQ(s.scores.at({2, 1, 1, 1}), TAKES_OWN_KING);
  EXPECT_NE(s.best.move.to, (Square{1, 1}));
}

TEST(ComputerSearch, InAHopelessPositionTheFirstLegalMoveIsPlayed) {
  Trial g = position({{1, 2, -KIN}, {1, 3, -KIN}, {2, 2, -KIN}, {2, 3, -KIN}, {9, 3, HU}});
  const Search s = search(g);
  for (const Candidate& m : s.order) EXPECT_LE(m.score, points(-9998));
  ASSERT_TRUE(s.found);
  EXPECT_EQ(s.best.move, s.order.front().move);
}

TEST(ComputerSearch, NoDropsFromAnEmptyHandAndNoMoveWithoutPieces) {
  Trial g = position({{5, 5, GIN}});
  for (const Candidate& m : search(g).order) EXPECT_FALSE(m.move.is_drop());
  g = position({{1, 1, KARA}});  // the computer has no piece at all
  EXPECT_FALSE(search(g).found);
}

TEST(ComputerSearch, APawnEnteringTheZoneIsAlwaysPlacedPromoted) {
  Trial g = position({{3, 6, HU}, {7, 6, KYOU}});
  const Search s = search(g);
  for (const Candidate& m : s.order) {
    if (m.move.square().x == 3) {
      EXPECT_EQ(m.move.placed, HU_NARI);
    } else if (m.move.square().x == 7 && m.move.to.y == 9) {
      EXPECT_EQ(m.move.placed, KYOU_NARI);  // compulsory
    }
  }
}

TEST(ComputerSearch, TheSearchLeavesTheBoardAndTheTwoPawnFlagsAsTheyWere) {
  Trial g = position({{5, 9, -OU}, {5, 7, KIN}, {3, 8, GIN}, {7, 8, GIN}, {4, 3, HU}});
  g.pos.top_hand[1] = g.pos.top_hand_total = 1;
  const Table before = g.pos.board;
  const Search s = search(g);
  EXPECT_EQ(g.pos.board, before);
  EXPECT_EQ(g.pos.top_nifu[4], 1);
  for (const Candidate& m : s.order) EXPECT_FALSE(m.move.is_drop() && m.move.to.x == 4);
}

}  // namespace
}  // namespace hakuro
