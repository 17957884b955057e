#include "review/analyse.h"

#include <algorithm>
#include <cstdlib>

#include "engine/convert.h"
#include "engine/movegen.h"

namespace hakuro::analyse {

namespace {

// The same move: a record's `captured` and `piece` follow from the position.
bool same_move(const Move& a, const Move& b) {
  return a.from == b.from && a.to == b.to && a.placed == b.placed;
}

// The engine's move in `pos` that plays as `m`; NO_MOVE when the rules allow none.
engine::Move engine_move(const engine::Position& pos, const Move& m) {
  engine::MoveList list;
  engine::generate_all(pos, list);
  for (engine::Move e : list)
    if (same_move(engine::to_played(pos, e), m)) return e;
  return engine::NO_MOVE;
}

PositionVerdict search(engine::Search& s, const engine::Position& pos,
                       const std::vector<engine::Earlier>& history, const engine::Limits& limits) {
  return verdict_of(pos, s.think(pos, limits, history));
}

// The position after a move that took the opponent's king: the game is over, lost for the side
// to move.
PositionVerdict king_lost(const engine::Position& pos) {
  return {engine::loss_in(0), pos.side() == engine::TOP, {}};
}

MoveVerdict judge(const PositionVerdict& before, const PositionVerdict& after, const Move& played) {
  if (!before.pv.empty() && same_move(before.pv.front(), played)) return {};
  const int loss = loss_of(before.score, -after.score);
  return {loss, mark_of(loss)};
}

}  // namespace

Replayed replay(const GameMoves& g, engine::Rules rules) {
  Replayed r;
  r.positions.push_back(engine::from_game(g.start, g.top_first, rules));
  for (std::size_t i = 0; i < g.moves.size(); ++i) {
    engine::Position next = r.positions.back();
    const engine::Move e = engine_move(next, g.moves[i]);
    if (e == engine::NO_MOVE) {
      r.error = "move " + std::to_string(i + 1) + " is not allowed under the " +
                (rules == engine::Rules::standard ? "standard" : "own") + " rules";
      return r;
    }
    engine::Undo u;
    next.do_move(e, u);
    r.positions.push_back(next);
  }
  return r;
}

PositionVerdict verdict_of(const engine::Position& pos, const engine::Result& r) {
  PositionVerdict v;
  v.top_to_move = pos.side() == engine::TOP;
  v.score = r.score;
  // A king to take is returned at once, without a line.
  const int pv_size = r.pv_size > 0 ? r.pv_size : r.move != engine::NO_MOVE;
  engine::Position p = pos;
  for (int i = 0; i < pv_size; ++i) {
    const engine::Move m = i < r.pv_size ? r.pv[std::size_t(i)] : r.move;
    v.pv.push_back(engine::to_played(p, m));
    engine::Undo u;
    p.do_move(m, u);
  }
  return v;
}

std::optional<Standing> standing_after(const GameMoves& game, engine::Rules rules, int n) {
  GameMoves first = game;
  first.moves.resize(std::size_t(std::clamp(n, 0, int(game.moves.size()))));
  const Replayed r = replay(first, rules);
  if (!r.error.empty()) return std::nullopt;
  Standing s{r.positions.back(), {}};
  for (std::size_t i = 0; i + 1 < r.positions.size(); ++i)
    s.history.push_back(engine::earlier(r.positions[i]));
  return s;
}

Analysed analyse(const GameMoves& game, engine::Rules rules, const Budget& budget,
                 const Watch& watch) {
  const Replayed r = replay(game, rules);
  if (!r.error.empty()) return {{}, r.error};
  engine::Limits limits;
  if (budget.milliseconds > 0) limits.seconds = budget.milliseconds / 1000.0;
  else limits.nodes = budget.nodes;
  limits.stop = watch.stop;
  const auto stopped = [&watch] { return watch.stop && watch.stop->load(); };
  engine::Search search_engine;
  Analysed a;
  std::vector<engine::Earlier> history;
  for (std::size_t i = 0; i < r.positions.size(); ++i) {
    const engine::Position& pos = r.positions[i];
    const bool king_taken = i > 0 && std::abs(game.moves[i - 1].captured) == OU;
    a.analysis.positions.push_back(king_taken ? king_lost(pos)
                                              : search(search_engine, pos, history, limits));
    history.push_back(engine::earlier(pos));
    if (stopped()) return {{}, {}, true};
    if (watch.progress) watch.progress(int(i) + 1, int(r.positions.size()));
  }
  for (std::size_t n = 1; n < r.positions.size(); ++n)
    a.analysis.moves.push_back(
        judge(a.analysis.positions[n - 1], a.analysis.positions[n], game.moves[n - 1]));
  return a;
}

engine::Value sente_score(const PositionVerdict& p, bool sente_top) {
  return p.top_to_move == sente_top ? p.score : -p.score;
}

}  // namespace hakuro::analyse
