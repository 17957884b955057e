// The search engine: nodes a second on one core (quiescence nodes included) and what a search
// allocates, on six positions; level 5's turn times at its real budget; the generator's perft
// from the start under the own rule and the standard rules.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "../tests/alloc/counting_new.h"
#include "engine/convert.h"
#include "engine/levels.h"
#include "engine/movegen.h"
#include "engine/search.h"
#include "positions.h"

namespace {

using namespace hakuro;

struct EnginePosition {
  std::array<const char*, 9> rows;
  Hand bottom_hand, top_hand;
  bool top_to_move;
};

const EnginePosition kEnginePositions[] = {
    {{"l n s g k g s n l", ". r . . . . . b .", "p p p p p p p p p", ". . . . . . . . .",
      ". . . . . . . . .", ". . . . . . . . .", "P P P P P P P P P", ". B . . . . . R .",
      "L N S G K G S N L"},
     {},
     {},
     false},
    {bench::kPositions[0], {}, {}, false},
    {bench::kPositions[1], {0, 0, 0, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 0, 0, 1, 0}, true},
    {bench::kPositions[2], {0, 2, 0, 0, 1, 0, 0, 1}, {0, 1, 0, 0, 0, 0, 0, 0}, false},
    {bench::kPositions[3], {0, 4, 1, 2, 1, 1, 1, 0}, {0, 3, 2, 1, 2, 1, 1, 1}, true},
    // The top king in check from a dropped gold, both hands full.
    {{". . . . . . . . .", ". . . . k . . . .", ". . . . G . . . .", ". . . . . . . . .",
      ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
      ". . . . K . . . ."},
     {0, 3, 0, 0, 1, 0, 1, 1},
     {0, 2, 1, 1, 1, 1, 0, 1},
     true},
};

engine::Position engine_position(const EnginePosition& e) {
  Game g = bench::position(e.rows);
  g.pos.bottom_hand = e.bottom_hand;
  g.pos.top_hand = e.top_hand;
  return engine::from_game(g.pos, e.top_to_move);
}

// Nodes a second, and allocations a search, bounded by nodes.
void BM_EngineNodes(benchmark::State& state) {
  const engine::Position pos = engine_position(kEnginePositions[state.range(0)]);
  engine::Search search;
  engine::Limits limits;
  limits.nodes = 300000;
  search.think(pos, limits);  // first touch of the tables
  uint64_t nodes = 0;
  const long before = hakuro::testing::allocations();
  for (auto _ : state) nodes += search.think(pos, limits).nodes;
  const long allocs = hakuro::testing::allocations() - before;
  state.counters["nodes_per_second"] =
      benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
  state.counters["allocs_per_search"] =
      static_cast<double>(allocs) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_EngineNodes)->DenseRange(0, 5, 1)->Unit(benchmark::kMillisecond);

// Leaves a second: depth 3 under the own rule (0), depth 4 under the standard rules (1).
void BM_Perft(benchmark::State& state) {
  const bool standard = state.range(0) == 1;
  engine::Position pos =
      engine::Position::start(standard ? engine::Rules::standard : engine::Rules::own);
  uint64_t leaves = 0;
  for (auto _ : state) leaves += engine::perft(pos, standard ? 4 : 3);
  state.counters["leaves_per_second"] =
      benchmark::Counter(static_cast<double>(leaves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Perft)->DenseRange(0, 1, 1)->Unit(benchmark::kMillisecond);

// Level 5's turns at its time budget: three on each position; the median and the longest.
void BM_Level5Turn(benchmark::State& state) {
  engine::Search search;
  std::vector<double> turns;
  for (auto _ : state) {
    for (const EnginePosition& e : kEnginePositions) {
      const engine::Position pos = engine_position(e);
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(search.think(pos, engine::level_limits(5)));
      turns.push_back(
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
  }
  std::sort(turns.begin(), turns.end());
  state.counters["budget_s"] = engine::LEVEL5_SECONDS;
  state.counters["median_s"] = turns[turns.size() / 2];
  state.counters["longest_s"] = turns.back();
}
BENCHMARK(BM_Level5Turn)->Iterations(3)->Unit(benchmark::kSecond);

}  // namespace
