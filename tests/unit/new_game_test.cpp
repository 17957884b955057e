// The new-game dialog's choices that the scenarios cannot show: the rules and the time control
// the game starts with, and the last game's file keeping them.
#include <gtest/gtest.h>

#include <sstream>

#include "record/kif_file.h"
#include "record/last_game.h"
#include "replay.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;

TEST(NewGame, TheRulesAndTheTimeControlChosenStartTheGameAndAreKept) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  const Game& g = r.form().g;
  run_lines(r, out,
            {"dialog sente level1", "dialog gote man", "dialog rules standard", "dialog main 600",
             "dialog byoyomi 10", "menu NEW_GAME"});
  EXPECT_EQ(g.rules, Rules::standard);
  EXPECT_EQ(g.record.rules(), Rules::standard);
  EXPECT_EQ(g.time_control, (TimeControl{600, 10, 0}));
  EXPECT_EQ(r.form().next_time_control, g.time_control);
  EXPECT_EQ(g.record.held(), 1);  // the computer, 先手, has moved
  EXPECT_DOUBLE_EQ(g.top_left, 600);
  const LastGame last = last_game_from(load_kif(kLastGameFile).game);
  EXPECT_EQ(last.standing.rules, Rules::standard);
  EXPECT_EQ(last.standing.time_control, g.time_control);
  EXPECT_EQ(last.standing.top_left_ms, 600000);

  // Cancelled (nothing queued): nothing changes.
  run_lines(r, out, {"menu NEW_GAME"});
  EXPECT_EQ(g.record.held(), 1);
  // The program's own rules again, without a time control, between two people.
  run_lines(r, out,
            {"dialog sente man", "dialog rules own", "dialog main 0", "dialog byoyomi 0",
             "menu NEW_GAME"});
  EXPECT_EQ(g.rules, Rules::own);
  EXPECT_FALSE(g.time_control.on());
  EXPECT_EQ(g.play_mode, MODE_MAN);
  EXPECT_EQ(g.record.held(), 0);
}

}  // namespace
}  // namespace hakuro
