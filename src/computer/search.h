// The computer's search: every legal board move and drop of the top player tried on the board,
// scored after a fresh survey, the best kept. One move deep, in a fixed order, no randomness.
#pragma once

#include <functional>
#include <vector>

#include "computer/computer.h"
#include "computer/score.h"
#include "state/game.h"

namespace hakuro {

// One candidate: the move and its score.
struct Candidate {
  Move move;
  Score score = NO_SCORE;
};

// What the search tells its caller as it goes: `tick` at the start of each origin column and
// each kind in hand (the clock keeps moving), `seen` after each candidate is scored,
// `promotes` with the promoted code of each board move found free to promote.
struct SearchHooks {
  std::function<void()> tick;
  std::function<void(const Candidate&)> seen;
  std::function<void(int)> promotes;
};

// The moves the rules in force allow the computer, when they allow fewer than it would try: a
// candidate whose source and destination are not among them is not tried. The caller, who knows
// the rules, builds it once a turn.
class MoveFilter {
 public:
  explicit MoveFilter(const std::vector<Move>& allowed);
  bool allows(const Move& m) const;

 private:
  static int index(const Move& m);
  std::vector<bool> allowed_;
};

// Before the search: the board and the surveys of the position before the computer's move, and
// the snapshots its evaluation compares with.
void prepare_search(Game& g, Computer& com);

// Tries every candidate in order, board moves by origin then destination, then drops by kind
// then destination; a strictly better score replaces the best. Stops early on taking the
// human's king, or on a drop that wins. The board is left as it was. False when there is no
// legal move at all. With `allowed`, only the candidates it allows are tried.
bool search_best(Game& g, Computer& com, const SearchHooks& hooks, Candidate& best,
                 const MoveFilter* allowed = nullptr);

}  // namespace hakuro
