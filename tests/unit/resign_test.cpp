// 対局 → 投了: who loses, what the record keeps, and the refusals, which change nothing.
#include <gtest/gtest.h>

#include <sstream>

#include "replay.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;

// The question answered yes, then the winner and a new game.
std::string won(const char* name) {
  return std::string("msgbox \"投了\" \"投了しますか？\" yesno -> yes\n") + "msgbox \"終了\" \"" +
         name + "の勝ちです\" ok -> ok\n" + "msgbox \"再ゲーム\" \"続けますか？\" yesno -> yes\n";
}

TEST(Resign, TheSideToMoveLosesBetweenTwoPeople) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  const Record& record = r.form().g.record;
  run_lines(r, out, {"menu START"});
  EXPECT_EQ(run_lines(r, out, {"menu RESIGN"}), won("後手"));
  EXPECT_EQ(record.end().reason, EndReason::resigned);
  EXPECT_TRUE(record.end().top_won);
  EXPECT_EQ(r.form().g.side_to_move, TEBAN_NASI);  // Yes: a new game set up
  run_lines(r, out, {"menu START", "cell 3 7", "cell 3 6"});
  EXPECT_EQ(run_lines(r, out, {"menu RESIGN"}), won("先手"));
  EXPECT_FALSE(record.end().top_won);
  EXPECT_EQ(record.last_move(), 1);  // the moves played stay held
}

TEST(Resign, ThePersonLosesAgainstTheComputer) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  // The computer moves first; the person resigns at once, and No ends the program.
  run_lines(r, out, {"menu GOTE", "answer yes", "answer no"});
  EXPECT_EQ(run_lines(r, out, {"menu RESIGN"}),
            "msgbox \"投了\" \"投了しますか？\" yesno -> yes\n"
            "msgbox \"終了\" \"ｺﾝﾋﾟｭｰﾀの勝ちです\" ok -> ok\n"
            "msgbox \"再ゲーム\" \"続けますか？\" yesno -> no\n"
            "sound dsFree none\nsound dsFree none\nsound dsFree none\nsound dsFree none\n"
            "end\n");
  EXPECT_EQ(r.form().g.record.end().reason, EndReason::resigned);
  EXPECT_TRUE(r.form().g.record.end().top_won);
}

TEST(Resign, RefusalsChangeNothing) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  const auto refused = [&](const char* text, const char* title = "投了") {
    const std::string before = run_lines(r, out, {"dump", "record"});
    EXPECT_EQ(run_lines(r, out, {"menu RESIGN"}), std::string("sound dsPlay none\nmsgbox \"") +
                                                      title + "\" \"" + text + "\" ok -> ok\n");
    EXPECT_EQ(run_lines(r, out, {"dump", "record"}), before);
  };
  refused("「対局」で始めて下さい", "開始");
  run_lines(r, out, {"menu SENTE", "cell 3 7", "cell 3 6", "menu REPLAY"});
  refused("盤をクリックして対局を再開して下さい");
  // The bottom gold takes its own king; 進 over the capture decides the game again.
  run_lines(r, out,
            {"menu CANCEL", "menu START", "cell 4 9", "cell 5 9", "menu START", "menu AFTER"});
  refused("勝負はついています");
}

}  // namespace
}  // namespace hakuro
