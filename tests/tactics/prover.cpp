#include "prover.h"

#include <algorithm>

#include "engine/movegen.h"

namespace hakuro::tactics {

using namespace engine;

namespace {

constexpr int KING_TAKEN = 1000;

MoveList moves_of(const Position& pos) {
  MoveList list;
  generate_all(pos, list);
  return list;
}

// The attacker has just moved and the defender is to move: whether every answer loses within
// n - 1 more attacker moves.
bool no_escape(Position& pos, int n) {
  const Color defender = pos.side();
  if (!pos.king(~defender)) return false;  // the attacker took its own king
  for (Move d : moves_of(pos)) {
    Undo u;
    pos.do_move(d, u);
    const bool lost = pos.king(defender) == 0 ||
                      (pos.king(~defender) != 0 && (pos.can_take_king() || mates(pos, n - 1)));
    pos.undo_move(d, u);
    if (!lost) return false;
  }
  return true;  // no answer, or none that holds
}

int worth(Type t) {
  static constexpr int kWorth[TYPE_N] = {0, 1, 3, 4, 5, 6, 8, 10, 0, 6, 6, 6, 6, 6, 10, 12};
  return kWorth[t];
}

// Negamax over every move to depth, then over captures of the opponent's pieces (or standing
// pat), with alpha-beta bounds.
int material_search(Position& pos, int depth, int alpha, int beta) {
  if (!pos.king(pos.side())) return -KING_TAKEN;
  if (!pos.king(~pos.side())) return KING_TAKEN;
  const MoveList list = moves_of(pos);
  if (list.size == 0) return -KING_TAKEN;
  if (depth <= 0) {
    alpha = std::max(alpha, material(pos));
    if (alpha >= beta) return alpha;
  }
  for (Move m : list) {
    const Piece taken = pos.captured_piece(m);
    if (depth <= 0 && (taken == EMPTY || color_of(taken) == pos.side())) continue;
    Undo u;
    pos.do_move(m, u);
    const int v = -material_search(pos, depth - 1, -beta, -alpha);
    pos.undo_move(m, u);
    alpha = std::max(alpha, v);
    if (alpha >= beta) break;
  }
  return alpha;
}

}  // namespace

bool mates(Position& pos, int n) {
  if (pos.rules() == Rules::own && pos.can_take_king()) return true;
  if (n <= 0) return false;
  for (Move m : moves_of(pos)) {
    Undo u;
    pos.do_move(m, u);
    const bool mated = no_escape(pos, n);
    pos.undo_move(m, u);
    if (mated) return true;
  }
  return false;
}

std::vector<Move> mating_moves(Position pos, int n) {
  std::vector<Move> out;
  for (Move m : moves_of(pos)) {
    Undo u;
    pos.do_move(m, u);
    if (no_escape(pos, n)) out.push_back(m);
    pos.undo_move(m, u);
  }
  return out;
}

std::vector<Move> defences(Position pos, int n) {
  std::vector<Move> out;
  for (Move m : moves_of(pos)) {
    Undo u;
    pos.do_move(m, u);
    if (pos.king(~pos.side()) && !mates(pos, n)) out.push_back(m);
    pos.undo_move(m, u);
  }
  return out;
}

int material(const Position& pos) {
  int sum = 0;
  for (int sq = 0; sq < SQ_N; ++sq) {
    const Piece p = pos.at(sq);
    if (is_piece(p)) sum += color_of(p) == pos.side() ? worth(type_of(p)) : -worth(type_of(p));
  }
  for (int k = PAWN; k <= ROOK; ++k)
    sum += (pos.hand(pos.side(), Type(k)) - pos.hand(~pos.side(), Type(k))) * worth(Type(k));
  return sum;
}

std::vector<Scored> material_line(Position pos, int depth) {
  std::vector<Scored> out;
  for (Move m : moves_of(pos)) {
    Undo u;
    pos.do_move(m, u);
    out.push_back({m, -material_search(pos, depth - 1, -KING_TAKEN - 1, KING_TAKEN + 1)});
    pos.undo_move(m, u);
  }
  return out;
}

}  // namespace hakuro::tactics
