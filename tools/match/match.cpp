#include "match.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
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
#include "record/sfen.h"
#include "rules/move.h"
#include "usi/engine_entry.h"
#include "usi/usi_move.h"

namespace hakuro::match {

namespace {

using Clock = std::chrono::steady_clock;

// What a player answers in its turn: a move, or none (no move, or its resignation), with why
// when it is not simply out of moves.
struct Choice {
  std::optional<Move> move;
  std::string why;  // "resigned", "played an illegal move", the engine's failure …
};

// The game so far, for a player that wants more than the position.
struct Played {
  const Position& position;
  bool top = false;
  const std::vector<engine::Earlier>& history;
  const std::vector<RecordMove>& moves;  // from the starting position
};

class Player {
 public:
  virtual ~Player() = default;
  virtual Choice choose(const Played& now) = 0;
};

// Levels 1 to 3: the program's own computer, which judges for the top player only; under the
// standard rules it tries their legal moves only.
class ComputerPlayer : public Player {
 public:
  ComputerPlayer(int level, engine::Rules rules) : level_(level), rules_(rules) {}
  Choice choose(const Played& now) override {
    Game g;
    g.pos = now.top ? now.position : turned(now.position);
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
    if (!search_best(g, com, {}, best, allowed ? &*allowed : nullptr)) return {};
    return {now.top ? best.move : turned(best.move), {}};
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
  Choice choose(const Played& now) override {
    const engine::Position pos = engine::from_game(now.position, now.top, rules_);
    const engine::Result r = search_.think(pos, limits_, now.history);
    if (r.move == engine::NO_MOVE) return {};
    return {engine::to_played(pos, r.move), {}};
  }

 private:
  engine::Limits limits_;
  engine::Rules rules_;
  engine::Search search_;
};

// A USI engine, started for the game. Under the standard rules it is given the game's moves from
// the start; under the program's own rule, which it does not know, it is refereed: shown each
// position as SFEN (先手 the bottom player), a king it could take taken for it, and any move it
// answers checked against the own rule.
class UsiPlayer : public Player {
 public:
  UsiPlayer(const std::string& path, const Options& o)
      : rules_(o.rules),
        path_(path),
        movetime_ms_(o.usi_movetime_ms),
        exact_(o.usi_exact),
        nodes_(o.usi_nodes) {}
  ~UsiPlayer() override { client_.quit(); }

  Choice choose(const Played& now) override {
    const engine::Position pos = engine::from_game(now.position, now.top, rules_);
    if (rules_ == engine::Rules::own && pos.can_take_king()) return {take_king(pos), {}};
    if (!started_) {
      started_ = true;
      if (usi::Error e = start()) failure_ = e.message;
    }
    if (!failure_.empty()) return {std::nullopt, "failed: " + failure_};
    std::string sfen;
    std::vector<std::string> moves;
    if (rules_ == engine::Rules::own) {
      sfen = write_sfen(now.position, usi::SENTE_TOP, now.top, int(now.moves.size()) + 1);
    } else {
      for (const RecordMove& k : now.moves) moves.push_back(usi::move_text(k.move, usi::SENTE_TOP));
    }
    const usi::GoResult r = go(sfen, moves);
    if (r.error) {
      failure_ = r.error.message;
      return {std::nullopt, "failed: " + failure_};
    }
    if (r.best.kind != usi::BestMove::Kind::move) return {std::nullopt, "resigned"};
    const engine::Move m = usi::find_move(pos, r.best.move);
    if (m == engine::NO_MOVE) return {std::nullopt, "played an illegal move " + r.best.move};
    return {engine::to_played(pos, m), {}};
  }

 private:
  usi::Error start() {
    if (usi::Error e = client_.start(path_)) return e;
    entry_ = usi::entry_for(path_, client_.id());
    if (entry_.threads) entry_.threads->value = std::max(1, entry_.threads->min);  // one core
    for (const auto& [name, value] : usi::game_options(entry_, client_.id()))
      if (usi::Error e = client_.set_option(name, value)) return e;
    if (client_.id().option("Thread"))  // some engines name their threads so
      if (usi::Error e = client_.set_option("Thread", "1")) return e;
    if (usi::Error e = client_.ready()) return e;
    return client_.new_game();
  }

  usi::GoResult go(const std::string& sfen, const std::vector<std::string>& moves) {
    if (usi::Error e = client_.position(sfen, moves)) return {e, {}, {}};
    usi::GoLimits limits;
    limits.byoyomi_ms = movetime_ms_;
    if (exact_) limits.movetime_ms = movetime_ms_;
    limits.nodes = nodes_;
    return client_.go(limits);
  }

  // The move that takes the opponent's king.
  static Move take_king(const engine::Position& pos) {
    engine::MoveList list;
    engine::generate_all(pos, list);
    for (engine::Move m : list) {
      const engine::Piece taken = pos.captured_piece(m);
      if (engine::type_of(taken) == engine::KING && engine::color_of(taken) != pos.side())
        return engine::to_played(pos, m);
    }
    return {};
  }

  engine::Rules rules_;
  std::string path_;
  int movetime_ms_;
  bool exact_;
  uint64_t nodes_;
  usi::EngineEntry entry_;
  usi::Client client_;
  bool started_ = false;
  std::string failure_;
};

std::unique_ptr<Player> make_player(const Entrant& p, const Options& o) {
  if (p.usi()) return std::make_unique<UsiPlayer>(p.usi_path, o);
  if (p.level >= engine::FIRST_ENGINE_LEVEL)
    return std::make_unique<EnginePlayer>(p.level, o.nodes, o.rules);
  return std::make_unique<ComputerPlayer>(p.level, o.rules);
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

std::string Entrant::name() const {
  if (usi()) return std::filesystem::u8path(usi_path).filename().string();
  return "LEVEL" + std::to_string(level);
}

std::optional<Entrant> read_player(const std::string& text) {
  if (text.starts_with("usi:") && text.size() > 4) return Entrant{0, text.substr(4)};
  if (text.size() == 1 && text[0] >= '1' && text[0] <= '5') return Entrant{text[0] - '0', {}};
  return std::nullopt;
}

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

  const std::unique_ptr<Player> a = make_player(o.a, o), bp = make_player(o.b, o);
  Player& bottom = r.a_bottom ? *a : *bp;
  Player& top = r.a_bottom ? *bp : *a;
  const Entrant& bottom_entrant = r.a_bottom ? o.a : o.b;
  const Entrant& top_entrant = r.a_bottom ? o.b : o.a;
  auto finish = [&](bool bottom_wins, std::string why) {
    r.score_a = bottom_wins == r.a_bottom ? 2 : 0;
    r.reason = std::move(why);
    return r;
  };
  auto name = [&](bool top) {
    return (top ? top_entrant : bottom_entrant).name() + (top ? " (top)" : " (bottom)");
  };
  while (int(r.moves.size()) < MOVE_LIMIT) {
    const Entrant& mover = b.top ? top_entrant : bottom_entrant;
    const std::string who = name(b.top);
    const auto start = Clock::now();
    const Choice c = (b.top ? top : bottom).choose({b.g.pos, b.top, b.history, r.moves});
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!c.move) {
      const bool mated = o.rules == engine::Rules::standard && b.now().in_check();
      return finish(b.top, who + (!c.why.empty() ? " " + c.why
                                  : mated        ? " is checkmated"
                                                 : " has no move"));
    }
    if (mover.usi() || mover.level >= engine::FIRST_ENGINE_LEVEL)
      r.turns.emplace_back(mover.name(), seconds);
    const bool mover_top = b.top;
    b.play(*c.move, seconds, r.moves);
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
  const Entrant& bottom = r.a_bottom ? o.a : o.b;
  const Entrant& top = r.a_bottom ? o.b : o.a;
  RecordFile f{o.a.name() + " vs " + o.b.name() + " game " + std::to_string(r.index + 1),
               top.name(), bottom.name(), r.moves};
  return encode_record(f, "対局名", "後手", "先手").bytes;
}

}  // namespace hakuro::match
