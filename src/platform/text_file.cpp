#include "platform/text_file.h"

#include <iconv.h>

#include <cerrno>
#include <filesystem>

namespace hakuro {

namespace {

// Converts with iconv; an unconvertible character becomes '?' rather than ending the text.
std::string convert(const std::string& s, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return s;
  std::string out;
  char buf[256];
  char* in = const_cast<char*>(s.data());
  std::size_t in_left = s.size();
  while (in_left > 0) {
    char* o = buf;
    std::size_t o_left = sizeof buf;
    std::size_t r = iconv(cd, &in, &in_left, &o, &o_left);
    out.append(buf, static_cast<std::size_t>(o - buf));
    if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out.push_back('?');
      ++in;
      --in_left;
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string utf8_to_sjis(const std::string& s) { return convert(s, "CP932", "UTF-8"); }
std::string sjis_to_utf8(const std::string& s) { return convert(s, "UTF-8", "CP932"); }

SjisReader::SjisReader(const std::string& utf8_path)
    : in_(std::filesystem::u8path(utf8_path), std::ios::binary) {}

std::optional<std::string> SjisReader::line() {
  if (!in_.is_open()) return std::nullopt;
  std::string raw;
  if (!std::getline(in_, raw)) return std::nullopt;
  if (!raw.empty() && raw.back() == '\r') raw.pop_back();
  return sjis_to_utf8(raw);
}

SjisWriter::SjisWriter(const std::string& utf8_path)
    : out_(std::filesystem::u8path(utf8_path), std::ios::binary | std::ios::trunc) {}

void SjisWriter::line(const std::string& utf8) {
  if (out_.is_open()) out_ << utf8_to_sjis(utf8) << "\r\n";
}

bool SjisWriter::close() {
  if (!out_.is_open()) return false;
  out_.flush();
  const bool good = out_.good();
  out_.close();
  return good && !out_.fail();
}

}  // namespace hakuro
