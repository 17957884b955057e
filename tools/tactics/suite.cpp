#include "suite.h"

#include <sstream>

#include "setup.h"
#include "usi/usi_move.h"

namespace hakuro::tactics {

namespace {

std::string trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  std::istringstream in(line);
  for (std::string f; std::getline(in, f, '|');) out.push_back(trimmed(f));
  return out;
}

// The tactic one line gives, or why it gives none.
std::string read_line(const std::string& line, Tactic& t) {
  const std::vector<std::string> f = fields(line);
  if (f.size() != 5) return "wants five fields separated by |";
  if (f[0] != "own" && f[0] != "standard") return "rules are own or standard";
  t.rules = f[0] == "own" ? engine::Rules::own : engine::Rules::standard;
  std::istringstream kind(f[1]);
  if (!(kind >> t.kind >> t.depth) || t.depth < 1 ||
      (t.kind != "mate" && t.kind != "capture" && t.kind != "defence"))
    return "the kind is mate, capture or defence, and a depth";
  t.sfen = f[2];
  const usi::SetupRead setup = usi::read_setup("sfen " + t.sfen, t.rules);
  if (!setup.error.empty()) return setup.error;
  t.pos = setup.setup.pos;
  for (std::string_view m : usi::words(f[3])) {
    if (usi::find_move(t.pos, m) == engine::NO_MOVE)
      return "the move " + std::string(m) + " cannot be played here";
    t.moves.emplace_back(m);
  }
  if (t.moves.empty()) return "no move given";
  t.comment = f[4];
  return {};
}

}  // namespace

SuiteRead read_suite(std::istream& in) {
  SuiteRead r;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    line = trimmed(line);
    if (line.empty() || line[0] == '#') continue;
    Tactic t;
    t.line = number;
    const std::string why = read_line(line, t);
    if (!why.empty()) {
      r.error = "line " + std::to_string(number) + ": " + why;
      return r;
    }
    r.tactics.push_back(std::move(t));
  }
  return r;
}

}  // namespace hakuro::tactics
