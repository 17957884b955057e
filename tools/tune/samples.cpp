#include "samples.h"

#include "engine/evaluate.h"
#include "engine/exchange.h"
#include "engine/king_relation.h"
#include "engine/movegen.h"
#include "engine/repetition.h"
#include "engine/search.h"
#include "review/analyse.h"

namespace hakuro::tune {

namespace rel = engine::relation;

int feature_index(int whose, int group, int place) {
  return (whose * rel::GROUP_N + group) * rel::PLACE_N + place;
}

int feature_count() { return 2 * rel::GROUP_N * rel::PLACE_N; }

void Samples::add(const engine::Position& pos, float result) {
  Sample s;
  s.result = result;
  s.first = uint32_t(features.size());
  rel::for_each_relation(pos, [&](engine::Color c, int whose, int group, int place) {
    const int sign = c == engine::BOTTOM ? 1 : -1;
    features.push_back(int16_t(sign * (feature_index(whose, group, place) + 1)));
  });
  s.end = uint32_t(features.size());
  const engine::Value v = engine::evaluate(pos);
  s.fixed = (pos.side() == engine::BOTTOM ? v : -v) - pos.relation();
  list.push_back(s);
}

float game_result(const std::vector<engine::Position>& positions) {
  const engine::Position& last = positions.back();
  if (!last.king(engine::BOTTOM)) return 0;
  if (!last.king(engine::TOP)) return 1;
  const float mover_lost = last.side() == engine::BOTTOM ? 0.0f : 1.0f;
  engine::Search search(1);
  engine::Limits one;
  one.depth = 1;
  if (search.think(last, one).move == engine::NO_MOVE) return mover_lost;
  if (last.rules() != engine::Rules::standard) return 0.5f;
  std::vector<engine::Earlier> history;
  for (std::size_t i = 0; i + 1 < positions.size(); ++i)
    history.push_back(engine::earlier(positions[i]));
  switch (engine::repetition(history, engine::earlier(last))) {
    case engine::Repetition::side_to_move_wins: return 1 - mover_lost;
    case engine::Repetition::side_to_move_loses: return mover_lost;
    default: return 0.5f;
  }
}

bool quiet(const engine::Position& pos) {
  if (!pos.king(engine::BOTTOM) || !pos.king(engine::TOP) || pos.in_check()) return false;
  engine::MoveList captures;
  engine::generate_captures(pos, captures);
  for (engine::Move m : captures)
    if (engine::exchange_value(pos, m) > 0) return false;
  return true;
}

void add_game(const analyse::GameMoves& game, engine::Rules rules, int skip, Samples& out) {
  const analyse::Replayed r = analyse::replay(game, rules);
  if (!r.error.empty() || r.positions.size() <= std::size_t(skip)) return;
  const float result = game_result(r.positions);
  for (std::size_t i = std::size_t(skip); i + 1 < r.positions.size(); ++i)
    if (quiet(r.positions[i])) out.add(r.positions[i], result);
}

}  // namespace hakuro::tune
