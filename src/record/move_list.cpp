#include "record/move_list.h"

namespace hakuro {

bool top_moves_first(const Game& g) {
  if (g.record.holds(1)) return is_top(g.record.move(1).ato_koma);
  return g.ue == g.teban_sente;
}

KifSides game_sides(const Game& g) {
  return kif_sides(g.record.kaishi, top_moves_first(g), g.record.gote_ban);
}

std::string move_entry(const Record& r, int n, bool sente_top) {
  const KifuMove& m = r.move(n);
  const KifuMove& previous = r.move(n - 1);
  const Square previous_to = n > 1 ? Square{previous.saki_x, previous.saki_y} : Square{};
  return side_mark(m, sente_top) + move_text(m, promotion_was_possible(m), previous_to, sente_top);
}

}  // namespace hakuro
