#include "cli.h"

#include <optional>

#include "report.h"

namespace hakuro::analyse {

namespace {

constexpr const char* kUsage =
    "usage: hakuro-analyse FILE [--movetime MS | --nodes N] [--rules own|standard] [--json]\n"
    "  FILE: a .kif, .kifu or .棋譜 record; every position is searched by N nodes (default\n"
    "  100000, the same verdicts every run) or MS milliseconds; rules default own\n";

struct Options {
  std::string file;
  Budget budget;
  std::optional<engine::Rules> rules;
  bool json = false;
};

std::optional<long long> number(const std::string& s, long long lo, long long hi) {
  try {
    std::size_t used = 0;
    const long long v = std::stoll(s, &used);
    if (used == s.size() && v >= lo && v <= hi) return v;
  } catch (...) {}
  return std::nullopt;
}

// The options; nothing when the arguments are not the command's.
std::optional<Options> parse(const std::vector<std::string>& args) {
  Options o;
  bool budget_given = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      o.json = true;
      continue;
    }
    if (a.rfind("--", 0) != 0) {
      if (!o.file.empty()) return std::nullopt;
      o.file = a;
      continue;
    }
    if (i + 1 >= args.size()) return std::nullopt;
    const std::string& value = args[++i];
    if (a == "--rules" && (value == "own" || value == "standard")) {
      o.rules = value == "own" ? engine::Rules::own : engine::Rules::standard;
    } else if (a == "--nodes" && !budget_given && number(value, 1, 1000000000000LL)) {
      o.budget.nodes = uint64_t(*number(value, 1, 1000000000000LL));
      budget_given = true;
    } else if (a == "--movetime" && !budget_given && number(value, 1, 3600000)) {
      o.budget.milliseconds = int(*number(value, 1, 3600000));
      budget_given = true;
    } else {
      return std::nullopt;
    }
  }
  if (o.file.empty()) return std::nullopt;
  return o;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && args[0] == "--help") {
    out << kUsage;
    return 0;
  }
  const std::optional<Options> o = parse(args);
  if (!o) {
    err << kUsage;
    return 2;
  }
  const GameRead g = read_game_file(o->file);
  if (!g.error.empty()) {
    err << "hakuro-analyse: " << g.error << "\n";
    return 2;
  }
  // The record's files name no rules: the own rule unless told.
  const engine::Rules rules = o->rules.value_or(engine::Rules::own);
  const Analysed a = analyse(g.game, rules, o->budget);
  if (!a.error.empty()) {
    err << "hakuro-analyse: " << o->file << ": " << a.error << "\n";
    return 2;
  }
  out << (o->json ? json_report(g.game, a.analysis, {o->file, rules, o->budget})
                  : text_report(g.game, a.analysis));
  return 0;
}

}  // namespace hakuro::analyse
