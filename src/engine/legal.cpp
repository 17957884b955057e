#include "engine/legal.h"

#include <cstdlib>

#include "engine/movegen.h"

namespace hakuro::engine {

namespace {

constexpr std::array<int, 8> DIRECTIONS = {UP + LEFT, UP,          UP + RIGHT, LEFT,
                                           RIGHT,     DOWN + LEFT, DOWN,       DOWN + RIGHT};

int forward(Color c) { return c == BOTTOM ? UP : DOWN; }

int sign(int v) { return (v > 0) - (v < 0); }

// The one-step direction from `from` towards `to` when they share a row, column or diagonal;
// otherwise 0.
int direction(int from, int to) {
  const int dx = file_of(to) - file_of(from), dy = rank_of(to) - rank_of(from);
  if (dx != 0 && dy != 0 && std::abs(dx) != std::abs(dy)) return 0;
  return sign(dy) * W + sign(dx);
}

int distance(int a, int b) {
  return std::max(std::abs(file_of(a) - file_of(b)), std::abs(rank_of(a) - rank_of(b)));
}

// Whether sq lies strictly between the king and the checker, where a piece may block the check.
bool blocks(const Guard& g, const Guard::Line& c, int sq) {
  return c.slides && direction(g.king, sq) == -c.dir &&
         distance(g.king, sq) < distance(g.king, c.sq);
}

// The first square from sq in direction d that is not empty.
int first_piece(const Position& pos, int sq, int d) {
  do sq += d;
  while (pos.at(sq) == EMPTY);
  return sq;
}

}  // namespace

Guard guard(const Position& pos) {
  Guard g;
  const Color us = pos.side(), them = ~us;
  g.king = pos.king(us);
  if (!g.king) return g;
  for (int d : DIRECTIONS) {
    const int s = first_piece(pos, g.king, d);
    const Piece p = pos.at(s);
    if (p == WALL) continue;
    if (color_of(p) == them) {
      const bool slides = slides_along(p, -d);
      if (slides || (s == g.king + d && steps_along(p, -d)))
        g.checker[g.checks++] = {s, -d, slides};
      continue;
    }
    const Piece q = pos.at(first_piece(pos, s, d));
    if (q != WALL && color_of(q) == them && slides_along(q, -d)) g.pinned[g.pins++] = {s, d, false};
  }
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
    if (g.pinned[i].sq == from) return direction(g.king, to) == g.pinned[i].dir;
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
