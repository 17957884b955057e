#include "record/move_list.h"

#include "record/position_check.h"

namespace hakuro {

namespace {

void add_to_hand(Position& p, bool top, int kind, int n) {
  if (kind < 1 || kind > 7) return;
  (top ? p.mochi_ue : p.mochi_sita)[static_cast<std::size_t>(kind)] += n;
}

// One move taken back: the mover's piece returns to where it came from and whatever it took
// leaves the mover's hand for the destination.
void take_back(Position& p, const KifuMove& m) {
  const bool top = is_top(m.ato_koma);
  if (on_board(m.moto_x, m.moto_y)) p.ban[m.moto_x][m.moto_y] = m.koma;
  else add_to_hand(p, top, kind_index(m.ato_koma), 1);
  if (m.tori_koma != KARA) add_to_hand(p, top, kind_index(m.tori_koma), -1);
  if (on_board(m.saki_x, m.saki_y)) p.ban[m.saki_x][m.saki_y] = m.tori_koma;
}

}  // namespace

Position record_start(const Game& g) {
  Position p = g.pos;
  for (int n = g.record.kifu_tesu; n >= 1; --n) take_back(p, g.record.move(n));
  complete_position(p);
  return p;
}

bool top_moves_first(const Game& g) {
  if (g.record.holds(1)) return is_top(g.record.move(1).ato_koma);
  return g.ue == g.teban_sente;
}

KifSides game_sides(const Game& g) { return kif_sides(record_start(g), top_moves_first(g)); }

std::string move_entry(const Record& r, int n, bool sente_top) {
  const KifuMove& m = r.move(n);
  const KifuMove& previous = r.move(n - 1);
  const Square previous_to = n > 1 ? Square{previous.saki_x, previous.saki_y} : Square{};
  return side_mark(m, sente_top) + move_text(m, promotion_was_possible(m), previous_to, sente_top);
}

}  // namespace hakuro
