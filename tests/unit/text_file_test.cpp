#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/text_file.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::TestFolder;

constexpr std::size_t kMax = kMaxLine;
const std::string kInvalid(SjisReader::kInvalidLine);

std::vector<std::string> read_lines(const std::string& bytes) {
  TestFolder::write("lines.txt", bytes);
  SjisReader in("lines.txt");
  std::vector<std::string> lines;
  while (std::optional<std::string> l = in.line()) lines.push_back(*l);
  return lines;
}

// Bytes no Shift-JIS character is made of, and one unassigned two-byte code.
std::string junk(std::size_t n) {
  std::string s;
  while (s.size() < n) s += "\xFF\x85\x40\xA0\x80";
  s.resize(n);
  return s;
}

TEST(SjisReader, LinesLongerThanTheCapAreReadPastAsInvalidLines) {
  TestFolder folder;
  const std::string a(kMax, 'a');
  const std::vector<std::string> lines =
      read_lines(utf8_to_sjis("背景画=緑") + "\r\n" + a + "\r\n" + a + "b\r\n" + junk(3'000'000) +
                 "\r\n" + "BGM=ON\n" + junk(2'000'000));
  EXPECT_EQ(lines,
            (std::vector<std::string>{"背景画=緑", a, kInvalid, kInvalid, "BGM=ON", kInvalid}));
  for (const char* valid : {"背景画=緑", "移動指導=ON", "経過時間=OFF", "BGM=ON"})
    EXPECT_NE(kInvalid, valid);
}

TEST(SjisReader, AFileOfJunkLinesGivesEachLineWithAQuestionMarkForEachBadCharacter) {
  TestFolder folder;
  // A lead byte before the CR LF and a bad trail byte are single bad characters; the byte after
  // a refused lead is read on its own.
  const std::string short_line = "\xFF\x85\x40" + utf8_to_sjis("緑") + "\x81\x20\x81";
  std::string bytes;
  for (int i = 0; i < 20000; ++i) bytes += short_line + "\r\n" + junk(kMax + 1 + i % 3) + "\r\n";
  const std::vector<std::string> lines = read_lines(bytes);
  ASSERT_EQ(lines.size(), 40000u);
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    ASSERT_EQ(lines[i], "??@緑? ?") << i;
    ASSERT_EQ(lines[i + 1], kInvalid) << i;
  }
}

}  // namespace
}  // namespace hakuro
