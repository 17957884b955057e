// Levels 4 and 5 and the hint search on the window's thinker: while a search runs, presses do
// nothing, options work, and the game and record commands wait for its result, in order.
#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "control/computer_turn.h"
#include "control/thinking.h"
#include "display/geometry.h"
#include "replay.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;

struct HeldGame {
  TestFolder folder;
  std::ostringstream out;
  replay::HeldThinker thinker;
  replay::Replay r{out, thinker};
  Game& g() { return r.form().g; }
  // The search held ends, as an event of the window.
  std::string finish() {
    out.str("");
    r.fire([this] { thinker.finish(); });
    return out.str();
  }
  bool shows(const std::string& text) {
    for (const replay::ShownText& t : r.screen().texts())
      if (t.s == text) return true;
    return false;
  }
};

TEST(Thinking, TheComputersMoveArrivesLaterAndTheCommandsGivenMeanwhileWaitForIt) {
  HeldGame h;
  run_lines(h.r, h.out, {"set nodes 2000", "menu LEVEL4", "menu SENTE", "cell 7 7", "cell 7 6"});
  ASSERT_TRUE(h.thinker.busy());
  EXPECT_EQ(h.g().record.current_move(), 1);
  EXPECT_EQ(h.g().side_to_move, h.g().top_side);
  EXPECT_TRUE(h.shows("思考中"));

  // Presses do nothing at all, on the board or the hands.
  EXPECT_EQ(run_lines(h.r, h.out, {"cell 3 7", "cell 11 5", "cell 20 20"}), "");
  EXPECT_EQ(h.r.form().sel.picked, 0);
  // An option works at once, and "思考中" stays.
  const int sidou = h.r.form().look.guidance_on;
  run_lines(h.r, h.out, {"menu SIDOU", "menu TATAMI"});
  EXPECT_NE(h.r.form().look.guidance_on, sidou);
  EXPECT_TRUE(h.shows("思考中"));
  // 戻 and the hint wait; nothing of them shows yet.
  EXPECT_EQ(run_lines(h.r, h.out, {"menu REPLAY", "menu HINT"}), "");
  EXPECT_EQ(h.g().record.current_move(), 1);

  // The computer's move is played, then 戻 takes it back, and the hint finds the computer to
  // move.
  const std::string said = h.finish();
  EXPECT_FALSE(h.thinker.busy());
  EXPECT_EQ(h.g().record.last_move(), 2);
  EXPECT_EQ(h.g().record.current_move(), 1);
  EXPECT_EQ(h.g().side_to_move, h.g().top_side);
  EXPECT_NE(said.find("msgbox \"ヒント\" \"COMの番です\" ok -> ok"), std::string::npos) << said;
}

// 進 chosen while the computer thinks is refused after its move, as it would be then, and
// leaves the game running: the next press on the board plays.
TEST(Thinking, ARefusedCommandThatWaitedLeavesTheGameAsItWas) {
  HeldGame h;
  run_lines(h.r, h.out,
            {"set nodes 2000", "menu LEVEL4", "menu SENTE", "cell 7 7", "cell 7 6", "menu AFTER"});
  const std::string said = h.finish();
  EXPECT_NE(said.find("msgbox \"進む\" \"できません\" ok -> ok"), std::string::npos) << said;
  EXPECT_EQ(h.g().suspended, NG);
  EXPECT_EQ(run_lines(h.r, h.out, {"cell 2 7"}), "");
  EXPECT_EQ(h.r.form().sel.picked, 1);
}

TEST(Thinking, APressThatLetsTheComputerMoveIsHandledOnItsMove) {
  HeldGame h;
  run_lines(h.r, h.out, {"set nodes 2000", "menu LEVEL5", "menu SENTE", "cell 7 7", "cell 7 6"});
  h.finish();
  run_lines(h.r, h.out, {"menu REPLAY"});  // the computer is to move again
  ASSERT_EQ(h.g().side_to_move, h.g().top_side);
  const std::string said = run_lines(h.r, h.out, {"cell 2 7"});
  EXPECT_NE(said.find("再開(COM)"), std::string::npos);
  ASSERT_TRUE(h.thinker.busy());
  EXPECT_EQ(h.r.form().sel.picked, 0);
  h.finish();
  EXPECT_EQ(h.g().record.current_move(), 2);
  // The press picks the pawn on the board the computer's move left.
  EXPECT_EQ(h.r.form().sel.picked, 1);
  EXPECT_EQ(h.r.form().sel.picked_x, 2);
}

TEST(Thinking, EndingTheProgramStopsTheSearchAndDropsWhatWaited) {
  for (const char* end : {"key 27", "close", "menu OWARI"}) {
    HeldGame h;
    run_lines(h.r, h.out, {"set nodes 2000", "menu LEVEL4", "menu GOTE", "menu AFTER"});
    ASSERT_TRUE(h.thinker.busy()) << end;
    EXPECT_NE(run_lines(h.r, h.out, {end}).find("end"), std::string::npos) << end;
    EXPECT_TRUE(h.r.ended());
    EXPECT_EQ(h.thinker.cancelled(), 1) << end;
    EXPECT_TRUE(h.r.form().waiting.empty());
  }
}

TEST(Thinking, TheHintSearchesForEitherPersonAndChangesNothingButTwoOutlines) {
  HeldGame h;
  // The top person to move, a gold in hand that mates by a drop in front of the bottom king.
  run_lines(h.r, h.out,
            {"menu START", "clear", "put 9 1 950", "put 5 7 10", "put 5 9 -950", "hand ue 5 1",
             "set teban -1", "set nodes 20000", "menu HINT"});
  ASSERT_TRUE(h.thinker.busy());
  const std::string dump = run_lines(h.r, h.out, {"dump", "record"});
  h.finish();
  ASSERT_TRUE(h.r.form().hint);
  EXPECT_EQ(source_cell(*h.r.form().hint), (Square{MOCHI_UE_X, 3}));  // kind 5 shows in row 3
  EXPECT_EQ(h.r.form().hint->to, (Square{5, 8}));
  EXPECT_EQ(*h.r.screen().outline_at(MOCHI_UE_X, 3), IRO_KIIRO);
  EXPECT_EQ(*h.r.screen().outline_at(5, 8), IRO_KIIRO);
  EXPECT_EQ(run_lines(h.r, h.out, {"dump", "record"}), dump);
  // The next press takes the outlines away.
  run_lines(h.r, h.out, {"cell 1 9"});
  EXPECT_FALSE(h.r.form().hint);
  EXPECT_EQ(*h.r.screen().outline_at(MOCHI_UE_X, 3), h.r.form().look.background_colour);
  EXPECT_EQ(*h.r.screen().outline_at(5, 8), h.r.form().look.grid_colour);
}

// The search is told the game's earlier positions, the mover of each to move, up to the one shown.
TEST(Thinking, TheSearchKnowsTheGamesEarlierPositions) {
  HeldGame h;
  run_lines(h.r, h.out, {"menu LEVEL1", "menu GOTE", "cell 7 7", "cell 7 6"});
  ASSERT_EQ(h.g().record.current_move(), 3);
  const std::vector<engine::Key> keys = earlier_positions(h.g());
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0], engine::from_game(starting_position(), true).key());  // the computer opened
  run_lines(h.r, h.out, {"menu REPLAY"});
  EXPECT_EQ(earlier_positions(h.g()), std::vector<engine::Key>(keys.begin(), keys.begin() + 2));
  // Stepped back, the board shows the last of them again, the computer to move.
  EXPECT_EQ(engine::from_game(h.g().pos, true).key(), keys[2]);
}

// Under a time control levels 4 and 5 think as the side to move's clock allows: well inside the
// 秒読み, a share of the main time, a node bound where one is set.
TEST(Thinking, UnderATimeControlTheBudgetComesFromTheMoversClock) {
  HeldGame h;
  Form& f = h.r.form();
  Game& g = h.g();
  g.side_to_move = g.top_side;
  g.time_control = {0, 1, 0};
  EXPECT_NEAR(search_limits(f, 5).seconds, 0.7, 1e-9);  // 1 s less a margin and a tenth
  EXPECT_NEAR(search_limits(f, 4).seconds, 0.14, 1e-9);
  g.time_control = {600, 0, 0};
  g.top_left = 600;
  g.bottom_left = 3;
  EXPECT_NEAR(search_limits(f, 5).seconds, 20, 1e-9);  // a thirtieth of what is left
  g.side_to_move = g.bottom_side;
  EXPECT_LE(search_limits(f, 5).seconds, 1.5);  // never more than half of it
  f.search_nodes = 5000;
  EXPECT_EQ(search_limits(f, 5).nodes, 5000u);
  EXPECT_EQ(search_limits(f, 5).seconds, 0);
}

// The computer whose time runs out while it thinks loses: its search is given up.
TEST(Thinking, TheComputerWhoseTimeRunsOutWhileItThinksLoses) {
  HeldGame h;
  run_lines(h.r, h.out,
            {"timecontrol 0 1 0", "menu LEVEL4", "menu SENTE", "time 0.5", "cell 7 7", "cell 7 6"});
  ASSERT_TRUE(h.thinker.busy());
  EXPECT_EQ(run_lines(h.r, h.out, {"time 1.4", "tick"}).find("時間切れ"), std::string::npos);
  const std::string said = run_lines(h.r, h.out, {"answer no", "time 1.5", "tick"});
  EXPECT_NE(said.find("msgbox \"対局\" \"時間切れです\" ok -> ok\n"
                      "msgbox \"終了\" \"あなたの勝ちです\" ok -> ok\n"),
            std::string::npos)
      << said;
  EXPECT_FALSE(h.thinker.busy());
  EXPECT_EQ(h.thinker.cancelled(), 1);
}

}  // namespace
}  // namespace hakuro
