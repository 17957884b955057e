// A child process talked to in lines: starting, the round trip, a child that dies or says
// nothing, and nothing left behind.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/process.h"

namespace hakuro {
namespace {

using std::chrono::milliseconds;
using Read = ChildProcess::Read;

int open_fds() {
  int n = 0;
  for (const auto& e : std::filesystem::directory_iterator("/proc/self/fd")) n += !e.path().empty();
  return n;
}

TEST(ChildProcess, AProgramThatCannotRunIsReported) {
  ChildProcess p;
  EXPECT_NE(p.start("/nonexistent/engine"), "");
  EXPECT_FALSE(p.running());
  const std::filesystem::path plain =
      std::filesystem::temp_directory_path() / "hakuro-not-executable";
  std::ofstream(plain) << "#!/bin/sh\n";
  std::filesystem::permissions(
      plain, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_NE(p.start(plain.string()), "");
  EXPECT_FALSE(p.running());
  std::string line;
  EXPECT_EQ(p.read_line(line, milliseconds(10)), Read::closed);
  EXPECT_FALSE(p.write_line("usi"));
  std::filesystem::remove(plain);
}

TEST(ChildProcess, LinesGoThereAndBackAndTheEndIsSeen) {
  const int fds = open_fds();
  {
    ChildProcess p;
    ASSERT_EQ(p.start("cat"), "");
    EXPECT_TRUE(p.running());
    ASSERT_TRUE(p.write_line("usi"));
    ASSERT_TRUE(p.write_line("position startpos moves 7g7f"));
    std::string line;
    ASSERT_EQ(p.read_line(line, milliseconds(5000)), Read::line);
    EXPECT_EQ(line, "usi");
    ASSERT_EQ(p.read_line(line, milliseconds(5000)), Read::line);
    EXPECT_EQ(line, "position startpos moves 7g7f");
    p.close(milliseconds(2000));
    EXPECT_FALSE(p.running());
  }
  {
    // CR LF ends and a last line without an end.
    ChildProcess p;
    ASSERT_EQ(p.start("sh", {"-c", "printf 'a\\r\\nb'"}), "");
    std::string line;
    ASSERT_EQ(p.read_line(line, milliseconds(5000)), Read::line);
    EXPECT_EQ(line, "a");
    ASSERT_EQ(p.read_line(line, milliseconds(5000)), Read::line);
    EXPECT_EQ(line, "b");
    EXPECT_EQ(p.read_line(line, milliseconds(5000)), Read::closed);
  }
  EXPECT_EQ(open_fds(), fds) << "a pipe left open";
}

TEST(ChildProcess, AChildThatDiesIsSeenAndWritingToItIsHarmless) {
  ChildProcess p;
  ASSERT_EQ(p.start("sh", {"-c", "read x; exit 3"}), "");
  ASSERT_TRUE(p.write_line("go"));
  std::string line;
  EXPECT_EQ(p.read_line(line, milliseconds(5000)), Read::closed);
  for (int i = 0; i < 200 && p.running(); ++i) usleep(10'000);
  EXPECT_FALSE(p.running());
  // Its input is closed: the write fails rather than raising SIGPIPE.
  EXPECT_FALSE(p.write_line(std::string(1 << 17, 'x')));
}

TEST(ChildProcess, ASilentChildTimesOutAndIsKilledWithWhatItStarted) {
  ChildProcess p;
  ASSERT_EQ(p.start("sh", {"-c", "sleep 60; echo late"}), "");
  std::string line;
  EXPECT_EQ(p.read_line(line, milliseconds(100)), Read::timeout);
  EXPECT_TRUE(p.running());
  const auto before = std::chrono::steady_clock::now();
  p.close(milliseconds(100));
  EXPECT_FALSE(p.running());
  // Killed rather than waited for: the sleep was ended with it.
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(30));
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "a child left unreaped";
}

}  // namespace
}  // namespace hakuro
