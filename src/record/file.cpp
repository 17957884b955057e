#include "record/file.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/text_file.h"
#include "record/columns.h"
#include "record/fit.h"

namespace hakuro {

namespace {

constexpr std::size_t kHeaderLines = 3;  // the title and the two players' names

void field(std::string& out, long long v, std::size_t width) {
  std::string s = std::to_string(v);
  s.resize(std::max(s.size(), width), ' ');
  out += s;
}

long long whole_seconds(double t) {
  if (!(t > 0)) return 0;
  return t >= 100000 ? 99999 : static_cast<long long>(t);
}

// The number a field begins with (blanks skipped, an optional sign); 0 if none.
long long number_at(std::string_view line, std::size_t from, std::size_t width) {
  if (from >= line.size()) return 0;
  std::string_view f = line.substr(from, width);
  std::size_t i = 0;
  while (i < f.size() && f[i] == ' ') ++i;
  bool negative = false;
  if (i < f.size() && (f[i] == '-' || f[i] == '+')) negative = f[i++] == '-';
  long long v = 0;
  for (; i < f.size() && f[i] >= '0' && f[i] <= '9'; ++i) v = v * 10 + (f[i] - '0');
  return negative ? -v : v;
}

bool is_piece_code(long long c) {
  return c != 0 && c >= -OU && c <= OU &&
         (is_drawn_piece(static_cast<int>(c)) || std::llabs(c) == KIN_NARI);
}

bool read_move(std::string_view line, RecordMove& m) {
  if (line.size() > kMaxLine) return false;
  // Fields of at most four characters: every number fits.
  const auto at = [&](std::size_t from, std::size_t width) {
    return static_cast<int>(number_at(line, from, width));
  };
  // moto_x moto_y saki_x saki_y ato_koma koma tori_koma
  const Columns c{at(0, 2), at(2, 1), at(3, 1), at(4, 1), at(9, 4), at(5, 4), at(13, 4)};
  const bool ok = (on_board(c.from_x) || is_hand_column(c.from_x)) && c.from_y >= 0 &&
                  c.from_y <= 9 && on_board(c.to_x, c.to_y) && is_piece_code(c.piece) &&
                  is_piece_code(c.placed) && (c.captured == 0 || is_piece_code(c.captured));
  if (!ok || !read_columns(c, m)) return false;
  m.bottom_time_before = static_cast<double>(number_at(line, 17, 5));
  m.bottom_time_after = static_cast<double>(number_at(line, 22, 5));
  m.top_time_before = static_cast<double>(number_at(line, 27, 5));
  m.top_time_after = static_cast<double>(number_at(line, 32, 5));
  return true;
}

// Shift-JIS that converts back to exactly the same text, on one line.
bool fits_one_line(const std::string& utf8, std::string& sjis) {
  if (utf8.find_first_of("\r\n") != std::string::npos) return false;
  sjis = utf8_to_sjis(utf8);
  return sjis_to_utf8(sjis) == utf8;
}

}  // namespace

std::string move_line(const RecordMove& m) {
  const Columns c = columns_of(m);
  std::string out;
  field(out, c.from_x, 2);
  field(out, c.from_y, 1);
  field(out, c.to_x, 1);
  field(out, c.to_y, 1);
  field(out, c.placed, 4);
  field(out, c.piece, 4);
  field(out, c.captured, 4);
  for (double t : {m.bottom_time_before, m.bottom_time_after, m.top_time_before, m.top_time_after})
    field(out, whole_seconds(t), 5);
  return out;
}

Encoded encode_record(const RecordFile& r, const std::string& title_field,
                      const std::string& top_field, const std::string& bottom_field) {
  Encoded e;
  std::string line;
  for (auto [text, name] : {std::pair{&r.title, &title_field},
                            {&r.top_name, &top_field},
                            {&r.bottom_name, &bottom_field}}) {
    if (!fits_one_line(*text, line)) {
      e.bad_field = *name;
      e.bytes.clear();
      return e;
    }
    e.bytes += line + "\r\n";
  }
  for (const RecordMove& m : r.moves) e.bytes += move_line(m) + "\r\n";
  return e;
}

Parsed parse_record(std::string_view bytes) {
  Parsed p;
  std::vector<std::string_view> lines;
  Lines split(bytes);
  while (std::optional<std::string_view> l = split.next()) lines.push_back(*l);
  while (lines.size() > kHeaderLines && lines.back().empty()) lines.pop_back();
  std::string* header[] = {&p.record.title, &p.record.top_name, &p.record.bottom_name};
  for (std::size_t i = 0; i < kHeaderLines && i < lines.size(); ++i) {
    if (lines[i].size() > kMaxLine) {
      p.bad_line = static_cast<int>(i) + 1;
      return p;
    }
    *header[i] = sjis_to_utf8(std::string(lines[i]));
  }
  for (std::size_t i = kHeaderLines; i < lines.size(); ++i) {
    RecordMove m;
    if (!read_move(lines[i], m)) {
      p.bad_line = static_cast<int>(i) + 1;
      p.record.moves.clear();
      return p;
    }
    p.record.moves.push_back(m);
  }
  p.ok = true;
  return p;
}

Loaded load_record(std::string_view bytes) {
  Parsed p = parse_record(bytes);
  if (!p.ok) return {Loaded::Status::bad_line, p.bad_line, {}};
  if (p.record.moves.empty()) return {Loaded::Status::no_moves, 0, {}};
  Position start;
  set_starting_position(start);
  const std::size_t fit = fitting_moves(start, p.record.moves);
  if (fit < p.record.moves.size())
    return {Loaded::Status::bad_line, static_cast<int>(fit + kHeaderLines) + 1, {}};
  return {Loaded::Status::ok, 0, std::move(p.record)};
}

Loaded load_record_file(const std::string& utf8_path) {
  const FileBytes file = read_regular_file(utf8_path);
  if (!file.ok()) return {};
  return load_record(file.bytes);
}

}  // namespace hakuro
