#include "engine/legal.h"

#include <cstdlib>

#include "engine/lines.h"
#include "engine/movegen.h"

namespace hakuro::engine {

namespace {

int forward(Color c) { return c == BOTTOM ? UP : DOWN; }

int distance(int a, int b) {
  return std::max(std::abs(file_of(a) - file_of(b)), std::abs(rank_of(a) - rank_of(b)));
}

// Whether sq lies strictly between the king and the checker, where a piece may block the check.
bool blocks(const Guard& g, const Guard::Line& c, int sq) {
  return c.slides && line_step(g.king, sq) == -c.dir &&
         distance(g.king, sq) < distance(g.king, c.sq);
}

}  // namespace

Guard guard(const Position& pos) {
  Guard g;
  const Color us = pos.side(), them = ~us;
  g.king = pos.king(us);
  if (!g.king) return g;
  // Their pieces next to the king that step onto it.
  (pos.pieces(them) & step_targets(make_piece(us, KING), g.king)).for_each([&](int s) {
    const Piece p = pos.at(s);
    const int d = g.king - s;
    if (steps_along(p, d) && !slides_along(p, d)) g.checker[g.checks++] = {s, d, false};
  });
  // Their sliders on a line to the king: a check with nothing between, a pin with one of ours.
  (pos.sliders() & pos.pieces(them) & rays(g.king)).for_each([&](int s) {
    const int d = line_step(s, g.king);
    if (!slides_along(pos.at(s), d)) return;
    int between = 0, ours = 0;
    for (int t = s + d; t != g.king && between < 2; t += d)
      if (pos.at(t) != EMPTY) {
        ++between;
        ours = t;
      }
    if (between == 0) g.checker[g.checks++] = {s, d, true};
    else if (between == 1 && color_of(pos.at(ours)) == us) g.pinned[g.pins++] = {ours, -d, false};
  });
  // A knight of theirs jumps forwards onto the king.
  const Piece knight = make_piece(them, KNIGHT);
  for (int side : {LEFT, RIGHT}) {
    const int s = g.king - 2 * forward(them) + side;
    if (pos.at(s) == knight) g.checker[g.checks++] = {s, 0, false};
  }
  return g;
}

bool leaves_king_safe(const Position& pos, const Guard& g, Move m) {
  if (!g.king) return true;
  const int to = to_sq(m);
  if (!is_drop(m) && from_sq(m) == g.king) {
    if (pos.attacked(to, ~pos.side())) return false;
    // A sliding checker still reaches the square behind the king once the king has left.
    for (int i = 0; i < g.checks; ++i)
      if (g.checker[i].slides && to == g.king + g.checker[i].dir) return false;
    return true;
  }
  if (g.checks >= 2) return false;
  if (g.checks == 1 && to != g.checker[0].sq && !blocks(g, g.checker[0], to)) return false;
  if (is_drop(m)) return true;
  const int from = from_sq(m);
  for (int i = 0; i < g.pins; ++i)
    if (g.pinned[i].sq == from) return line_step(g.king, to) == g.pinned[i].dir;
  return true;
}

bool pawn_drop_mates(const Position& pos, Move m) {
  if (drop_kind(m) != PAWN) return false;
  const Color us = pos.side();
  const int their_king = pos.king(~us);
  if (!their_king || to_sq(m) + forward(us) != their_king) return false;
  Position after = pos;
  Undo u;
  after.do_move(m, u);
  MoveList replies;
  generate_all(after, replies);
  return replies.size == 0;
}

}  // namespace hakuro::engine
