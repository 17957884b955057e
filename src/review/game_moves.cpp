#include "review/game_moves.h"

#include "record/move_list.h"
#include "record/position_check.h"

namespace hakuro::analyse {

bool same_game(const GameMoves& a, const GameMoves& b) {
  return same_position(a.start, b.start) && a.top_first == b.top_first &&
         a.sente_top == b.sente_top && a.moves == b.moves;
}

GameMoves game_moves(const Game& g) {
  GameMoves m;
  m.start = g.record.start();
  m.top_first = top_moves_first(g);
  m.sente_top = game_sides(g).sente_top;
  for (int n = 1; n <= g.record.held(); ++n) m.moves.push_back(g.record.move(n).move);
  return m;
}

}  // namespace hakuro::analyse
