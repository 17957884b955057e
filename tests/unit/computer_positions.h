// Small positions for the computer's tests, and its search run on them.
#pragma once

#include <initializer_list>
#include <map>
#include <tuple>
#include <vector>

#include "analysis/survey.h"
#include "computer/search.h"
#include "record/columns.h"
#include "state/game.h"

namespace hakuro::testing {

struct Put {
  int x, y, code;
};

// A game with the computer's survey and tables beside it.
struct Trial : Game {
  Computer com;
};

// The human's king on (9,9) and the computer's on (1,1) unless the pieces place one (or put
// KARA there); the computer to move; the survey run.
inline Trial position(std::initializer_list<Put> pieces, Hand sita = {}, Hand ue = {}) {
  Trial g;
  g.bottom_side = -1;
  g.top_side = g.side_to_move = 1;
  g.pos.board[9][9] = -OU;
  g.pos.board[1][1] = OU;
  for (const Put& p : pieces) {
    if (p.code == OU) g.pos.board[1][1] = KARA;
    if (p.code == -OU) g.pos.board[9][9] = KARA;
  }
  for (const Put& p : pieces) g.pos.board[p.x][p.y] = p.code;
  g.pos.bottom_hand = sita;
  g.pos.top_hand = ue;
  for (int k = 1; k <= 7; ++k) {
    g.pos.bottom_hand_total += sita[static_cast<std::size_t>(k)];
    g.pos.top_hand_total += ue[static_cast<std::size_t>(k)];
  }
  survey_influence(g.pos, g.com.survey);
  return g;
}

inline Hand holding(int kind) {
  Hand h{};
  h[static_cast<std::size_t>(kind)] = 1;
  return h;
}

using Key = std::tuple<int, int, int, int>;  // from x, from y, to x, to y

// Every candidate's score in tenths, in the order tried, and the best.
struct Search {
  std::map<Key, Score> scores;
  std::vector<Candidate> order;
  Candidate best;
  bool found = false;
};

// A candidate in the numbers the replay tool's `scores` prints: a drop from column -1, its kind
// index as the row.
inline Columns columns(const Candidate& m) { return columns_of(m.move, DropRow::kind); }

inline Search search(Trial& g, int level = 2) {
  g.level = level;
  Search s;
  prepare_search(g, g.com);
  const SearchHooks hooks{{},
                          [&](const Candidate& m) {
                            const Columns c = columns(m);
                            s.scores[{c.from_x, c.from_y, c.to_x, c.to_y}] = m.score;
                            s.order.push_back(m);
                          },
                          {}};
  s.found = search_best(g, g.com, hooks, s.best);
  return s;
}

inline Score score_of(Trial g, int level, const Key& move) {
  return search(g, level).scores.at(move);
}

}  // namespace hakuro::testing
