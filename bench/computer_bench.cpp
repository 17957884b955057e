// The computer's whole search at each level on real positions, against the cost of one survey per
// candidate, and what it allocates.
#include <benchmark/benchmark.h>

#include <chrono>

#include "../tests/alloc/counting_new.h"
#include "analysis/survey.h"
#include "computer/search.h"
#include "positions.h"

namespace {

using namespace hakuro;

struct TurnPosition {
  std::array<const char*, 9> rows;
  Hand bottom_hand, top_hand;
};

const TurnPosition kTurns[] = {
    // The opening position.
    {{"l n s g k g s n l", ". r . . . . . b .", "p p p p p p p p p", ". . . . . . . . .",
      ". . . . . . . . .", ". . . . . . . . .", "P P P P P P P P P", ". B . . . . . R .",
      "L N S G K G S N L"},
     {},
     {}},
    {bench::kPositions[0], {}, {}},
    {bench::kPositions[1], {0, 0, 0, 0, 0, 0, 1, 0}, {0, 0, 0, 0, 0, 0, 1, 0}},
    {bench::kPositions[2], {0, 2, 0, 0, 1, 0, 0, 1}, {0, 1, 0, 0, 0, 0, 0, 0}},
    // Full hands on both sides.
    {bench::kPositions[3], {0, 4, 1, 2, 1, 1, 1, 0}, {0, 3, 2, 1, 2, 1, 1, 1}},
    // An endgame with the computer's king in check from a dropped gold.
    {{". . . . . . . . .", ". . . . k . . . .", ". . . . G . . . .", ". . . . . . . . .",
      ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
      ". . . . K . . . ."},
     {0, 3, 0, 0, 1, 0, 1, 1},
     {0, 2, 1, 1, 1, 1, 0, 1}},
};

Game turn_position(const TurnPosition& t) {
  Game g = bench::position(t.rows);
  g.pos.bottom_hand = t.bottom_hand;
  g.pos.top_hand = t.top_hand;
  for (int k = 1; k <= 7; ++k) {
    g.pos.bottom_hand_total += t.bottom_hand[static_cast<std::size_t>(k)];
    g.pos.top_hand_total += t.top_hand[static_cast<std::size_t>(k)];
  }
  g.bottom_side = -1;
  g.top_side = 1;
  g.side_to_move = g.top_side;
  g.level = 3;
  return g;
}

// Seconds of one survey of this position, timed here so that the ratio below compares like
// with like on a busy machine.
double survey_seconds(Game g, Survey s) {
  constexpr int n = 20000;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < n; ++i) {
    survey_influence(g.pos, s);
    benchmark::DoNotOptimize(s.bottom_influence);
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / n;
}

void BM_ComputerTurn(benchmark::State& state) {
  Game g = turn_position(kTurns[state.range(0)]);
  g.level = static_cast<int>(state.range(1));
  Computer com;
  survey_influence(g.pos, com.survey);
  long candidates = 0;
  {
    Candidate best;
    prepare_search(g, com);
    search_best(g, com, {{}, [&](const Candidate&) { ++candidates; }, {}}, best);
  }
  const double one_survey = survey_seconds(g, com.survey);
  const SearchHooks hooks;
  const long before = hakuro::testing::allocations();
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    Candidate best;
    prepare_search(g, com);
    benchmark::DoNotOptimize(search_best(g, com, hooks, best));
    benchmark::ClobberMemory();
  }
  const double per_turn =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
      static_cast<double>(state.iterations());
  state.counters["candidates"] = static_cast<double>(candidates);
  state.counters["surveys"] = per_turn / one_survey / static_cast<double>(candidates);
  state.counters["allocs"] = static_cast<double>(hakuro::testing::allocations() - before) /
                             static_cast<double>(state.iterations());
}
// Position 0..5, level 1..3.
BENCHMARK(BM_ComputerTurn)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 5, 1), {1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
