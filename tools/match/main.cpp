// hakuro-match LEVEL_A LEVEL_B [--games N] [--seed S] [--plies P] [--nodes N] [--jobs J]
//              [--save DIR] [--rules own|standard]
// Plays two levels against each other and prints the score and the Elo difference.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "match.h"
#include "record/file.h"
#include "stats.h"

namespace {

using namespace hakuro::match;

int usage() {
  std::cerr << "usage: hakuro-match LEVEL_A LEVEL_B [--games N] [--seed S] [--plies P] [--nodes N]"
               " [--jobs J] [--save DIR] [--rules own|standard]\n"
               "  levels 1 to 5; --nodes N bounds level 4 by N nodes and level 5 by 5 N instead"
               " of their time\n"
               "  --rules standard: shogi as usually played (default own)\n";
  return 2;
}

bool number(const char* s, long long lo, long long hi, long long& out) {
  try {
    std::size_t used = 0;
    out = std::stoll(s, &used);
    return used == std::string(s).size() && out >= lo && out <= hi;
  } catch (...) {
    return false;
  }
}

bool parse(int argc, char** argv, Options& o) {
  if (argc < 3) return false;
  long long v;
  if (!number(argv[1], 1, 5, v)) return false;
  o.level_a = int(v);
  if (!number(argv[2], 1, 5, v)) return false;
  o.level_b = int(v);
  o.jobs = int(std::max(1u, std::thread::hardware_concurrency()));
  for (int i = 3; i < argc; i += 2) {
    const std::string flag = argv[i];
    if (i + 1 >= argc) return false;
    const char* arg = argv[i + 1];
    if (flag == "--save") {
      o.save_dir = arg;
      continue;
    }
    if (flag == "--rules") {
      const std::string rules = arg;
      if (rules != "own" && rules != "standard") return false;
      o.rules = rules == "standard" ? hakuro::engine::Rules::standard : hakuro::engine::Rules::own;
      continue;
    }
    if (!number(arg, 0, 1000000000000LL, v)) return false;
    if (flag == "--games" && v >= 1) o.games = int(v);
    else if (flag == "--seed") o.seed = uint64_t(v);
    else if (flag == "--plies" && v <= 200) o.plies = int(v);
    else if (flag == "--nodes") o.nodes = uint64_t(v);
    else if (flag == "--jobs" && v >= 1 && v <= 256) o.jobs = int(v);
    else return false;
  }
  return true;
}

std::string name(int level) { return "LEVEL" + std::to_string(level); }

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!parse(argc, argv, o)) return usage();
  if (!o.save_dir.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::u8path(o.save_dir), ec);
    if (ec) {
      std::cerr << "hakuro-match: cannot make " << o.save_dir << '\n';
      return 1;
    }
  }

  std::atomic<int> next{0};
  std::mutex lock;
  Tally tally;
  std::map<int, std::vector<double>> turns;  // by engine level
  bool save_failed = false;
  auto worker = [&] {
    for (int i = next++; i < o.games; i = next++) {
      const GameResult r = play_game(o, i);
      bool saved = true;
      if (!o.save_dir.empty()) {
        char file[64];
        std::snprintf(file, sizeof file, "/%03d.棋譜", i + 1);
        saved = hakuro::write_atomically(o.save_dir + file, record_bytes(o, r));
      }
      std::lock_guard<std::mutex> hold(lock);
      if (r.score_a == 2) ++tally.wins;
      else if (r.score_a == 0) ++tally.losses;
      else ++tally.draws;
      save_failed = save_failed || !saved;
      for (auto [level, seconds] : r.engine_turns) turns[level].push_back(seconds);
      std::cerr << "game " << i + 1 << " of " << o.games << ": " << name(o.level_a)
                << (r.a_bottom ? " (bottom)" : " (top)") << ' '
                << (r.score_a == 2   ? "won"
                    : r.score_a == 0 ? "lost"
                                     : "drew")
                << " in " << r.moves.size() << " moves, " << r.reason << "; " << tally.wins << " - "
                << tally.losses << " - " << tally.draws << (saved ? "" : " (not saved)") << '\n';
    }
  };
  std::vector<std::thread> threads;
  for (int j = 0; j < std::min(o.jobs, o.games); ++j) threads.emplace_back(worker);
  for (std::thread& t : threads) t.join();

  for (auto& [level, t] : turns) {
    std::sort(t.begin(), t.end());
    std::fprintf(stderr, "%s: %zu turns, median %.3f s, longest %.3f s\n", name(level).c_str(),
                 t.size(), t[t.size() / 2], t.back());
  }
  std::cout << score_line(name(o.level_a), name(o.level_b), tally) << '\n'
            << elo_line(tally) << '\n';
  return save_failed ? 1 : 0;
}
