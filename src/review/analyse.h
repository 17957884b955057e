// The engine's verdict on every position of a game: the start and the position after each move,
// and from them how much each move gave away against the engine's best.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/search.h"
#include "review/game_moves.h"
#include "review/marks.h"

namespace hakuro::analyse {

// The search's budget for each position: `nodes` unless `milliseconds` is set. Bounded by nodes,
// an analysis gives the same verdicts every time.
struct Budget {
  uint64_t nodes = 100000;
  int milliseconds = 0;
};

struct PositionVerdict {
  engine::Value score = 0;  // from the side to move's view
  bool top_to_move = false;
  std::vector<Move> pv;  // the best move first; empty when the side to move has no move
};

struct MoveVerdict {
  int loss = 0;  // centipawns given away against the best move, marks.h's loss_of
  Mark mark = Mark::none;
};

struct Analysis {
  std::vector<PositionVerdict> positions;  // [0] the start, [n] after move n
  std::vector<MoveVerdict> moves;          // [n - 1] for move n
};

struct Analysed {
  Analysis analysis;
  std::string error;       // a move the rules do not allow, for the user; empty when none
  bool cancelled = false;  // stopped before the end: the analysis holds nothing
};

// Watching an analysis from another thread: `stop` set ends it between two positions' searches
// or within one; `progress` is told how many positions of how many are done after each.
struct Watch {
  const std::atomic<bool>* stop = nullptr;
  std::function<void(int done, int total)> progress;
};

// The game's positions under `rules`: the start and the position after each move, up to the
// first move they do not allow, which `error` names for the user.
struct Replayed {
  std::vector<engine::Position> positions;
  std::string error;
};
Replayed replay(const GameMoves& g, engine::Rules rules);

// Replays the game under `rules`, refusing it at the first move they do not allow, then searches
// every position. A move that is the engine's own best loses nothing.
Analysed analyse(const GameMoves& game, engine::Rules rules, const Budget& budget,
                 const Watch& watch = {});

// A search's result in `pos` as a verdict, its line in moves as the program plays them.
PositionVerdict verdict_of(const engine::Position& pos, const engine::Result& r);

// The position after the first n moves of the game, with the positions before it as the search
// counts repetitions; nothing when the rules do not allow one of those moves.
struct Standing {
  engine::Position pos;
  std::vector<engine::Earlier> history;
};
std::optional<Standing> standing_after(const GameMoves& game, engine::Rules rules, int n);

// A score from the side to move's view as 先手 sees it.
engine::Value sente_score(const PositionVerdict& p, bool sente_top);

}  // namespace hakuro::analyse
