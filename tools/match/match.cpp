#include "match.h"

#include <chrono>
#include <memory>
#include <optional>
#include <random>

#include "computer/search.h"
#include "computer/turned.h"
#include "engine/convert.h"
#include "engine/levels.h"
#include "engine/movegen.h"
#include "engine/search.h"
#include "record/file.h"
#include "rules/move.h"

namespace hakuro::match {

namespace {

using Clock = std::chrono::steady_clock;

std::string level_name(int level) { return "LEVEL" + std::to_string(level); }

class Player {
 public:
  virtual ~Player() = default;
  // The move for the side to move, or false when it has none.
  virtual bool choose(const Position& p, bool top, const std::vector<engine::Earlier>& history,
                      Move& m) = 0;
};

// Levels 1 to 3: the program's own computer, which judges for the top player only; under the
// standard rules it tries their legal moves only.
class ComputerPlayer : public Player {
 public:
  ComputerPlayer(int level, engine::Rules rules) : level_(level), rules_(rules) {}
  bool choose(const Position& p, bool top, const std::vector<engine::Earlier>&, Move& m) override {
    Game g;
    g.pos = top ? p : turned(p);
    g.bottom_side = -1;
    g.top_side = 1;
    g.side_to_move = g.top_side;
    g.level = level_;
    Computer com;
    prepare_search(g, com);
    std::optional<MoveFilter> allowed;
    if (rules_ == engine::Rules::standard)
      allowed.emplace(engine::legal_moves(g.pos, true, engine::Rules::standard));
    Candidate best;
    if (!search_best(g, com, {}, best, allowed ? &*allowed : nullptr)) return false;
    m = best.move;
    if (!top) m = turned(m);
    return true;
  }

 private:
  int level_;
  engine::Rules rules_;
};

// Levels 4 and 5: the search engine.
class EnginePlayer : public Player {
 public:
  EnginePlayer(int level, uint64_t nodes, engine::Rules rules)
      : limits_(engine::level_limits(level, nodes ? engine::level_nodes(level, nodes) : 0)),
        rules_(rules) {}
  bool choose(const Position& p, bool top, const std::vector<engine::Earlier>& history,
              Move& m) override {
    const engine::Position pos = engine::from_game(p, top, rules_);
    const engine::Result r = search_.think(pos, limits_, history);
    if (r.move == engine::NO_MOVE) return false;
    m = engine::to_played(pos, r.move);
    return true;
  }

 private:
  engine::Limits limits_;
  engine::Rules rules_;
  engine::Search search_;
};

std::unique_ptr<Player> make_player(int level, const Options& o) {
  if (level >= engine::FIRST_ENGINE_LEVEL)
    return std::make_unique<EnginePlayer>(level, o.nodes, o.rules);
  return std::make_unique<ComputerPlayer>(level, o.rules);
}

// A random opening move: one that takes no king and leaves the mover's own king safe (under the
// standard rules every move does).
bool random_legal_move(engine::Position& pos, std::mt19937_64& rng, engine::Move& out) {
  engine::MoveList list;
  engine::generate_all(pos, list);
  std::vector<engine::Move> fine;
  for (engine::Move m : list) {
    if (engine::type_of(pos.captured_piece(m)) == engine::KING) continue;
    engine::Undo u;
    pos.do_move(m, u);
    if (!pos.can_take_king()) fine.push_back(m);
    pos.undo_move(m, u);
  }
  if (fine.empty()) return false;
  out = fine[rng() % fine.size()];
  return true;
}

struct Board {
  engine::Rules rules = engine::Rules::own;
  Game g = [] {
    Game g;
    set_starting_position(g.pos);
    g.bottom_side = -1;
    g.top_side = 1;
    return g;
  }();
  bool top = false;  // the bottom player moves first
  std::vector<engine::Earlier> history;
  double time_top = 0, time_bottom = 0;

  engine::Position now() const { return engine::from_game(g.pos, top, rules); }

  // Plays m for the side to move, recording it with the thinking time it took, its drops named
  // by their kind as the computer names them.
  void play(const Move& m, double seconds, std::vector<RecordMove>& record) {
    RecordMove k{m};
    k.move.captured = g.pos.board[m.to.x][m.to.y];
    k.drop_row = DropRow::kind;
    k.bottom_time_before = time_bottom;
    k.top_time_before = time_top;
    (top ? time_top : time_bottom) += seconds;
    k.bottom_time_after = time_bottom;
    k.top_time_after = time_top;
    record.push_back(k);
    history.push_back(engine::earlier(now()));
    g.side_to_move = top ? g.top_side : g.bottom_side;
    make_move(g, m);
    top = !top;
  }
};

}  // namespace

Position start_position() {
  Position p;
  set_starting_position(p);
  return p;
}

GameResult play_game(const Options& o, int index) {
  GameResult r;
  r.index = index;
  r.a_bottom = index % 2 == 0;
  Board b;
  b.rules = o.rules;
  std::mt19937_64 rng(o.seed * 1000003u + uint64_t(index / 2));
  for (int i = 0; i < o.plies; ++i) {
    engine::Position pos = b.now();
    engine::Move m;
    if (!random_legal_move(pos, rng, m)) break;
    b.play(engine::to_played(pos, m), 0, r.moves);
  }

  const std::unique_ptr<Player> a = make_player(o.level_a, o), bp = make_player(o.level_b, o);
  Player& bottom = r.a_bottom ? *a : *bp;
  Player& top = r.a_bottom ? *bp : *a;
  const int level_bottom = r.a_bottom ? o.level_a : o.level_b;
  const int level_top = r.a_bottom ? o.level_b : o.level_a;
  auto finish = [&](bool bottom_wins, std::string why) {
    r.score_a = bottom_wins == r.a_bottom ? 2 : 0;
    r.reason = std::move(why);
    return r;
  };
  auto name = [&](bool top) {
    return level_name(top ? level_top : level_bottom) + (top ? " (top)" : " (bottom)");
  };
  while (int(r.moves.size()) < MOVE_LIMIT) {
    const int level = b.top ? level_top : level_bottom;
    const std::string who = name(b.top);
    Move m;
    const auto start = Clock::now();
    const bool moved = (b.top ? top : bottom).choose(b.g.pos, b.top, b.history, m);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!moved) {
      const bool mated = o.rules == engine::Rules::standard && b.now().in_check();
      return finish(b.top, who + (mated ? " is checkmated" : " has no move"));
    }
    if (level >= engine::FIRST_ENGINE_LEVEL) r.engine_turns.emplace_back(level, seconds);
    const bool mover_top = b.top;
    b.play(m, seconds, r.moves);
    if (b.g.king_taker != TEBAN_NASI) {
      const bool bottom_wins = b.g.king_taker == b.g.bottom_side;
      const bool own = bottom_wins == mover_top;
      return finish(bottom_wins, own ? who + " took its own king" : who + " took the king");
    }
    if (o.rules == engine::Rules::standard) {
      // The side to move now wins when the mover checked all along, and the other way round.
      switch (engine::repetition(b.history, engine::earlier(b.now()))) {
        case engine::Repetition::none: break;
        case engine::Repetition::draw:
          r.score_a = 1;
          r.reason = "fourfold repetition";
          return r;
        case engine::Repetition::side_to_move_wins:
          return finish(!b.top, "perpetual check by " + who);
        case engine::Repetition::side_to_move_loses:
          return finish(b.top, "perpetual check by " + name(b.top));
      }
    }
  }
  r.score_a = 1;
  r.reason = "draw at " + std::to_string(MOVE_LIMIT) + " moves";
  return r;
}

std::string record_bytes(const Options& o, const GameResult& r) {
  const int bottom = r.a_bottom ? o.level_a : o.level_b, top = r.a_bottom ? o.level_b : o.level_a;
  RecordFile f{level_name(o.level_a) + " vs " + level_name(o.level_b) + " game " +
                   std::to_string(r.index + 1),
               level_name(top), level_name(bottom), r.moves};
  return encode_record(f, "対局名", "後手", "先手").bytes;
}

}  // namespace hakuro::match
