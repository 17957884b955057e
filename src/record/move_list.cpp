#include "record/move_list.h"

namespace hakuro {

bool top_moves_first(const Game& g) {
  if (g.record.holds(1)) return g.record.move(1).move.by_top();
  return g.top_side == g.sente_side;
}

KifSides game_sides(const Game& g) {
  return kif_sides(g.record.start(), top_moves_first(g), g.record.gote_to_move());
}

std::string move_entry(const Record& r, int n, bool sente_top) {
  const Move& m = r.move(n).move;
  const Square previous_to = n > 1 ? r.move(n - 1).move.to : Square{};
  return side_mark(m, sente_top) + move_text(m, promotion_was_possible(m), previous_to, sente_top);
}

}  // namespace hakuro
