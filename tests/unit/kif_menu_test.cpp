// KIF files and SFEN from the menus: what a written file says of the game held (its start time,
// the players, the result), the files too large or too long to read, and the start time's
// arithmetic.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/text_file.h"
#include "record/exchange.h"
#include "record/kifu.h"
#include "replay.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;

bool has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The header lines of a KIF text, up to the moves.
std::string header(const std::string& kif) { return kif.substr(0, kif.find("手数----")); }

TEST(KifMenu, TheFileTellsWhoPlayedWhenItBeganAndHowItEnded) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  // Against the computer at level 2; the human thinks 25 seconds over the first move.
  run_lines(r, out,
            {"menu LEVEL2", "time 43200", "menu SENTE", "time 43225", "cell 3 7", "cell 3 6",
             "time 43230", "cell 7 7", "cell 7 6"});
  ASSERT_EQ(r.form().g.record.last_move(), 4);
  const std::string said = run_lines(r, out, {"file_answer \"game.kifu\"", "menu KIF_WRITE"});
  EXPECT_TRUE(has(said, "KIFﾌｧｲﾙを書き込みました")) << said;
  const std::string kif = TestFolder::read("game.kifu");
  EXPECT_EQ(header(kif),
            "開始日時：2000/01/01 12:00:00\r\n手合割：平手\r\n先手：あなた\r\n"
            "後手：コンピュータ(LEVEL 2)\r\n");
  EXPECT_TRUE(has(kif, "   1 ７六歩(77)   ( 0:25/00:00:25)\r\n")) << kif;

  // The record panel's names and title win; the game's result ends the file, a resignation of
  // the player to move with its own line. The roles stay with the moves after 最初.
  Record& rec = r.form().g.record;
  rec.set_end({EndReason::resigned, false});
  run_lines(r, out, {"file_answer \"other.kifu\"", "menu KIF_WRITE"});
  const std::string other = TestFolder::read("other.kifu");
  EXPECT_TRUE(has(other, "   4 ２二銀(31)   ( 0:00/00:00:00)\r\nまで4手で先手の勝ち\r\n")) << other;
  rec.set_end({EndReason::resigned, true});
  run_lines(r, out,
            {"menu KIFU_WRITE", "text 2 \"早指し\"", "text 3 \"山田\"", "file_answer \"named\"",
             "menu KIF_WRITE"});
  const std::string named = sjis_to_utf8(TestFolder::read("named.kif"));
  EXPECT_TRUE(has(named, "先手：山田\r\n後手：コンピュータ(LEVEL 2)\r\n棋戦：早指し\r\n")) << named;
  EXPECT_TRUE(has(named, "   5 投了\r\nまで4手で後手の勝ち\r\n")) << named;
  rec.set_end({EndReason::king_taken, true});
  run_lines(r, out, {"menu CANCEL", "file_answer \"taken.kifu\"", "menu KIF_WRITE"});
  const std::string taken = TestFolder::read("taken.kifu");
  EXPECT_TRUE(has(taken, "後手：コンピュータ(LEVEL 2)")) << taken;
  EXPECT_TRUE(has(taken, "\r\nまで4手で後手の勝ち\r\n")) << taken;
  EXPECT_FALSE(has(taken, "投了"));

  // Read back, the names and title are the file's, and written again unchanged; a new game
  // against the computer from the start takes the roles back.
  const std::string loaded = run_lines(r, out, {"file_answer \"named.kif\"", "menu KIF_READ"});
  EXPECT_TRUE(has(loaded, " 読み込みました")) << loaded;
  EXPECT_EQ(rec.end().reason, EndReason::resigned);
  run_lines(r, out, {"file_answer \"again.kif\"", "menu KIF_WRITE"});
  EXPECT_EQ(TestFolder::read("again.kif"), TestFolder::read("named.kif"));
  run_lines(r, out,
            {"menu SENTE", "cell 3 7", "cell 3 6", "file_answer \"fresh.kifu\"", "menu KIF_WRITE"});
  EXPECT_TRUE(has(TestFolder::read("fresh.kifu"), "先手：あなた\r\n"));
}

// The header names the level the game began at; each later change is a comment at the move
// after which it was made, and comes back with the file.
TEST(KifMenu, LevelChangesAreKeptAsComments) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  // After move 2, level 1 then 3 (the second replaces the first), then 3 again (no change).
  run_lines(r, out,
            {"menu LEVEL2", "menu SENTE", "cell 3 7", "cell 3 6", "menu LEVEL1", "menu LEVEL3",
             "menu LEVEL3", "cell 7 7", "cell 7 6", "menu LEVEL1", "file_answer \"levels.kifu\"",
             "menu KIF_WRITE"});
  const Record& rec = r.form().g.record;
  ASSERT_EQ(rec.last_move(), 4);
  const std::string kif = TestFolder::read("levels.kifu");
  EXPECT_TRUE(has(header(kif), "後手：コンピュータ(LEVEL 2)\r\n")) << kif;
  const std::size_t after_second = kif.find("\r\n", kif.find("\r\n   2 ") + 2);
  EXPECT_EQ(kif.substr(after_second, 15), "\r\n*LEVEL3\r\n   3") << kif;
  EXPECT_TRUE(kif.ends_with(")\r\n*LEVEL1\r\n")) << kif;

  // Loaded again, the comments are the record's.
  Game& g = r.form().g;
  const std::vector<std::string> comments = g.record.comments();
  EXPECT_EQ(comments, (std::vector<std::string>{"", "", "LEVEL3", "", "LEVEL1"}));
  run_lines(r, out, {"file_answer \"levels.kifu\"", "menu KIF_READ"});
  EXPECT_EQ(g.record.comments(), comments);

  // Played again from move 2: the change after move 4 is gone with it, yet move 4 is made at
  // level 1, and the record says so.
  replay::Replay again(out);
  run_lines(again, out,
            {"menu LEVEL2", "menu SENTE", "cell 3 7", "cell 3 6", "menu LEVEL3", "cell 7 7",
             "cell 7 6", "menu LEVEL1", "menu REPLAY", "menu REPLAY", "cell 2 7", "cell 2 6"});
  const Record& played = again.form().g.record;
  ASSERT_EQ(played.last_move(), 4);
  EXPECT_EQ(played.comments(), (std::vector<std::string>{"", "", "LEVEL1"}));
  EXPECT_EQ(level_after(played, 3), 1);
}

TEST(KifMenu, FilesTooLargeOrTooLongAreRefusedAndChangeNothing) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  // A record held (after 最初, since no file is read while a game runs).
  run_lines(r, out, {"menu START", "cell 3 7", "cell 3 6", "menu CANCEL"});
  const std::string before = run_lines(r, out, {"dump", "record"});

  // Both kings walk up and down: this game never ends by repetition, so every move fits.
  std::string longest = "手合割：平手\r\n手数----指手---------消費時間--\r\n";
  const char* walk[] = {"５八玉(59)", "５二玉(51)", "５九玉(58)", "５一玉(52)"};
  for (std::size_t n = 1; n <= kKifMaxMoves + 1; ++n)
    longest += std::to_string(n) + " " + walk[(n - 1) % 4] + "\r\n";
  TestFolder::write("long.kifu", longest);
  TestFolder::write("large.kifu", std::string(kKifMaxBytes + 1, '*'));
  EXPECT_EQ(run_lines(r, out, {"file_answer \"long.kifu\"", "menu KIF_READ"}),
            "sound dsPlay none\nmsgbox \"KIF読込\" \"KIFﾌｧｲﾙの10003行目: "
            "手数が多すぎます(10000手まで)\" ok -> ok\n");
  EXPECT_EQ(run_lines(r, out, {"file_answer \"large.kifu\"", "menu KIF_READ"}),
            "sound dsPlay none\nmsgbox \"KIF読込\" \"KIFﾌｧｲﾙが大きすぎます(1MBまで)\" ok -> ok\n");
  EXPECT_EQ(run_lines(r, out, {"dump", "record"}), before);

  // One move fewer is read whole.
  longest.resize(longest.rfind("10001 "));
  TestFolder::write("long.kifu", longest);
  EXPECT_TRUE(
      has(run_lines(r, out, {"file_answer \"long.kifu\"", "menu KIF_READ"}), " 読み込みました"));
  EXPECT_EQ(r.form().g.record.last_move(), 10000);
}

TEST(KifMenu, TheStartTimeIsWhenTheFirstTurnBegan) {
  EXPECT_EQ(started_before({2000, 1, 1, 0, 0, 5}, 10.9), (DateTime{1999, 12, 31, 23, 59, 55}));
  EXPECT_EQ(started_before({2024, 3, 1, 12, 0, 0}, 86400), (DateTime{2024, 2, 29, 12, 0, 0}));
  EXPECT_EQ(started_before({2024, 3, 1, 12, 0, 0}, -3), (DateTime{2024, 3, 1, 12, 0, 0}));
}

}  // namespace
}  // namespace hakuro
