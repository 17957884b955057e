#include "usi/messages.h"

#include <algorithm>
#include <charconv>

namespace hakuro::usi {

namespace {

template <class T>
std::optional<T> number(std::string_view s) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  T v{};
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (error != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

std::string joined(const std::vector<std::string_view>& words, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t i = from; i < to; ++i) {
    if (!out.empty()) out += ' ';
    out += words[i];
  }
  return out;
}

bool is_file(char c) { return c >= '1' && c <= '9'; }
bool is_rank(char c) { return c >= 'a' && c <= 'i'; }

}  // namespace

std::vector<std::string_view> split_words(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::size_t j = i;
    while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
    if (j > i) out.push_back(line.substr(i, j - i));
    i = j;
  }
  return out;
}

const EngineOption* EngineId::option(std::string_view name) const {
  auto it = std::find_if(options.begin(), options.end(),
                         [name](const EngineOption& o) { return o.name == name; });
  return it == options.end() ? nullptr : &*it;
}

std::optional<EngineOption> read_option(std::string_view line) {
  const std::vector<std::string_view> w = split_words(line);
  std::size_t i = !w.empty() && w[0] == "option" ? 1 : 0;
  if (i >= w.size() || w[i] != "name") return std::nullopt;
  // A name or a value may hold blanks: each runs to the next keyword.
  auto keyword = [](std::string_view s) {
    return s == "type" || s == "default" || s == "min" || s == "max" || s == "var";
  };
  EngineOption o;
  std::size_t start = ++i;
  while (i < w.size() && w[i] != "type") ++i;
  o.name = joined(w, start, i);
  while (i < w.size()) {
    const std::string_view key = w[i];
    start = ++i;
    while (i < w.size() && !keyword(w[i])) ++i;
    std::string value = joined(w, start, i);
    if (key == "type") o.type = value;
    else if (key == "default") o.default_value = value;
    else if (key == "min") o.min = number<int>(value);
    else if (key == "max") o.max = number<int>(value);
    else if (key == "var") o.vars.push_back(value);
  }
  if (o.name.empty() || o.type.empty()) return std::nullopt;
  return o;
}

Info read_info(std::string_view line) {
  const std::vector<std::string_view> w = split_words(line);
  Info info;
  for (std::size_t i = !w.empty() && w[0] == "info" ? 1 : 0; i < w.size(); ++i) {
    const std::string_view key = w[i];
    const std::string_view next = i + 1 < w.size() ? w[i + 1] : std::string_view();
    if (key == "depth") info.depth = number<int>(next), ++i;
    else if (key == "nodes") info.nodes = number<long long>(next), ++i;
    else if (key == "score" && next == "cp" && i + 2 < w.size()) {
      info.score_cp = number<int>(w[i + 2]);
      i += 2;
    } else if (key == "score" && next == "mate" && i + 2 < w.size()) {
      const std::string_view n = w[i + 2];
      info.mate = n == "+" ? Info::kMateUnknown : n == "-" ? -Info::kMateUnknown : number<int>(n);
      i += 2;
    } else if (key == "pv") {
      for (++i; i < w.size(); ++i) info.pv.emplace_back(w[i]);
    } else if (key == "string") {
      break;
    }
  }
  return info;
}

std::optional<BestMove> read_bestmove(std::string_view line) {
  const std::vector<std::string_view> w = split_words(line);
  if (w.size() < 2 || w[0] != "bestmove") return std::nullopt;
  BestMove b;
  if (w[1] == "resign") b.kind = BestMove::Kind::resign;
  else if (w[1] == "win") b.kind = BestMove::Kind::win;
  else if (is_usi_move(w[1])) b.kind = BestMove::Kind::move, b.move = w[1];
  else return std::nullopt;
  if (w.size() >= 4 && w[2] == "ponder" && is_usi_move(w[3])) b.ponder = w[3];
  return b;
}

bool is_usi_move(std::string_view m) {
  if (m.size() == 4 && m[1] == '*')
    return std::string_view("PLNSGBR").find(m[0]) != std::string_view::npos && is_file(m[2]) &&
           is_rank(m[3]);
  if (m.size() == 5 && m[4] == '+') m.remove_suffix(1);
  return m.size() == 4 && is_file(m[0]) && is_rank(m[1]) && is_file(m[2]) && is_rank(m[3]) &&
         m.substr(0, 2) != m.substr(2, 2);
}

}  // namespace hakuro::usi
