#include "setup.h"

#include "engine/convert.h"
#include "record/sfen.h"
#include "usi/usi_move.h"

namespace hakuro::usi {

namespace {

constexpr std::string_view kStartSfen =
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

SetupRead refused(std::string why) {
  SetupRead r;
  r.error = std::move(why);
  return r;
}

// The position an SFEN text gives, or why it gives none.
SetupRead from_sfen(std::string_view sfen, engine::Rules rules) {
  const SfenRead read = read_sfen(sfen, SENTE_TOP);
  if (read.problem != SfenProblem::none) return refused("not a position: " + read.reason);
  SetupRead r;
  r.setup.pos = engine::from_game(read.pos, read.top_to_move, rules);
  if (rules == engine::Rules::standard && r.setup.pos.can_take_king())
    return refused("not a position: the side not to move is in check");
  return r;
}

}  // namespace

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && blank(line[i])) ++i;
    std::size_t n = i;
    while (n < line.size() && !blank(line[n])) ++n;
    if (n > i) out.push_back(line.substr(i, n - i));
    i = n;
  }
  return out;
}

Setup start_setup(engine::Rules rules) { return from_sfen(kStartSfen, rules).setup; }

SetupRead read_setup(std::string_view args, engine::Rules rules) {
  const std::vector<std::string_view> w = words(args);
  std::size_t i = 1;
  SetupRead r;
  if (!w.empty() && w[0] == "startpos") {
    r.setup = start_setup(rules);
  } else if (!w.empty() && w[0] == "sfen") {
    std::string sfen;
    for (; i < w.size() && w[i] != "moves"; ++i) sfen += std::string(w[i]) + " ";
    r = from_sfen(sfen, rules);
    if (!r.error.empty()) return r;
  } else {
    return refused("position needs startpos or sfen");
  }
  if (i < w.size() && w[i] != "moves") return refused("unexpected '" + std::string(w[i]) + "'");
  for (++i; i < w.size(); ++i) {
    const engine::Move m = find_move(r.setup.pos, w[i]);
    if (m == engine::NO_MOVE)
      return refused("illegal move " + std::string(w[i]) + " at move " +
                     std::to_string(r.setup.earlier.size() + 1));
    r.setup.earlier.push_back(engine::earlier(r.setup.pos));
    engine::Undo u;
    r.setup.pos.do_move(m, u);
  }
  return r;
}

}  // namespace hakuro::usi
