// The record as the window lists it: entries in the usual notation, the start and the sides the
// KIF file would name; stepping to a listed move; moves given up stay given up.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "control/record_steps.h"
#include "record/move_list.h"
#include "record/position_check.h"
#include "replay.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;

std::vector<std::string> entries(const Game& g) {
  const bool sente_top = game_sides(g).sente_top;
  std::vector<std::string> out;
  for (int n = 1; g.record.holds(n); ++n) out.push_back(move_entry(g.record, n, sente_top));
  return out;
}

class MoveListTest : public ::testing::Test {
 protected:
  Game& g() { return r.form().g; }
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r{out};
};

TEST_F(MoveListTest, EntriesOfAGameInTheUsualNotation) {
  // ７六歩 ３四歩, the bishops exchanged with promotion, 同　銀, and the bishop dropped on ５五.
  run_lines(r, out,
            {"menu START", "cell 3 7", "cell 3 6", "cell 7 3", "cell 7 4", "cell 2 8", "cell 8 2 R",
             "cell 7 1", "cell 8 2", "cell 11 8", "cell 5 5"});
  EXPECT_EQ(entries(g()),
            (std::vector<std::string>{"▲７六歩", "△３四歩", "▲２二角成", "△同　銀", "▲５五角打"}));
  EXPECT_TRUE(same_position(g().record.start(), full_position()));
  // The start is the same from any move shown.
  run_lines(r, out, {"menu REPLAY", "menu REPLAY", "menu REPLAY"});
  EXPECT_TRUE(same_position(g().record.start(), full_position()));
  EXPECT_EQ(entries(g()).size(), 5u);
}

TEST_F(MoveListTest, SidesAsTheKifFileNamesThem) {
  // The computer moves first as the top player: it is 先手, the board read turned round.
  run_lines(r, out, {"menu GOTE"});
  KifSides sides = game_sides(g());
  EXPECT_TRUE(sides.sente_top);
  EXPECT_EQ(entries(g()).at(0).substr(0, 3), "▲");
  // Without its bishop it gives 角落ち, and as 上手 it is written 後手, moving first.
  run_lines(r, out, {"menu CANCEL", "menu LBEL_UP", "menu GOTE"});
  sides = game_sides(g());
  ASSERT_NE(sides.handicap, nullptr);
  EXPECT_STREQ(sides.handicap, "角落ち");
  EXPECT_FALSE(sides.sente_top);
  EXPECT_EQ(entries(g()).at(0).substr(0, 3), "△");
}

TEST_F(MoveListTest, SteppingToAMoveIsPressing戻Or進ThatManyTimes) {
  run_lines(r, out,
            {"menu START", "cell 3 7", "cell 3 6", "cell 7 3", "cell 7 4", "cell 2 7", "cell 2 6",
             "cell 3 3", "cell 3 4"});
  const Game played = g();
  run_lines(r, out, {"menu REPLAY", "menu REPLAY", "menu REPLAY"});
  const Table at_one = g().pos.board;
  run_lines(r, out, {"menu AFTER", "menu AFTER", "menu AFTER"});

  out.str("");
  run_event(r.form(), [&] { step_to_move(r.form(), 1); });
  EXPECT_EQ(g().record.current_move(), 1);
  EXPECT_EQ(g().pos.board, at_one);
  EXPECT_EQ(g().suspended, OK);
  run_event(r.form(), [&] { step_to_move(r.form(), 4); });
  EXPECT_EQ(g().pos.board, played.pos.board);
  EXPECT_EQ(g().side_to_move, played.side_to_move);
  EXPECT_EQ(out.str().find("msgbox"), std::string::npos);

  // Beyond the last move: up to it, then the one refusal.
  run_event(r.form(), [&] { step_to_move(r.form(), 2); });
  out.str("");
  run_event(r.form(), [&] { step_to_move(r.form(), 9); });
  EXPECT_EQ(g().record.current_move(), 4);
  EXPECT_EQ(out.str(),
            "sound dsPlay none\nsound dsPlay none\nsound dsPlay none\n"
            "msgbox \"進む\" \"できません\" ok -> ok\n");
  // No game: the first step is refused as 進 is, and nothing moves.
  run_lines(r, out, {"menu CANCEL"});
  out.str("");
  run_event(r.form(), [&] { step_to_move(r.form(), 3); });
  EXPECT_EQ(g().record.current_move(), 0);
  EXPECT_EQ(out.str(), "sound dsPlay none\nmsgbox \"開始\" \"「対局」で始めて下さい\" ok -> ok\n");
}

// 反転 gives the record up; a match begun later on the turned board never steps onto the
// earlier game's moves, and its record, which would not load, is never written.
TEST_F(MoveListTest, MovesGivenUpStayGivenUp) {
  run_lines(r, out,
            {"menu SENTE", "cell 1 9", "cell 1 7", "menu REVERSE", "menu GOTE", "menu GOTE"});
  const Position before = g().pos;
  ASSERT_EQ(g().record.current_move(), 1);
  EXPECT_FALSE(g().record.holds(2));
  EXPECT_EQ(run_lines(r, out, {"menu AFTER"}),
            "sound dsPlay none\nmsgbox \"進む\" \"できません\" ok -> ok\n");
  EXPECT_TRUE(same_position(g().pos, before));
  EXPECT_EQ(run_lines(r, out, {"text 1 turned", "save"}),
            "msgbox \"棋譜書込\" \"反転後は書き込みできません\" ok -> ok\n");
  EXPECT_TRUE(TestFolder::read("turned.棋譜").empty());
}

}  // namespace
}  // namespace hakuro
