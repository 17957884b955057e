// hakuro-analyse: a whole game of 100 moves judged at 100 000 nodes a position, on one core.
#include <benchmark/benchmark.h>

#include "engine/convert.h"
#include "engine/movegen.h"
#include "record/position_check.h"
#include "review/analyse.h"

namespace {

using namespace hakuro;

// A game of up to `moves` moves of the engine against itself at a small budget, the same every
// time, under the standard rules.
analyse::GameMoves self_played(int moves) {
  analyse::GameMoves g;
  g.start = full_position();
  engine::Position pos = engine::from_game(g.start, false, engine::Rules::standard);
  engine::Search search;
  engine::Limits limits;
  limits.nodes = 2000;
  std::vector<engine::Earlier> history;
  for (int i = 0; i < moves; ++i) {
    const engine::Result r = search.think(pos, limits, history);
    if (r.move == engine::NO_MOVE) break;
    history.push_back(engine::earlier(pos));
    g.moves.push_back(engine::to_played(pos, r.move));
    engine::Undo u;
    pos.do_move(r.move, u);
  }
  return g;
}

void BM_AnalyseGame(benchmark::State& state) {
  const analyse::GameMoves game = self_played(100);
  if (game.moves.size() < 100) state.SkipWithError("the self-played game ended early");
  for (auto _ : state) {
    const analyse::Analysed a = analyse::analyse(game, engine::Rules::standard, {100000, 0});
    benchmark::DoNotOptimize(a.analysis.moves.data());
  }
  state.counters["moves"] = double(game.moves.size());
}
BENCHMARK(BM_AnalyseGame)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
