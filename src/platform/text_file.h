// Text files in the Japanese code page (Shift-JIS, CP932) with CR LF line ends, read and written
// a line at a time. The program's own strings are UTF-8.
#pragma once

#include <fstream>
#include <optional>
#include <string>

namespace hakuro {

std::string utf8_to_sjis(const std::string& s);
std::string sjis_to_utf8(const std::string& s);

class SjisReader {
 public:
  explicit SjisReader(const std::string& utf8_path);
  bool is_open() const { return in_.is_open(); }
  // The next line without its line end, or nothing at the end of the file or on a read error.
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
