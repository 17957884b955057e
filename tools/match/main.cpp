// hakuro-match A B [--games N] [--seed S] [--plies P] [--nodes N] [--jobs J] [--save DIR]
//   [--rules own|standard] [--referee own] [--movetime MS [--exact]] [--usi-nodes N]
// Plays two players (levels 1 to 5, or usi:PATH engines) against each other and prints the score
// and the Elo difference.
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
  std::cerr << "usage: hakuro-match A B [--games N] [--seed S] [--plies P] [--nodes N]"
               " [--jobs J] [--save DIR] [--rules own|standard] [--referee own]"
               " [--movetime MS [--exact]] [--usi-nodes N]\n"
               "  A and B: a level 1 to 5, or usi:PATH for a USI engine\n"
               "  --nodes N bounds level 4 by N nodes and level 5 by 5 N instead of their time\n"
               "  --rules standard: shogi as usually played (default own)\n"
               "  --referee own: the own rule with USI engines, which play standard shogi: each\n"
               "    is shown every position as SFEN and a king it could take is taken for it\n"
               "  --movetime MS: a USI engine's time a move, as byoyomi (default 500);\n"
               "    --exact gives it as `go movetime MS`, which it spends whole\n"
               "  --usi-nodes N: a USI engine's nodes a move as well, which makes a match\n"
               "    between builds of one engine independent of the machine's load\n";
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
  const auto a = read_player(argv[1]), b = read_player(argv[2]);
  if (!a || !b) return false;
  o.a = *a;
  o.b = *b;
  bool refereed = false;
  long long v;
  o.jobs = int(std::max(1u, std::thread::hardware_concurrency()));
  for (int i = 3; i < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag == "--exact") {
      o.usi_exact = true;
      --i;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* arg = argv[i + 1];
    if (flag == "--save") {
      o.save_dir = arg;
      continue;
    }
    if (flag == "--referee") {
      if (std::string(arg) != "own") return false;
      refereed = true;
      o.rules = hakuro::engine::Rules::own;
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
    else if (flag == "--movetime" && v >= 1 && v <= 3600000) o.usi_movetime_ms = int(v);
    else if (flag == "--usi-nodes" && v >= 1) o.usi_nodes = uint64_t(v);
    else return false;
  }
  // A USI engine plays the own rule only when refereed.
  if (o.rules == hakuro::engine::Rules::own && (o.a.usi() || o.b.usi()) && !refereed) {
    std::cerr << "hakuro-match: a USI engine plays the own rule with --referee own\n";
    return false;
  }
  return true;
}

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
  std::map<std::string, std::vector<double>> turns;  // by player
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
      for (const auto& [who, seconds] : r.turns) turns[who].push_back(seconds);
      std::cerr << "game " << i + 1 << " of " << o.games << ": " << o.a.name()
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

  for (auto& [who, t] : turns) {
    std::sort(t.begin(), t.end());
    std::fprintf(stderr, "%s: %zu turns, median %.3f s, longest %.3f s\n", who.c_str(), t.size(),
                 t[t.size() / 2], t.back());
  }
  std::cout << score_line(o.a.name(), o.b.name(), tally) << '\n' << elo_line(tally) << '\n';
  return save_failed ? 1 : 0;
}
