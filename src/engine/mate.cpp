#include "engine/mate.h"

#include "engine/movegen.h"

namespace hakuro::engine {

namespace {

using detail::D8;

// The neighbours of c's king it could step to were nothing new to reach them: on the board, not
// held by its own side (under the own rule it may take its own pieces), and not attacked now.
uint8_t free_squares(const Position& pos, Color c) {
  const int ks = pos.king(c);
  uint8_t free = 0;
  for (int i = 0; i < 8; ++i) {
    const int n = ks + D8[i];
    const Piece q = pos.at(n);
    if (q == WALL) continue;
    if (pos.rules() == Rules::standard && is_piece(q) && color_of(q) == c) continue;
    if (!pos.attacked(n, ~c)) free |= uint8_t(1 << i);
  }
  return free;
}

// Whether every reply to the drop m loses the king.
bool every_reply_loses(Position& pos, Move m) {
  Undo u;
  pos.do_move(m, u);
  MoveList replies;
  // Drops cannot help: the checker stands next to the king or jumps.
  generate_board_moves(pos, replies);
  // Under the standard rules only moves that leave the king safe are generated; under the own
  // rule each reply must leave the king to be taken.
  bool mate = replies.size == 0;
  if (pos.rules() == Rules::own) {
    mate = true;
    for (Move r : replies) {
      Undo ru;
      pos.do_move(r, ru);
      mate = pos.can_take_king();
      pos.undo_move(r, ru);
      if (!mate) break;
    }
  }
  pos.undo_move(m, u);
  return mate;
}

}  // namespace

Move drop_mate(Position& pos) {
  const Color us = pos.side(), them = ~us;
  const int ks = pos.king(them);
  if (!ks) return NO_MOVE;
  bool free_known = false;
  uint8_t free = 0;
  for (Type kind : {GOLD, SILVER, ROOK, BISHOP, LANCE, KNIGHT}) {
    if (!pos.hand(us, kind)) continue;
    const Piece p = make_piece(us, kind);
    const Moves& mv = moves_of(p);
    // The squares from which the piece reaches the king: a step away, or the first square of a
    // line.
    for (const auto* dirs : {mv.steps.data(), mv.slides.data()})
      for (int i = 0; dirs[i]; ++i) {
        const int to = ks - dirs[i];
        if (pos.at(to) != EMPTY) continue;
        if (kind != KNIGHT && !pos.attacked(to, us)) continue;  // the king would take it
        if (!free_known) {
          free = free_squares(pos, them);
          free_known = true;
        }
        uint8_t left = free;
        for (int k = 0; k < 8; ++k) {
          if (!(left & (1 << k))) continue;
          const int d = ks + D8[k] - to;
          if (detail::d8_index(d) >= 0 && (steps_along(p, d) || slides_along(p, d)))
            left &= uint8_t(~(1 << k));
        }
        if (left) continue;  // the king steps out
        const Move m = make_drop(kind, to);
        if (every_reply_loses(pos, m)) return m;
      }
  }
  return NO_MOVE;
}

}  // namespace hakuro::engine
