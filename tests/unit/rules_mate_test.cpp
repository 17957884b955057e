// The bottom king's mate test on small positions, each judged after a fresh survey.
#include <gtest/gtest.h>

#include <tuple>

#include "analysis/survey.h"
#include "rules/mate.h"
#include "state/game.h"

namespace hakuro {
namespace {

Game empty_board() {
  Game g;
  g.pos.board = filled(KARA);
  g.bottom_side = -1;
  g.top_side = 1;
  return g;
}

int mate_of_bottom_king(Game& g, int kx, int ky) {
  g.pos.board[kx][ky] = -OU;
  g.pos.bottom_king_x = kx;
  g.pos.bottom_king_y = ky;
  Survey s;
  survey_influence(g.pos, s);
  return human_mated(g, s);
}

// A king in the corner checked down its file, its other flight squares covered.
Game corner_check() {
  Game g = empty_board();
  g.pos.board[1][6] = SYA;
  g.pos.board[2][1] = SYA;  // covers (2,8) and (2,9)
  return g;
}

TEST(Mate, ADropBetweenKingAndRookParriesTheCheck) {
  Game g = corner_check();
  g.pos.bottom_hand[4] = g.pos.bottom_hand_total = 1;
  EXPECT_EQ(mate_of_bottom_king(g, 1, 9), NG);
}

TEST(Mate, OnlyPawnsInHandAndAPawnInTheFileIsMate) {
  Game g = corner_check();
  g.pos.bottom_hand[1] = g.pos.bottom_hand_total = 2;
  g.pos.board[1][1] = -HU;
  EXPECT_EQ(mate_of_bottom_king(g, 1, 9), OK);
  g.pos.board[1][1] = KARA;
  g.pos.bottom_nifu[1] = 1;  // left over from an earlier position: the flags are read afresh
  EXPECT_EQ(mate_of_bottom_king(g, 1, 9), NG);
}

TEST(Mate, AProtectedGoldInContactIsMate) {
  Game g = empty_board();
  g.pos.board[5][8] = KIN;
  g.pos.board[5][7] = HU;
  g.pos.bottom_hand[7] = g.pos.bottom_hand_total = 1;
  EXPECT_EQ(mate_of_bottom_king(g, 5, 9), OK);
  const Table before = g.pos.board;
  g.pos.board[5][7] = KARA;  // unprotected: the king takes the gold
  EXPECT_EQ(mate_of_bottom_king(g, 5, 9), NG);
  g.pos.board[5][7] = HU;
  g.pos.board[4][9] = -KIN;  // or a gold of its own takes it
  EXPECT_EQ(mate_of_bottom_king(g, 5, 9), NG);
  g.pos.board[4][9] = KARA;
  EXPECT_EQ(g.pos.board, before);  // trials leave the board as they found it
}

TEST(Mate, TheKingMayFleeOntoItsOwnUnattackedPawn) {
  Game g = empty_board();
  g.pos.board[1][5] = SYA;
  g.pos.board[3][7] = KEI;  // covers (2,9)
  g.pos.board[2][8] = -HU;
  EXPECT_EQ(mate_of_bottom_king(g, 1, 9), NG);
  g.pos.board[4][8] = SYA;  // now (2,8) is attacked along row 8
  EXPECT_EQ(mate_of_bottom_king(g, 1, 9), OK);
}

// The top king's test judges each defence by a whole survey of the trial position; a trial that
// fails must not hide a later defence from the checks still to parry.
TEST(Mate, AFailedDefenceDoesNotHideALaterOne) {
  Game g = empty_board();
  for (auto [x, y, code] : {std::tuple{5, 1, OU},
                            {3, 1, KAKU},
                            {6, 2, GIN},
                            {1, 1, -SYA},
                            {5, 5, -SYA},
                            {1, 4, -KAKU},
                            {7, 2, -KIN},
                            {3, 3, -KIN}})
    g.pos.board[x][y] = code;
  Survey s;
  survey_influence(g.pos, s);
  EXPECT_EQ(computer_mated(g, s), NG);  // the silver blocks on (5,3)
  g.pos.board[6][2] = KARA;
  survey_influence(g.pos, s);
  EXPECT_EQ(computer_mated(g, s), OK);
}

}  // namespace
}  // namespace hakuro
