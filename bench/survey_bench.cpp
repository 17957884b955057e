// One influence survey of real middle-game positions.
#include <benchmark/benchmark.h>

#include "analysis/survey.h"
#include "positions.h"

namespace {

using namespace hakuro;
using bench::kPositions;
using bench::position;

void BM_Survey(benchmark::State& state) {
  Game g = position(kPositions[static_cast<std::size_t>(state.range(0))]);
  Survey s;
  for (auto _ : state) {
    survey_influence(g.pos, s);
    benchmark::DoNotOptimize(s.bottom_influence);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Survey)->DenseRange(0, 3);

}  // namespace
