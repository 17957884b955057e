// Every file the program reads (the settings, the wave files, the records, KIF files) is read
// only when it is a regular file: a folder, a FIFO or a file that cannot be read counts as one
// that cannot be read, and no read throws out of an event.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "control/record_menu.h"
#include "record/kif_file.h"
#include "replay.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;
namespace fs = std::filesystem;

enum class Odd { folder, fifo, no_permission, read_fails };

const char* name_of(Odd kind) {
  switch (kind) {
    case Odd::folder: return "a folder";
    case Odd::fifo: return "a FIFO";
    case Odd::no_permission: return "a file without read permission";
    case Odd::read_fails: return "a file whose reads fail";
  }
  return "";
}

// Permission bits do not stop root from reading, so there the case says nothing and is left out;
// a file whose every read fails (the process's own memory, read from address 0) stands for
// unreadable files whoever runs the tests.
std::vector<Odd> odd_kinds() {
  if (::geteuid() != 0) return {Odd::folder, Odd::fifo, Odd::no_permission, Odd::read_fails};
  static bool said = false;
  if (!said) std::cout << "[ NOTE     ] running as root: no file without read permission\n";
  said = true;
  return {Odd::folder, Odd::fifo, Odd::read_fails};
}

void make(Odd kind, const std::string& utf8_name) {
  const fs::path p = fs::u8path(utf8_name);
  switch (kind) {
    case Odd::folder: fs::create_directory(p); break;
    case Odd::fifo: ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); break;
    case Odd::no_permission:
      TestFolder::write(utf8_name, "t\r\nu\r\nv\r\n");
      fs::permissions(p, fs::perms::none);
      break;
    case Odd::read_fails: fs::create_symlink("/proc/self/mem", p); break;
  }
}

// At start-up the settings give way to the defaults, and a wave file to the sound library's
// message and silence.
TEST(FileRead, StartUpTakesTheDefaultsAndLeavesTheSoundSilent) {
  for (Odd kind : odd_kinds()) {
    TestFolder folder;
    make(kind, "HAKURO将棋1.ini");
    make(kind, "駒打音.wav");
    std::ostringstream out;
    std::unique_ptr<replay::Replay> r;
    ASSERT_NO_THROW(r = std::make_unique<replay::Replay>(out)) << name_of(kind);
    EXPECT_FALSE(r->ended()) << name_of(kind);
    EXPECT_EQ(r->form().move_sound, 0);
    const Options& o = r->form().look.options;
    EXPECT_TRUE(o.background == HAIKEI_MIDORI && !o.guidance && o.show_times && o.music)
        << name_of(kind);
    std::string said =
        kind == Odd::no_permission ? "ファイルを開けません。" : "ファイルを読み込めません。";
    said = "msgbox \"HAKUROKAISEN将棋.dll\" \"" + said + "\" ok -> ok\n";
    // Only a folder stays in the way of the defaults, which then cannot be written.
    if (kind == Odd::folder)
      said +=
          "msgbox \"HAKURO KAISEN将棋\" \"設定ファイル「HAKURO将棋1.ini」に書き込めません。\" ok "
          "-> ok\n";
    EXPECT_EQ(out.str(), said) << name_of(kind);
  }
}

TEST(FileRead, ARecordThatCannotBeReadIsRefusedAndChangesNothing) {
  for (Odd kind : odd_kinds()) {
    TestFolder folder;
    std::ostringstream out;
    replay::Replay r(out);
    for (const char* l : {"menu START", "cell 3 7", "cell 3 6"}) r.line(l);
    make(kind, "x.棋譜");
    const std::string before = run_lines(r, out, {"dump"});
    // The panel's own folder is a name that is no file, too.
    std::vector<std::string> names = {"x.棋譜"};
    if (kind == Odd::folder) names.insert(names.end(), {"", "."});
    for (const std::string& name : names) {
      out.str("");
      Form& f = r.form();
      EXPECT_NO_THROW(run_event(f, [&] { on_file_clicked(f, name); })) << name_of(kind);
      EXPECT_EQ(out.str(), "msgbox \"棋譜\" \"棋譜ﾌｧｲﾙを読み込めません\" ok -> ok\n")
          << name_of(kind) << " named \"" << name << '"';
    }
    EXPECT_EQ(run_lines(r, out, {"dump"}), before) << name_of(kind);
  }
}

TEST(FileRead, AKifFileThatCannotBeReadIsRefused) {
  for (Odd kind : odd_kinds()) {
    TestFolder folder;
    make(kind, "x.kif");
    KifRead r;
    EXPECT_NO_THROW(r = load_kif("x.kif")) << name_of(kind);
    EXPECT_EQ(r.problem, KifProblem::unreadable) << name_of(kind);
  }
}

}  // namespace
}  // namespace hakuro
