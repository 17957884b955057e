// The computer's danger scan, its bishop caution and the third level's piece terms, each on a
// small position where the term fires and on one where it just does not.
#include <gtest/gtest.h>

#include "computer/evaluate.h"
#include "computer_positions.h"

namespace hakuro {
namespace {

using namespace testing;

// What the third level adds to the second for one candidate.
Score third_level_terms(const Trial& g, const Key& move) {
  return score_of(g, 3, move) - score_of(g, 2, move);
}

// The danger scan of the position as it stands (no candidate gives a fork here).
Score danger(Trial g) {
  prepare_search(g, g.com);
  return evaluate_computer_dangers(g, g.com, OU, g.pos.top_king_x, g.pos.top_king_y);
}

TEST(DangerScan, ALanceInHandSkewersTwoPiecesInAColumn) {
  // The human's gold on (5,6) attacks (5,5), under the computer's gold and rook.
  const std::initializer_list<Put> column = {{5, 4, KIN}, {5, 2, SYA}, {5, 6, -KIN}};
  EXPECT_EQ(danger(position(column, holding(2))) - danger(position(column, holding(1))),
            points(-(100 + 450)));
  const std::initializer_list<Put> blocked = {{5, 4, KIN}, {5, 3, HU}, {5, 2, SYA}, {5, 6, -KIN}};
  EXPECT_EQ(danger(position(blocked, holding(2))) - danger(position(blocked, holding(1))), 0);
}

TEST(DangerScan, KnightAndSilverForksOfPiecesInHand) {
  const std::initializer_list<Put> silvers = {{4, 3, GIN}, {6, 3, GIN}};
  EXPECT_EQ(danger(position(silvers, holding(3))) - danger(position(silvers, holding(1))),
            points(-20));
  const std::initializer_list<Put> apart = {{3, 3, GIN}, {6, 3, GIN}};
  EXPECT_EQ(danger(position(apart, holding(3))) - danger(position(apart, holding(1))), 0);

  const std::initializer_list<Put> pawns = {{4, 4, HU}, {6, 6, HU}};
  EXPECT_EQ(danger(position(pawns, holding(4))) - danger(position(pawns, holding(1))), points(-20));
  const std::initializer_list<Put> guarded = {{4, 4, HU}, {6, 6, HU}, {6, 5, HU}};
  EXPECT_EQ(danger(position(guarded, holding(4))) - danger(position(guarded, holding(1))), 0);
}

TEST(DangerScan, TheKingsHeadAttackedWithAGoldInHand) {
  const std::initializer_list<Put> head = {{5, 1, OU}, {5, 2, KIN}, {5, 3, -HU}};
  EXPECT_EQ(danger(position(head, holding(5))) - danger(position(head, holding(1))), points(-700));
  const std::initializer_list<Put> free_head = {{5, 1, OU}, {5, 2, KIN}, {5, 4, -HU}};
  EXPECT_EQ(danger(position(free_head, holding(5))) - danger(position(free_head, holding(1))), 0);
}

TEST(DangerScan, AHangingPieceCostsItsValue) {
  // The silver on (5,5) attacked by a pawn, then defended by a gold.
  const Score hanging = danger(position({{5, 5, GIN}, {5, 6, -HU}}));
  const Score defended = danger(position({{5, 5, GIN}, {5, 6, -HU}, {4, 4, KIN}}));
  const Score alone = danger(position({{5, 5, GIN}}));
  EXPECT_EQ(hanging - alone, points(10 - 100 - 100));  // exchanged for a pawn, then lost
  EXPECT_EQ(defended - danger(position({{5, 5, GIN}, {4, 4, KIN}})), points(10 - 100));
}

TEST(BishopCaution, APieceTheHumansBishopCouldForkWithTheKing) {
  // The silver goes to (5,1); a bishop dropped on (3,3) would attack it and the king.
  EXPECT_EQ(score_of(position({{6, 2, GIN}}, holding(6)), 2, {6, 2, 5, 1}) -
                score_of(position({{6, 2, GIN}}, holding(1)), 2, {6, 2, 5, 1}),
            points(-100));
  // A gold on (2,2) closes the diagonal.
  EXPECT_EQ(score_of(position({{6, 2, GIN}, {2, 2, KIN}}, holding(6)), 2, {6, 2, 5, 1}) -
                score_of(position({{6, 2, GIN}, {2, 2, KIN}}, holding(1)), 2, {6, 2, 5, 1}),
            0);
}

TEST(PieceTerms, Pawns) {
  EXPECT_EQ(third_level_terms(position({{3, 4, HU}}), {3, 4, 3, 5}), -1);
  EXPECT_EQ(third_level_terms(position({{3, 4, HU}, {2, 4, KIN}}), {3, 4, 3, 5}), -1 + 6);
  // A pawn dropped between a lance and the gold it attacks.
  const Hand pawn = holding(1);
  EXPECT_EQ(third_level_terms(position({{5, 4, KIN}, {5, 8, -KYOU}}, {}, pawn), {-1, 1, 5, 5}),
            points(120));
  EXPECT_EQ(third_level_terms(position({{5, 3, KIN}, {5, 8, -KYOU}}, {}, pawn), {-1, 1, 5, 5}),
            0);  // undefended there
}

TEST(PieceTerms, APawnDroppedWhereALanceInHandWouldHitARook) {
  // The gold makes (5,6) the computer's; the rook on (5,9) is the pawn's only attacker.
  const std::initializer_list<Put> column = {{5, 5, KIN}, {5, 9, -SYA}, {1, 9, -OU}};
  Hand pawn_and_lance = holding(1);
  pawn_and_lance[2] = 1;
  EXPECT_EQ(third_level_terms(position(column, {}, pawn_and_lance), {-1, 1, 5, 7}), points(900));
  EXPECT_EQ(third_level_terms(position(column, {}, holding(1)), {-1, 1, 5, 7}), 0);
}

TEST(PieceTerms, GoldsBishopsAndPromotedPawns) {
  EXPECT_EQ(third_level_terms(position({{5, 3, KIN}}), {5, 3, 6, 4}), -5);  // diagonal advance
  EXPECT_EQ(third_level_terms(position({{5, 3, KIN}}), {5, 3, 5, 4}), 0);
  EXPECT_EQ(third_level_terms(position({{5, 5, KAKU}, {7, 7, SYA}}), {5, 5, 6, 6}), points(-1));
  EXPECT_EQ(third_level_terms(position({{5, 5, KAKU}, {7, 7, SYA}}), {5, 5, 4, 4}), 0);
  EXPECT_EQ(third_level_terms(position({{5, 5, HU_NARI}}), {5, 5, 5, 6}), points(1));
  EXPECT_EQ(third_level_terms(position({{5, 5, HU_NARI}, {5, 7, -KIN}}), {5, 5, 5, 6}), 0);
}

TEST(PieceTerms, LancesKnightsAndSilvers) {
  EXPECT_EQ(third_level_terms(position({{3, 4, KYOU}}), {3, 4, 3, 5}), -9);
  EXPECT_EQ(third_level_terms(position({{3, 4, KYOU}, {3, 5, -HU}}), {3, 4, 3, 5}), 0);

  EXPECT_EQ(third_level_terms(position({{3, 1, KEI}}), {3, 1, 4, 3}), -1);
  EXPECT_EQ(third_level_terms(position({{3, 1, KEI}, {4, 5, -HU}}), {3, 1, 4, 3}), -1 - 10);

  // The silver's opening square when the pawns in front of the bishop meet.
  EXPECT_EQ(third_level_terms(position({{7, 2, GIN}, {8, 3, HU}, {8, 5, -HU}}), {7, 2, 7, 3}),
            -1 + points(115));
  EXPECT_EQ(third_level_terms(position({{7, 2, GIN}, {8, 3, HU}, {8, 6, -HU}}), {7, 2, 7, 3}), -1);
}

TEST(PieceTerms, RooksDragonsAndTheKing) {
  // Near the human's king on its column, two rows away (outside the zone, so unpromoted).
  const std::initializer_list<Put> file = {{9, 1, SYA}, {9, 5, -OU}};
  EXPECT_EQ(third_level_terms(position(file), {9, 1, 9, 3}), points(-1 + 100));
  EXPECT_EQ(third_level_terms(position(file), {9, 1, 9, 2}), 0);
  // A dragon on the top row reads the square above it as empty.
  EXPECT_EQ(third_level_terms(position({{4, 2, SYA_NARI}}), {4, 2, 4, 1}), 0);
  // A king left with one flight.
  const std::initializer_list<Put> hemmed = {{1, 3, -KIN}, {3, 9, -SYA}};
  EXPECT_EQ(third_level_terms(position(hemmed), {1, 1, 2, 1}), points(-20));
  EXPECT_EQ(third_level_terms(position({{3, 9, -SYA}}), {1, 1, 2, 1}), 0);
}

}  // namespace
}  // namespace hakuro
