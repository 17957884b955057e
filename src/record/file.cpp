#include "record/file.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/text_file.h"
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
  const long long moto_x = number_at(line, 0, 2), moto_y = number_at(line, 2, 1),
                  saki_x = number_at(line, 3, 1), saki_y = number_at(line, 4, 1),
                  ato = number_at(line, 5, 4), koma = number_at(line, 9, 4),
                  tori = number_at(line, 13, 4);
  const bool ok = (on_board(static_cast<int>(moto_x)) || is_drop(static_cast<int>(moto_x))) &&
                  moto_y >= 0 && moto_y <= 9 && on_board(static_cast<int>(saki_x)) &&
                  on_board(static_cast<int>(saki_y)) && is_piece_code(koma) &&
                  is_piece_code(ato) && (tori == 0 || is_piece_code(tori));
  if (!ok) return false;
  m.from_x = static_cast<int>(moto_x);
  m.from_y = static_cast<int>(moto_y);
  m.to_x = static_cast<int>(saki_x);
  m.to_y = static_cast<int>(saki_y);
  m.placed = static_cast<int>(ato);
  m.piece = static_cast<int>(koma);
  m.captured = static_cast<int>(tori);
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
  std::string out;
  field(out, m.from_x, 2);
  field(out, m.from_y, 1);
  field(out, m.to_x, 1);
  field(out, m.to_y, 1);
  field(out, m.placed, 4);
  field(out, m.piece, 4);
  field(out, m.captured, 4);
  for (double t : {m.bottom_time_before, m.bottom_time_after, m.top_time_before, m.top_time_after})
    field(out, whole_seconds(t), 5);
  return out;
}

Encoded encode_record(const RecordFile& r, const std::string& title_field,
                      const std::string& top_field, const std::string& bottom_field) {
  Encoded e;
  std::string line;
  for (auto [text, name] : {std::pair{&r.title, &title_field}, {&r.top_name, &top_field},
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
