#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/text_file.h"
#include "replay.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;

std::string sjis_lines(std::initializer_list<const char*> lines) {
  std::string s;
  for (const char* l : lines) s += utf8_to_sjis(l) + "\r\n";
  return s;
}

TEST(Settings, FirstRunWritesTheDefaultsInShiftJis) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  EXPECT_EQ(TestFolder::read("HAKURO将棋1.ini"),
            sjis_lines({"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"}));
  EXPECT_EQ(out.str(), "");  // no message, and the music waits for the next start
}

TEST(Settings, EveryOptionChangeRewritesTheFile) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  r.line("menu SIDOU");
  r.line("menu KEIKA");
  r.line("menu BGM");
  r.line("menu UCHU");
  EXPECT_EQ(TestFolder::read("HAKURO将棋1.ini"),
            sjis_lines({"背景画=宇宙", "移動指導=ON", "経過時間=OFF", "BGM=OFF"}));
  EXPECT_EQ(r.form().look.background, HAIKEI_UCHU);
}

// A crash or a full disk while the file is written leaves the old file whole: the new one is
// written beside it and renamed over it, so whoever had the old one open still reads all of it.
TEST(Settings, TheFileIsReplacedWholeNeverRewrittenInPlace) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  const std::string before = TestFolder::read("HAKURO将棋1.ini");
  std::ifstream held(std::filesystem::u8path("HAKURO将棋1.ini"), std::ios::binary);
  r.line("menu SIDOU");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(held), {}), before);
  EXPECT_EQ(TestFolder::read("HAKURO将棋1.ini"),
            sjis_lines({"背景画=緑", "移動指導=ON", "経過時間=ON", "BGM=ON"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1)
      << "no temporary file is left";
}

// The options live in the game record: the menu's check marks show them and the file is written
// from them, whatever the window's marks were set to by hand.
TEST(Settings, TheFileAndTheCheckMarksFollowTheOptions) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  r.window().set_checked("SIDOU", true);  // a mark no option stands behind
  r.line("check TAKE 1");                 // as if chosen before
  r.line("check BGM 0");
  r.line("menu KEIKA");
  EXPECT_EQ(TestFolder::read("HAKURO将棋1.ini"),
            sjis_lines({"背景画=竹", "移動指導=OFF", "経過時間=OFF", "BGM=OFF"}));
  EXPECT_EQ(run_lines(r, out, {"checked SIDOU", "checked MIDORI", "checked TAKE", "checked KEIKA"}),
            "checked SIDOU 0\nchecked MIDORI 0\nchecked TAKE 1\nchecked KEIKA 0\n");
}

TEST(Settings, AnUnknownBackgroundIsLeftOutAndTheNextStartFallsBackToTheDefaults) {
  TestFolder folder;
  TestFolder::write("HAKURO将棋1.ini",
                    sjis_lines({"背景画=水玉", "移動指導=ON", "経過時間=OFF", "BGM=OFF"}));
  {
    std::ostringstream out;
    replay::Replay r(out);
    EXPECT_EQ(r.form().look.guidance_on, 1);
    r.line("menu SIDOU");
    EXPECT_EQ(TestFolder::read("HAKURO将棋1.ini"),
              sjis_lines({"移動指導=OFF", "経過時間=OFF", "BGM=OFF"}));
  }
  std::ostringstream out;
  replay::Replay r(out);
  EXPECT_EQ(TestFolder::read("HAKURO将棋1.ini"),
            sjis_lines({"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"}));
  EXPECT_EQ(r.form().look.background, HAIKEI_MIDORI);
}

TEST(Sound, AnEmptyWaveFileIsReportedAndLeftSilent) {
  TestFolder folder;
  TestFolder::write("駒打音.wav", "");
  std::ostringstream out;
  replay::Replay r(out);
  EXPECT_EQ(
      out.str(),
      "msgbox \"HAKUROKAISEN将棋.dll\" \"ファイルにこれ以上データがありません。\" ok -> ok\n");
  EXPECT_EQ(r.form().move_sound, 0);
}

}  // namespace
}  // namespace hakuro
