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
  g.pos.ban = filled(KARA);
  g.sita = -1;
  g.ue = 1;
  return g;
}

int mate_of_bottom_king(Game& g, int kx, int ky) {
  g.pos.ban[kx][ky] = -OU;
  g.pos.ou_sita_x = kx;
  g.pos.ou_sita_y = ky;
  survey_influence(g);
  return human_mated(g);
}

// A king in the corner checked down its file, its other flight squares covered.
Game corner_check() {
  Game g = empty_board();
  g.pos.ban[1][6] = SYA;
  g.pos.ban[2][1] = SYA;  // covers (2,8) and (2,9)
  return g;
}

TEST(Mate, ADropBetweenKingAndRookParriesTheCheck) {
  Game g = corner_check();
  g.pos.mochi_sita[4] = g.pos.mochi_sita_su = 1;
  EXPECT_EQ(mate_of_bottom_king(g, 1, 9), NG);
}

TEST(Mate, OnlyPawnsInHandAndAPawnInTheFileIsMate) {
  Game g = corner_check();
  g.pos.mochi_sita[1] = g.pos.mochi_sita_su = 2;
  g.pos.ban[1][1] = -HU;
  EXPECT_EQ(mate_of_bottom_king(g, 1, 9), OK);
  g.pos.ban[1][1] = KARA;
  g.pos.nifu_sita[1] = 1;  // left over from an earlier position: the flags are read afresh
  EXPECT_EQ(mate_of_bottom_king(g, 1, 9), NG);
}

TEST(Mate, AProtectedGoldInContactIsMate) {
  Game g = empty_board();
  g.pos.ban[5][8] = KIN;
  g.pos.ban[5][7] = HU;
  g.pos.mochi_sita[7] = g.pos.mochi_sita_su = 1;
  EXPECT_EQ(mate_of_bottom_king(g, 5, 9), OK);
  const Table before = g.pos.ban;
  g.pos.ban[5][7] = KARA;  // unprotected: the king takes the gold
  EXPECT_EQ(mate_of_bottom_king(g, 5, 9), NG);
  g.pos.ban[5][7] = HU;
  g.pos.ban[4][9] = -KIN;  // or a gold of its own takes it
  EXPECT_EQ(mate_of_bottom_king(g, 5, 9), NG);
  g.pos.ban[4][9] = KARA;
  EXPECT_EQ(g.pos.ban, before);  // trials leave the board as they found it
}

TEST(Mate, TheKingMayFleeOntoItsOwnUnattackedPawn) {
  Game g = empty_board();
  g.pos.ban[1][5] = SYA;
  g.pos.ban[3][7] = KEI;  // covers (2,9)
  g.pos.ban[2][8] = -HU;
  EXPECT_EQ(mate_of_bottom_king(g, 1, 9), NG);
  g.pos.ban[4][8] = SYA;  // now (2,8) is attacked along row 8
  EXPECT_EQ(mate_of_bottom_king(g, 1, 9), OK);
}

// The top king's test judges each defence by a whole survey of the trial position; a trial that
// fails must not hide a later defence from the checks still to parry.
TEST(Mate, AFailedDefenceDoesNotHideALaterOne) {
  Game g = empty_board();
  for (auto [x, y, code] : {std::tuple{5, 1, OU}, {3, 1, KAKU}, {6, 2, GIN}, {1, 1, -SYA},
                            {5, 5, -SYA}, {1, 4, -KAKU}, {7, 2, -KIN}, {3, 3, -KIN}})
    g.pos.ban[x][y] = code;
  survey_influence(g);
  EXPECT_EQ(computer_mated(g), NG);  // the silver blocks on (5,3)
  g.pos.ban[6][2] = KARA;
  survey_influence(g);
  EXPECT_EQ(computer_mated(g), OK);
}

}  // namespace
}  // namespace hakuro
