#include "record/fit.h"

#include <cstdlib>

#include "rules/legality.h"
#include "rules/move.h"

namespace hakuro {

namespace {

constexpr int kTop = 1, kBottom = -1;  // the scratch game's side values

int mover_of(const Move& m) { return is_top(m.placed) ? kTop : kBottom; }

bool same_owner(int a, int b) { return (is_top(a) && is_top(b)) || (is_bottom(a) && is_bottom(b)); }

bool drop_fits(Game& g, const Move& m, int mover) {
  const int k = kind_index(m.piece);
  const Hand& hand = mover == kTop ? g.pos.top_hand : g.pos.bottom_hand;
  if (m.placed != m.piece || k == 0 || KIND_CODE[static_cast<std::size_t>(k)] != std::abs(m.piece))
    return false;
  if (hand[static_cast<std::size_t>(k)] < 1 || m.captured != KARA) return false;
  set_nifu_flags(g.pos);
  return may_move(g.pos, m.from, m.to, m.piece) == OK;
}

bool board_move_fits(Game& g, const Move& m) {
  const auto [from_x, from_y] = m.square();
  const auto [to_x, to_y] = m.to;
  if (!on_board(from_x, from_y) || !on_board(to_x, to_y)) return false;
  if (g.pos.board[from_x][from_y] != m.piece || g.pos.board[to_x][to_y] != m.captured) return false;
  if (may_move(g.pos, m.from, m.to, m.piece) != OK) return false;
  if (m.placed == m.piece) return may_stay_unpromoted(to_y, m.piece) == OK;
  return may_promote(m.from, to_y, m.piece) && m.placed == promoted(m.piece);
}

}  // namespace

Game scratch_game(const Position& start) {
  Game g;
  g.pos = start;
  g.bottom_side = kBottom;
  g.top_side = kTop;
  g.side_to_move = TEBAN_NASI;
  g.king_taker = TEBAN_NASI;
  return g;
}

bool move_fits(Game& g, const RecordMove& r) {
  const Move& m = r.move;
  const int mover = mover_of(m);
  if (g.king_taker != TEBAN_NASI || g.side_to_move == mover) return false;
  if (!same_owner(m.piece, m.placed) || !on_board(m.to.x, m.to.y)) return false;
  return m.is_drop() ? drop_fits(g, m, mover) : board_move_fits(g, m);
}

void play_fitting(Game& g, const RecordMove& m) {
  g.side_to_move = mover_of(m.move);
  make_move(g, m.move);
}

std::size_t fitting_moves(const Position& start, const std::vector<RecordMove>& moves) {
  Game g = scratch_game(start);
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (!move_fits(g, moves[i])) return i;
    play_fitting(g, moves[i]);
  }
  return moves.size();
}

}  // namespace hakuro
