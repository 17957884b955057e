// Text files in the Japanese code page (Shift-JIS, CP932) with CR LF line ends, read and written
// a line at a time. The program's own strings are UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/file_io.h"

namespace hakuro {

std::string utf8_to_sjis(const std::string& s);
// Each character Shift-JIS cannot hold, and each byte that starts none, becomes '?'. Takes time
// in proportion to the length of `s` whatever its bytes.
std::string sjis_to_utf8(const std::string& s);

// The longest line of any of our text files that is read (in bytes, without its line end); no
// valid line comes near it.
inline constexpr std::size_t kMaxLine = 1024;

// The lines of a text: split at each LF, each without its line end (LF or CR LF); no line
// follows a final line end. Takes time in proportion to the bytes.
class Lines {
 public:
  explicit Lines(std::string_view text) : rest_(text) {}
  std::optional<std::string_view> next();

 private:
  std::string_view rest_;
};

// A text file read a line at a time; only a regular file is read (platform/file_io.h).
class SjisReader {
 public:
  // What line() gives for a line longer than kMaxLine: a lone 0xFF byte. Converted text is always
  // UTF-8, which never holds that byte, so it equals no line of any file, valid or not.
  static constexpr std::string_view kInvalidLine = "\xFF";

  explicit SjisReader(const std::string& utf8_path);
  SjisReader(const SjisReader&) = delete;
  SjisReader& operator=(const SjisReader&) = delete;
  // False when the file is missing, is no regular file, or cannot be read to its end.
  bool is_open() const { return file_.ok(); }
  // The next line without its line end, converted to UTF-8; kInvalidLine for a line longer than
  // kMaxLine, which is read past unconverted; nothing at the end of the file. Takes time in
  // proportion to the bytes read.
  std::optional<std::string> line();

 private:
  FileBytes file_;
  Lines lines_;
};

// A text file written a line at a time, and replaced as a whole when it is closed.
class SjisWriter {
 public:
  explicit SjisWriter(std::string utf8_path) : path_(std::move(utf8_path)) {}
  void line(const std::string& utf8);
  // Replaces the file atomically (platform/file_io.h); false when anything failed to reach it,
  // and the old file is then as it was.
  bool close();

 private:
  std::string path_;
  std::string bytes_;
};

}  // namespace hakuro
