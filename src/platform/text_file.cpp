#include "platform/text_file.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <vector>

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

// The UTF-8 of one Shift-JIS character; size 0 when it has none.
struct Utf8Char {
  std::uint8_t size = 0;
  char bytes[4];
};

// iconv's Shift-JIS to UTF-8 conversion asked once for every one- and two-byte character, so that
// reading a text is one look-up a character. Calling iconv again after each byte it refuses would
// make a text of bad bytes one call a byte, and a call may cost as much as the rest of the text.
class SjisTable {
 public:
  SjisTable() : pair_(128 * 256) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) {  // no converter: ASCII only
      for (int b = 0; b < 0x80; ++b) single_[b] = {1, {static_cast<char>(b)}};
      return;
    }
    for (int b = 0; b < 256; ++b) {
      const unsigned char one[] = {static_cast<unsigned char>(b)};
      // Shift-JIS's lead bytes are all above 0x80; iconv wants a second byte after one.
      if (ask(cd, one, 1, single_[b]) != Asked::incomplete || b < 0x80) continue;
      lead_[b] = true;
      for (int t = 0; t < 256; ++t) {
        const unsigned char two[] = {static_cast<unsigned char>(b), static_cast<unsigned char>(t)};
        ask(cd, two, 2, pair_[(b - 0x80) * 256 + t]);
      }
    }
    iconv_close(cd);
  }

  std::string to_utf8(const std::string& s) const {
    std::string out;
    out.reserve(s.size() + s.size() / 2);
    for (std::size_t i = 0; i < s.size();) {
      const auto b = static_cast<unsigned char>(s[i]);
      const Utf8Char* c = &single_[b];
      std::size_t used = 1;
      if (lead_[b] && i + 1 < s.size()) {
        c = &pair_[(b - 0x80) * 256 + static_cast<unsigned char>(s[i + 1])];
        used = 2;
      }
      if (c->size == 0) {  // as iconv would go on: past the first byte only
        out.push_back('?');
        used = 1;
      } else {
        out.append(c->bytes, c->size);
      }
      i += used;
    }
    return out;
  }

 private:
  enum class Asked { converted, refused, incomplete };

  // Converts one whole character of n bytes into c.
  static Asked ask(iconv_t cd, const unsigned char* bytes, std::size_t n, Utf8Char& c) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = reinterpret_cast<char*>(const_cast<unsigned char*>(bytes));
    std::size_t in_left = n;
    char* out = c.bytes;
    std::size_t out_left = sizeof c.bytes;
    if (iconv(cd, &in, &in_left, &out, &out_left) == static_cast<std::size_t>(-1))
      return errno == EINVAL ? Asked::incomplete : Asked::refused;
    if (in_left != 0) return Asked::refused;
    c.size = static_cast<std::uint8_t>(sizeof c.bytes - out_left);
    return Asked::converted;
  }

  std::array<Utf8Char, 256> single_{};
  std::array<bool, 256> lead_{};
  std::vector<Utf8Char> pair_;  // by (lead - 0x80) * 256 + trail
};

}  // namespace

std::string utf8_to_sjis(const std::string& s) { return convert(s, "CP932", "UTF-8"); }

std::string sjis_to_utf8(const std::string& s) {
  static const SjisTable table;
  return table.to_utf8(s);
}

std::optional<std::string_view> Lines::next() {
  if (rest_.empty()) return std::nullopt;
  const std::size_t end = rest_.find('\n');
  std::string_view line = rest_.substr(0, end);
  rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

SjisReader::SjisReader(const std::string& utf8_path)
    : file_(read_regular_file(utf8_path)), lines_(file_.bytes) {}

std::optional<std::string> SjisReader::line() {
  const std::optional<std::string_view> raw = lines_.next();
  if (!raw) return std::nullopt;
  if (raw->size() > kMaxLine) return std::string(kInvalidLine);
  return sjis_to_utf8(std::string(*raw));
}

void SjisWriter::line(const std::string& utf8) { bytes_ += utf8_to_sjis(utf8) + "\r\n"; }

bool SjisWriter::close() { return write_atomically(path_, bytes_); }

}  // namespace hakuro
