// The move record: stepping back and forward, and saving and loading record files.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "control/record_menu.h"
#include "platform/text_file.h"
#include "record/file.h"
#include "replay.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::TestFolder;

// Runs script lines and returns what they printed, but for sounds (this folder has no wave
// files; the scenarios hear them).
std::string run(replay::Replay& r, std::ostringstream& out,
                std::initializer_list<const char*> lines) {
  out.str("");
  for (const char* l : lines) r.line(l);
  std::istringstream in(out.str());
  std::string line, kept;
  while (std::getline(in, line))
    if (line.rfind("sound ", 0) != 0) kept += line + "\n";
  return kept;
}

std::string dump(replay::Replay& r, std::ostringstream& out) { return run(r, out, {"dump"}); }

// Everything `dump` prints but the two flags that stepping itself sets.
std::string position_of(replay::Replay& r, std::ostringstream& out) {
  std::istringstream in(dump(r, out));
  std::string line, kept;
  while (std::getline(in, line))
    if (line.rfind("chudan ", 0) != 0 && line.rfind("kifu_mode ", 0) != 0) kept += line + "\n";
  return kept;
}

// A game between two people with a promotion, captures of both sides' pieces (one of them the
// mover's own), drops from both hands and 125 seconds of thought.
const std::initializer_list<const char*> kGame = {
    "menu START",                            //
    "cell 3 7",   "cell 3 6",                // bottom pawn
    "cell 7 3",   "cell 7 4",                // top pawn
    "cell 2 8",   "cell 8 2 R",              // bottom bishop takes the bishop and promotes
    "cell 7 1",   "cell 8 2",                // top silver takes the horse
    "time 125",   "cell 11 8",  "cell 5 5",  // bottom drops a bishop
    "cell -1 2",  "cell 4 5",                // top drops the bishop (its hand's second row)
    "cell 8 8",   "cell 8 7",                // bottom rook takes its own pawn
    "cell 4 5",   "cell 6 7 R"};             // top bishop takes a pawn and promotes

// Recording over a move gives up the moves after it with their comments and the end; a cut at
// a later number than the moves reach names it the last without holding more; the move shown
// stays within the moves held; a last move named earlier hides the moves after it.
TEST(Record, ItsOperationsKeepWhatIsHeldShownAndEnded) {
  Record r;
  for (int n = 1; n <= 4; ++n) r.append(RecordMove{.move = board_move({}, {n, 0}, 0, 0)});
  r.set_comments({"start", "one", "two", "three", "four", "beyond"});
  r.set_end({EndReason::resigned, true});
  r.show(9);
  EXPECT_EQ(r.current_move(), 4);
  EXPECT_EQ(r.comments().size(), 5u);

  r.show(2);
  r.record(3, RecordMove{.move = board_move({}, {7, 0}, 0, 0)});
  EXPECT_EQ(r.held(), 3);
  EXPECT_EQ(r.last_move(), 3);
  EXPECT_EQ(r.move(3).move.to.x, 7);
  EXPECT_EQ(r.current_move(), 2);
  EXPECT_EQ(r.comments(), (std::vector<std::string>{"start", "one", "two"}));
  EXPECT_EQ(r.end().reason, EndReason::none);

  r.set_end({EndReason::mated, false});
  r.cut(8);
  EXPECT_EQ(r.held(), 3);
  EXPECT_EQ(r.last_move(), 8);
  EXPECT_FALSE(r.holds(4));
  EXPECT_EQ(r.end().reason, EndReason::mated);  // nothing held was given up

  // Naming an earlier last move hides the later ones; naming a later one shows them again.
  r.name_last(1);
  EXPECT_EQ(r.held(), 1);
  EXPECT_FALSE(r.holds(2));
  r.name_last(3);
  EXPECT_EQ(r.move(3).move.to.x, 7);
  r.cut(0);
  EXPECT_EQ(r.held(), 0);
  EXPECT_TRUE(r.comments().empty());
}

TEST(Record, BackToTheStartAndForwardAgainRestoresEverything) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  for (const char* l : kGame) r.line(l);
  Game& g = r.form().g;
  ASSERT_EQ(g.move_number, 8);
  const std::string end = position_of(r, out);
  const Table end_board = g.pos.board;
  for (int i = 0; i < 8; ++i) r.line("menu REPLAY");
  Game start;
  set_starting_position(start.pos);
  EXPECT_EQ(g.pos.board, start.pos.board);
  EXPECT_EQ(g.pos.bottom_hand_total + g.pos.top_hand_total, 0);
  EXPECT_EQ(run(r, out, {"menu REPLAY"}), "msgbox \"戻る\" \"できません\" ok -> ok\n");
  for (int i = 0; i < 8; ++i) r.line("menu AFTER");
  EXPECT_EQ(position_of(r, out), end);
  EXPECT_EQ(run(r, out, {"menu AFTER"}), "msgbox \"進む\" \"できません\" ok -> ok\n");
  // 最初, then a new game: 進 replays the record from its first move.
  r.line("menu CANCEL");
  EXPECT_EQ(run(r, out, {"menu AFTER"}), "msgbox \"開始\" \"「対局」で始めて下さい\" ok -> ok\n");
  r.line("menu START");
  for (int i = 0; i < 8; ++i) r.line("menu AFTER");
  EXPECT_EQ(g.pos.board, end_board);
}

TEST(Record, SavedBytesOfAKnownGame) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  for (const char* l : kGame) r.line(l);
  RecordMove last = r.form().g.record.move(8);
  last.top_time_after = 123456.7;  // longer than the field holds
  r.form().g.record.record(8, last);
  run(r, out,
      {"menu KIFU_WRITE", "text 1 game", "text 2 \"Title 1\"", "text 3 先手", "text 4 後手",
       "save"});
  EXPECT_EQ(out.str(), "msgbox \"  \" \"棋譜を書き込みました\" ok -> ok\n");
  const std::string expected = utf8_to_sjis("Title 1") + "\r\n" + utf8_to_sjis("後手") + "\r\n" +
                               utf8_to_sjis("先手") + "\r\n" +
                               "3 736-10 -10 0   0    0    0    0    \r\n"
                               "7 37410  10  0   0    0    0    0    \r\n"
                               "2 882-801-800800 0    0    0    0    \r\n"
                               "7 182100 100 -8010    0    0    0    \r\n"
                               "11855-800-8000   0    125  0    0    \r\n"
                               "-1245800 800 0   125  125  0    0    \r\n"
                               "8 887-900-900-10 125  125  0    0    \r\n"
                               "4 567801 800 -10 125  125  0    99999\r\n";
  EXPECT_EQ(TestFolder::read("game.棋譜"), expected);
}

TEST(Record, ALoadedRecordStepsToTheSamePosition) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  for (const char* l : kGame) r.line(l);
  Game& g = r.form().g;
  const Position end = g.pos;
  run(r, out, {"menu KIFU_WRITE", "text 1 game", "save", "menu KIFU_READ"});
  EXPECT_EQ(run(r, out, {"files"}), "file game.棋譜\n");
  r.line("open game.棋譜");
  EXPECT_EQ(g.record_mode, OK);
  EXPECT_EQ(g.record.last_move(), 8);
  EXPECT_EQ(g.move_number, 0);
  for (int i = 0; i < 8; ++i) r.line("menu AFTER");
  EXPECT_EQ(g.pos.board, end.board);
  EXPECT_EQ(g.pos.bottom_hand, end.bottom_hand);
  EXPECT_EQ(g.pos.top_hand, end.top_hand);
  EXPECT_EQ(run(r, out, {"menu AFTER"}), "msgbox \"進む\" \"終わり\" ok -> ok\n");
  EXPECT_EQ(run(r, out, {"menu REVERSE"}), "msgbox \"反転\" \"棋譜ﾓｰﾄﾞではできません\" ok -> ok\n");
}

TEST(Record, RefusedSavesWriteNothing) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  EXPECT_EQ(run(r, out, {"menu START", "text 1 a", "save"}),
            "msgbox \" \" \"先手の番です\" ok -> ok\n"
            "msgbox \"棋譜保存\" \"保存するデータがありません\" ok -> ok\n");
  r.line("cell 3 7");
  r.line("cell 3 6");
  for (const char* name :
       {"text 1 \"\"", "text 1 a/b", "text 1 \"a\\\\b\"", "text 1 .", "text 1 .."})
    EXPECT_NE(run(r, out, {name, "save"}).find("ﾌｧｲﾙ名"), std::string::npos) << name;
  EXPECT_EQ(run(r, out, {"text 1 a", "text 3 \"名人😀\"", "save"}),
            "msgbox \"棋譜書込\" \"「先手」に書き込めない文字があります\" ok -> ok\n");
  TestFolder::write("a.棋譜", "old");
  EXPECT_EQ(run(r, out, {"text 3 ok", "dir no-such-folder", "save"}),
            "msgbox \"棋譜書込\" \"棋譜を書き込めませんでした\" ok -> ok\n");
  EXPECT_EQ(TestFolder::read("a.棋譜"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 3)
      << "the settings, a.棋譜 and the last game; no temporary file is left";
}

TEST(Record, AnUnreadableDriveIsReportedAndTheFolderStays) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  Form& f = r.form();
  run_event(f, [&] { on_drive_chosen(f, "/no-such-volume"); });
  EXPECT_EQ(out.str(), "msgbox \"ｴﾗｰ\" \"ﾃﾞﾊﾞｲｽが準備できていません\" ok -> ok\n");
  EXPECT_EQ(f.win.panel_directory(), ".");
  run_event(f, [&] { on_drive_chosen(f, "/"); });
  EXPECT_EQ(f.win.panel_directory(), "/");
}

// A refused file changes nothing: one that cannot be read, a line that is no move, a file without
// moves, a move that does not fit the position it would be played on.
TEST(Record, ABadFileIsRefusedAndChangesNothing) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  const std::string header = "t\r\nu\r\nv\r\n";
  const std::string good = "3 736-10 -10 0   0    0    0    0    \r\n";
  TestFolder::write("short.棋譜", header);
  TestFolder::write("empty.棋譜", "");
  TestFolder::write("bad.棋譜", header + good + "3 736-10 -10 5   0    0    0    0    \r\n");
  TestFolder::write("twice.棋譜", header + good + good);  // the pawn has gone from (3,7)
  TestFolder::write("trailing.棋譜", header + good + "\r\n\r\n");
  r.line("menu START");
  r.line("cell 3 7");
  r.line("cell 3 6");
  r.line("cell 3 3");
  r.line("cell 3 4");
  const std::string before = dump(r, out);
  EXPECT_EQ(run(r, out, {"open bad.棋譜"}),
            "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙの5行目が正しくありません\" ok -> ok\n");
  EXPECT_EQ(run(r, out, {"open twice.棋譜"}),
            "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙの5行目が正しくありません\" ok -> ok\n");
  EXPECT_EQ(run(r, out, {"open missing.棋譜"}),
            "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙを読み込めません\" ok -> ok\n");
  for (const char* empty : {"open short.棋譜", "open empty.棋譜"})
    EXPECT_EQ(run(r, out, {empty}), "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません\" ok -> ok\n")
        << empty;
  EXPECT_EQ(dump(r, out), before);
  EXPECT_EQ(run(r, out, {"menu REPLAY", "menu REPLAY"}).find("できません"), std::string::npos)
      << "the record is still there";
  EXPECT_NE(run(r, out, {"open trailing.棋譜"}).find(" 読み込みました"), std::string::npos);
  EXPECT_EQ(r.form().g.record.last_move(), 1);
}

// A move line read and written again keeps its bytes: a top-hand drop's row names the hand's cell
// (8 - kind) or, as the computer writes it, the kind itself. A hand's column holding the other
// player's piece is no move.
TEST(RecordFile, MoveLinesAreWrittenAsTheyWereRead) {
  const std::string header = "t\r\nu\r\nv\r\n";
  for (const char* line : {"3 736-10 -10 0   0    0    3    0    ",     // a board move
                           "11555-30 -30 0   0    0    5    6    ",     // bottom knight: 3 + 2
                           "-175510  10  0   1    2    3    4    ",     // top pawn, a person's
                           "-115510  10  0   1    2    3    4    ",     // the computer's
                           "-1455100 100 0   1    2    3    4    "}) {  // top silver: 4 both
    const Parsed p = parse_record(header + line + "\r\n");
    ASSERT_TRUE(p.ok) << line;
    EXPECT_EQ(move_line(p.record.moves.at(0)), line);
  }
  EXPECT_FALSE(parse_record(header + "-1755-10 -10 0\r\n").ok);
  EXPECT_FALSE(parse_record(header + "1155530  30  0\r\n").ok);
}

TEST(RecordFile, EveryFieldIsCheckedAgainstItsRange) {
  const std::string header = "t\r\nu\r\nv\r\n";
  auto line_of = [&](const std::string& move) { return parse_record(header + move + "\r\n"); };
  EXPECT_TRUE(line_of("3 736-10 -10 0   0    0    0    0    ").ok);
  EXPECT_TRUE(line_of("11855-800-8000").ok);  // short: the times read as 0
  for (const char* bad : {"0 736-10 -10 0", "10736-10 -10 0", "3 706-10 -10 0", "3 730-10 -10 0",
                          "3 736-12 -10 0", "3 736-10 0   0", "3 736-10 -10 7", "junk"}) {
    const Parsed p = line_of(bad);
    EXPECT_FALSE(p.ok) << bad;
    EXPECT_EQ(p.bad_line, 4) << bad;
  }
  EXPECT_EQ(parse_record(header + "\r\n3 736-10 -10 0\r\n").bad_line, 4);  // an empty line
  EXPECT_FALSE(parse_record(header + std::string(100000, '7') + "\r\n").ok);
  const Parsed p = parse_record(std::string("\xff\xfe") + "\n" + std::string(5000, '\x81'));
  EXPECT_FALSE(p.ok);
  EXPECT_EQ(p.bad_line, 2);
  EXPECT_TRUE(parse_record("").ok);  // no header, no moves: the caller says there is no data
}

// Every line of a record that does not fit the game so far is named: the saved game with one of
// its moves changed, or with a move after a king's capture.
TEST(Record, TheFirstMoveThatDoesNotFitIsNamed) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  for (const char* l : kGame) r.line(l);
  run(r, out, {"menu KIFU_WRITE", "text 1 game", "save"});
  std::vector<std::string> lines;
  std::istringstream in(TestFolder::read("game.棋譜"));
  for (std::string l; std::getline(in, l);) lines.push_back(l + "\n");
  ASSERT_EQ(lines.size(), 11u);
  auto refused_at = [&](std::size_t line, const std::string& changed) {
    std::vector<std::string> file = lines;
    file[line - 1] = changed;
    std::string bytes;
    for (const std::string& l : file) bytes += l;
    TestFolder::write("changed.棋譜", bytes);
    return run(r, out, {"open changed.棋譜"}) == "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙの" +
                                                     std::to_string(line) +
                                                     "行目が正しくありません\" ok -> ok\n";
  };
  const std::string before = dump(r, out);
  EXPECT_TRUE(refused_at(6, "2 882-801-8000   0    0    0    0    \r\n"));   // took no bishop
  EXPECT_TRUE(refused_at(7, "7 182100 100 0   0    0    0    0    \r\n"));   // took no horse
  EXPECT_TRUE(refused_at(8, "11857-800-8000   0    125  0    0    \r\n"));   // onto a pawn
  EXPECT_TRUE(refused_at(9, "-1245110 110 0   125  125  0    0    \r\n"));   // holds no gold
  EXPECT_TRUE(refused_at(10, "8 687-900-900-10 125  125  0    0    \r\n"));  // an empty square
  EXPECT_TRUE(refused_at(11, "4 567801 800 0   125  125  0    0    \r\n"));  // a pawn is there
  EXPECT_EQ(dump(r, out), before);

  // The bottom gold takes its own king; nothing may follow.
  const std::string header = "t\r\nu\r\nv\r\n";
  const std::string own_king = "4 959-110-110-950\r\n", pawn = "7 37410  10  0\r\n";
  TestFolder::write("king.棋譜", header + own_king);
  TestFolder::write("after.棋譜", header + own_king + pawn);
  EXPECT_EQ(run(r, out, {"open after.棋譜"}),
            "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙの5行目が正しくありません\" ok -> ok\n");
  EXPECT_NE(run(r, out, {"open king.棋譜"}).find(" 読み込みました"), std::string::npos);
}

}  // namespace
}  // namespace hakuro
