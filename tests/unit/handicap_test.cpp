// The handicap ladder from the starting position, its refusals, and games played from it.
#include <gtest/gtest.h>

#include <sstream>

#include "handicap/handicap.h"
#include "replay.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::TestFolder;

// The starting position less the first |level| pieces of that side's row.
Table expected_board(int level) {
  Position p;
  set_starting_position(p);
  for (int k = 1; k <= std::abs(level); ++k) {
    const HandicapSquare s = handicap_square(level < 0 ? -k : k);
    EXPECT_EQ(p.board[s.x][s.y], s.piece);
    p.board[s.x][s.y] = KARA;
  }
  return p.board;
}

std::string messages(std::ostringstream& out) {
  std::istringstream in(out.str());
  std::string line, kept;
  while (std::getline(in, line))
    if (line.rfind("msgbox", 0) == 0) kept += line + "\n";
  out.str("");
  return kept;
}

TEST(Handicap, TheWholeLadderBothWays) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  Game& g = r.form().g;
  for (int level = 1; level <= 10; ++level) {
    r.line("menu LBEL_UP");
    ASSERT_EQ(g.handicap_level, level);
    ASSERT_EQ(g.pos.board, expected_board(level)) << "level " << level;
  }
  r.line("menu LBEL_UP");  // the end of the range changes nothing
  EXPECT_EQ(g.handicap_level, 10);
  EXPECT_EQ(g.handicap_set, OK);
  for (int level = 9; level >= -10; --level) {
    r.line("menu LEBEL_DOWN");
    ASSERT_EQ(g.pos.board, expected_board(level)) << "level " << level;
  }
  r.line("menu LEBEL_DOWN");
  EXPECT_EQ(g.handicap_level, -10);
  EXPECT_EQ(g.pos.bottom_hand_total + g.pos.top_hand_total, 0);
  EXPECT_EQ(messages(out), "");
  r.line("menu CANCEL");  // 最初: level 0 and the full position again
  EXPECT_EQ(g.handicap_level, 0);
  EXPECT_EQ(g.handicap_set, NG);
  EXPECT_EQ(g.pos.board, expected_board(0));
}

TEST(Handicap, RefusedDuringAGameAfterTurningAndInRecordMode) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  Game& g = r.form().g;
  for (const char* l : {"menu START", "cell 3 7", "cell 3 6"}) r.line(l);
  messages(out);
  r.line("menu LBEL_UP");
  EXPECT_EQ(
      messages(out),
      "msgbox \"ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定\" \"対局途中ではできません\\r\\r局面→最初にして下さい\" ok -> ok\n");
  EXPECT_EQ(g.handicap_level, 0);
  for (const char* l : {"menu CANCEL", "menu REVERSE", "menu LEBEL_DOWN"}) r.line(l);
  EXPECT_EQ(
      messages(out),
      "msgbox \"ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定\" \"反転後ではできません\\r\\r局面→最初にして下さい\" ok -> ok\n");
  r.line("menu CANCEL");
  g.record_mode = OK;
  r.line("menu LBEL_UP");
  EXPECT_NE(messages(out).find("棋譜ﾓｰﾄﾞではできません"), std::string::npos);
}

TEST(Handicap, TurningTheBoardNegatesTheLevelAndSavingIsRefused) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  Game& g = r.form().g;
  for (const char* l : {"menu LBEL_UP", "menu LBEL_UP", "menu REVERSE"}) r.line(l);
  EXPECT_EQ(g.handicap_level, -2);
  EXPECT_EQ(g.pos.board, expected_board(-2));  // the missing pieces now the bottom player's
  messages(out);
  r.line("menu CANCEL");
  r.line("menu LBEL_UP");
  r.line("menu KIFU_WRITE");
  EXPECT_EQ(messages(out),
            "msgbox \"棋譜書込\" \"ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません\" ok -> ok\n");
}

TEST(Handicap, GamesStartFromTheHandicappedPosition) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  Game& g = r.form().g;
  for (const char* l : {"menu LBEL_UP", "menu LBEL_UP", "menu START", "cell 3 7", "cell 3 6"})
    r.line(l);
  EXPECT_EQ(g.move_number, 1);
  EXPECT_EQ(g.pos.board[8][2], KARA);
  EXPECT_EQ(g.pos.board[2][2], KARA);
  // Against the computer, which gives the handicap and moves at once as 先手 (the human is 後手).
  for (const char* l : {"menu CANCEL", "menu LBEL_UP", "menu LBEL_UP", "menu GOTE"}) r.line(l);
  EXPECT_EQ(g.move_number, 1);
  EXPECT_EQ(g.side_to_move, g.bottom_side);
  int top = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) top += is_top(g.pos.board[x][y]);
  EXPECT_EQ(top + g.pos.top_hand_total, 18);
}

// The full position set up again does not take the moves of a handicapped game: replayed onto
// it, they would take pieces off squares the handicap had emptied.
TEST(Handicap, TheStartGivesUpAGamePlayedWithAHandicap) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  Game& g = r.form().g;
  for (const char* l :
       {"menu LEBEL_DOWN", "menu START", "cell 3 7", "cell 3 6", "cell 7 3", "cell 7 4", "cell 1 7",
        "cell 1 6", "cell 8 2", "cell 2 8", "menu CANCEL", "menu START"})
    r.line(l);
  messages(out);
  r.line("menu AFTER");
  EXPECT_EQ(messages(out), "msgbox \"進む\" \"できません\" ok -> ok\n");
  EXPECT_EQ(g.pos.board, expected_board(0));
}

}  // namespace
}  // namespace hakuro
