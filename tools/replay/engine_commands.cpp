#include "engine_commands.h"

#include <algorithm>
#include <stdexcept>

#include "computer/search.h"
#include "control/standard_rules.h"
#include "engine/convert.h"
#include "engine/evaluate.h"
#include "engine/levels.h"
#include "engine/movegen.h"
#include "format.h"

namespace hakuro::replay {

namespace {

void print_move(std::ostream& out, const char* what, const std::array<int, 5>& n) {
  out << what << ' ' << n[0] << ' ' << n[1] << ' ' << n[2] << ' ' << n[3] << ' ' << n[4];
}

// The top player is to move exactly when `teban` holds its side value.
bool top_to_move(const Game& g) {
  return g.side_to_move != TEBAN_NASI && g.side_to_move == g.top_side;
}

}  // namespace

Rules rules_in_force(const Form& f) {
  return f.g.rules == Rules::standard ? Rules::standard : chosen_rules(f);
}

namespace {}  // namespace

EngineCommands::EngineCommands() = default;
EngineCommands::~EngineCommands() = default;

bool EngineCommands::run(Form& f, const std::vector<std::string>& w, std::ostream& out) {
  Game& g = f.g;
  const std::string& c = w[0];
  if (c == "set" && w.size() >= 2 && w[1] == "nodes") {
    if (w.size() < 3) throw std::invalid_argument("set nodes needs a number");
    std::size_t used = 0;
    const long long n = std::stoll(w[2], &used);
    if (used != w[2].size() || n < 0) throw std::invalid_argument("nodes is a whole number from 0");
    f.search_nodes = uint64_t(n);
  } else if (c == "moves") {
    const engine::Position pos = engine::from_game(g.pos, top_to_move(g), rules_in_force(f));
    engine::MoveList list;
    engine::generate_all(pos, list);
    std::vector<std::array<int, 5>> moves;
    for (engine::Move m : list) moves.push_back(engine::move_numbers(m));
    std::sort(moves.begin(), moves.end());
    for (const auto& n : moves) {
      print_move(out, "move", n);
      out << '\n';
    }
    out << "moves_total " << moves.size() << '\n';
  } else if (c == "think") {
    think(f, top_to_move(g), f.search_nodes, out);
  } else if (c == "eval") {
    const engine::Trace t =
        engine::trace(engine::from_game(g.pos, top_to_move(g), rules_in_force(f)));
    for (const auto& term : t.terms) out << "eval " << term.name << ' ' << term.value << '\n';
    out << "eval total " << t.total << '\n';
  } else {
    return false;
  }
  return true;
}

void EngineCommands::think(const Form& f, bool top, uint64_t nodes, std::ostream& out) {
  const Game& g = f.g;
  if (g.level >= engine::FIRST_ENGINE_LEVEL) {
    if (!search_) search_ = std::make_unique<engine::Search>();
    const engine::Position pos = engine::from_game(g.pos, top, rules_in_force(f));
    const engine::Result r = search_->think(pos, engine::level_limits(g.level, nodes));
    if (r.move == engine::NO_MOVE) {
      out << "think none\n";
      return;
    }
    print_move(out, "think", engine::move_numbers(r.move));
    out << ' ' << r.score << ' ' << r.depth << ' ' << r.nodes << '\n';
    return;
  }
  // Levels 1 to 3 judge for the top player only, on a copy of the game and of the computer's
  // tables.
  if (!top) {
    out << "think none\n";
    return;
  }
  Game scratch = g;
  Computer com = f.com;
  scratch.side_to_move = scratch.top_side;
  prepare_search(scratch, com);
  const std::optional<MoveFilter> allowed = rules_filter(g.pos, true, rules_in_force(f));
  Candidate best;
  long tried = 0;
  const SearchHooks hooks{{}, [&tried](const Candidate&) { ++tried; }, {}};
  if (!search_best(scratch, com, hooks, best, allowed ? &*allowed : nullptr)) {
    out << "think none\n";
    return;
  }
  const Move& m = best.move;
  print_move(
      out, "think",
      {m.square().x, m.is_drop() ? m.kind() : m.square().y, m.to.x, m.to.y, m.promotes() ? 1 : 0});
  out << ' ' << decimal(best.score / 10.0) << " 1 " << tried << '\n';
}

}  // namespace hakuro::replay
