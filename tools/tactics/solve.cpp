#include "solve.h"

#include <algorithm>

#include "engine/search.h"
#include "usi/usi_move.h"

namespace hakuro::tactics {

Answer solve(const Tactic& t, uint64_t nodes) {
  engine::Search search;
  engine::Limits limits;
  limits.nodes = nodes;
  const engine::Result r = search.think(t.pos, limits);
  Answer a;
  a.move = r.move == engine::NO_MOVE ? "none" : usi::move_text(r.move);
  a.solved = std::find(t.moves.begin(), t.moves.end(), a.move) != t.moves.end();
  a.score = r.score;
  return a;
}

int run_suite(const std::vector<Tactic>& suite, uint64_t nodes, std::ostream& out) {
  int solved = 0;
  for (const Tactic& t : suite) {
    const Answer a = solve(t, nodes);
    solved += a.solved;
    out << (a.solved ? "ok   " : "MISS ") << "line " << t.line << ": "
        << (t.rules == engine::Rules::own ? "own " : "standard ") << t.kind << ' ' << t.depth
        << ", played " << a.move << " (score " << a.score << "), wants";
    for (const std::string& m : t.moves) out << ' ' << m;
    out << " - " << t.comment << '\n';
  }
  out << "solved " << solved << " of " << suite.size() << '\n';
  return solved;
}

}  // namespace hakuro::tactics
