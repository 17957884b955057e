// Recorded moves checked against the position they are played on.
#include <gtest/gtest.h>

#include "record/columns.h"
#include "record/fit.h"

namespace hakuro {
namespace {

// A move in the `.棋譜` file's columns.
RecordMove mv(int fx, int fy, int tx, int ty, int koma, int ato, int tori = KARA) {
  RecordMove m;
  EXPECT_TRUE(read_columns({fx, fy, tx, ty, koma, ato, tori}, m));
  return m;
}

Game from_start() {
  Position p;
  set_starting_position(p);
  return scratch_game(p);
}

// Plays the moves, each of which must fit; then answers whether `last` fits.
bool fits_after(std::initializer_list<RecordMove> played, const RecordMove& last) {
  Game g = from_start();
  for (const RecordMove& m : played) {
    EXPECT_TRUE(move_fits(g, m));
    play_fitting(g, m);
  }
  return move_fits(g, last);
}

const RecordMove kPawn76 = mv(3, 7, 3, 6, -HU, -HU);
const RecordMove kPawn34 = mv(7, 3, 7, 4, HU, HU);
const RecordMove kBishopTakes = mv(2, 8, 8, 2, -KAKU, -KAKU_NARI, KAKU);  // 2二角成
const RecordMove kSilverTakes = mv(7, 1, 8, 2, GIN, GIN, -KAKU_NARI);

TEST(RecordFit, AGameWithCapturesPromotionDropsAndAnOwnCaptureFits) {
  Game g = from_start();
  for (const RecordMove& m : {kPawn76, kPawn34, kBishopTakes, kSilverTakes,
                              mv(11, 8, 5, 5, -KAKU, -KAKU),  // the bishop taken, dropped
                              mv(-1, 2, 4, 5, KAKU, KAKU),    // top drop, recorded by its cell row
                              mv(8, 8, 8, 7, -SYA, -SYA, -HU),  // the rook takes its own pawn
                              mv(4, 5, 6, 7, KAKU, KAKU_NARI, -HU)}) {
    ASSERT_TRUE(move_fits(g, m));
    play_fitting(g, m);
  }
  EXPECT_EQ(g.pos.bottom_hand[1], 1);  // the own pawn
  EXPECT_EQ(g.pos.top_hand[1], 1);
  EXPECT_EQ(g.pos.board[6][7], KAKU_NARI);
  // The top player may open the game just as well.
  Game h = from_start();
  EXPECT_TRUE(move_fits(h, kPawn34));
}

TEST(RecordFit, MovesThatDoNotFitThePositionAreRefused) {
  EXPECT_FALSE(fits_after({}, mv(3, 6, 3, 5, -HU, -HU)));            // an empty source
  EXPECT_FALSE(fits_after({}, mv(3, 7, 3, 6, -KIN, -KIN)));          // not the piece there
  EXPECT_FALSE(fits_after({}, mv(3, 7, 3, 5, -HU, -HU)));            // a pawn cannot go two
  EXPECT_FALSE(fits_after({}, mv(3, 7, 3, 6, -HU, -HU, HU)));        // nothing there to take
  EXPECT_FALSE(fits_after({kPawn76}, mv(6, 7, 6, 6, -HU, -HU)));     // the same side twice
  EXPECT_FALSE(fits_after({kPawn76}, mv(7, 3, 7, 4, HU, HU_NARI)));  // promotes out of the zone
  EXPECT_FALSE(fits_after({}, mv(11, 3, 5, 5, -HU, -HU)));           // an empty hand
  EXPECT_FALSE(fits_after({}, mv(2, 8, 8, 2, -KAKU, -KAKU_NARI, KAKU)));  // a pawn between
  // The taken bishop dropped from the other player's hand (no move the columns can tell), or as
  // a piece it is not.
  RecordMove other_hand;
  EXPECT_FALSE(read_columns({-1, 6, 5, 5, -KAKU, -KAKU, KARA}, other_hand));
  EXPECT_FALSE(fits_after({kPawn76, kPawn34, kBishopTakes, kSilverTakes},
                          mv(11, 8, 5, 5, -KAKU_NARI, -KAKU_NARI)));
}

TEST(RecordFit, DropsAndLastRowsFollowTheRules) {
  Game g = from_start();
  g.pos.bottom_hand[1] = g.pos.bottom_hand_total = 1;
  EXPECT_FALSE(move_fits(g, mv(11, 3, 5, 5, -HU, -HU)));  // a second pawn in the column
  g.pos.board[5][7] = KARA;
  EXPECT_TRUE(move_fits(g, mv(11, 3, 5, 5, -HU, -HU)));
  EXPECT_FALSE(move_fits(g, mv(11, 3, 5, 1, -HU, -HU)));  // a pawn that could never move

  Game h = from_start();
  h.pos.board[1][1] = KARA;
  h.pos.board[1][2] = -HU;
  h.pos.board[1][3] = KARA;
  EXPECT_FALSE(move_fits(h, mv(1, 2, 1, 1, -HU, -HU)));  // must promote on the last row
  EXPECT_TRUE(move_fits(h, mv(1, 2, 1, 1, -HU, -HU_NARI)));
}

TEST(RecordFit, NothingFitsOnceAKingIsTaken) {
  Game g = from_start();
  g.pos.board[5][8] = -KIN;
  g.pos.board[4][9] = KARA;
  const RecordMove own_king = mv(5, 8, 5, 9, -KIN, -KIN, -OU);  // the gold takes its own king
  ASSERT_TRUE(move_fits(g, own_king));
  play_fitting(g, own_king);
  EXPECT_EQ(g.king_taker, 1);
  EXPECT_FALSE(move_fits(g, kPawn34));
}

}  // namespace
}  // namespace hakuro
