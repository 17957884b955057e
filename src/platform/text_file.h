// Text files in the Japanese code page (Shift-JIS, CP932) with CR LF line ends, read and written
// a line at a time. The program's own strings are UTF-8.
#pragma once

#include <cstddef>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace hakuro {

std::string utf8_to_sjis(const std::string& s);
// Each character Shift-JIS cannot hold, and each byte that starts none, becomes '?'. Takes time
// in proportion to the length of `s` whatever its bytes.
std::string sjis_to_utf8(const std::string& s);

class SjisReader {
 public:
  // The longest line read (in bytes, without its line end); no valid line comes near it.
  static constexpr std::size_t kMaxLine = 1024;
  // What line() gives for a longer line: a lone 0xFF byte. Converted text is always UTF-8, which
  // never holds that byte, so it equals no line of any file, valid or not.
  static constexpr std::string_view kInvalidLine = "\xFF";

  explicit SjisReader(const std::string& utf8_path);
  bool is_open() const { return in_.is_open(); }
  // The next line without its line end, converted to UTF-8; kInvalidLine for a line longer than
  // kMaxLine, which is read past unconverted; nothing at the end of the file or on a read error.
  // Takes time in proportion to the bytes read.
  std::optional<std::string> line();
  void close() { in_.close(); }

 private:
  std::ifstream in_;
};

class SjisWriter {
 public:
  explicit SjisWriter(const std::string& utf8_path);
  bool is_open() const { return out_.is_open(); }
  void line(const std::string& utf8);
  // False when anything failed to reach the file.
  bool close();

 private:
  std::ofstream out_;
};

}  // namespace hakuro
