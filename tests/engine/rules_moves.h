// The moves of a side found by the rules' own functions: every source, destination, promotion
// and drop tried. What the engine's generator is checked against.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <set>

#include "engine/convert.h"
#include "engine/movegen.h"
#include "rules/legality.h"
#include "rules/move.h"
#include "state/game.h"

namespace hakuro::testing {

using Numbers = std::array<int, 5>;  // FX FY TX TY P; a drop 0 K TX TY 0

inline Game game_at(const Position& p, bool top) {
  Game g;
  g.pos = p;
  g.bottom_side = -1;
  g.top_side = 1;
  g.side_to_move = top ? g.top_side : g.bottom_side;
  return g;
}

inline std::set<Numbers> rules_moves(Game& g, bool top) {
  std::set<Numbers> out;
  Position& p = g.pos;
  set_nifu_flags(p);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int piece = p.board[x][y];
      if (top ? !is_top(piece) : !is_bottom(piece)) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
          if (may_move(p, x, y, tx, ty, piece) != OK) continue;
          if (check_promotion(Square{x, y}, ty, piece) == OK) out.insert({x, y, tx, ty, 1});
          if (may_stay_unpromoted(ty, piece) == OK) out.insert({x, y, tx, ty, 0});
        }
    }
  const Hand& hand = top ? p.top_hand : p.bottom_hand;
  for (int k = 1; k <= 7; ++k) {
    if (hand[std::size_t(k)] <= 0) continue;
    const int code = top ? KIND_CODE[std::size_t(k)] : -KIND_CODE[std::size_t(k)];
    for (int tx = 1; tx <= 9; ++tx)
      for (int ty = 1; ty <= 9; ++ty)
        if (may_move(p, FromHand{k}, {tx, ty}, code) == OK) out.insert({0, k, tx, ty, 0});
  }
  return out;
}

// Plays a move given in numbers on the game through the rules.
inline void play_numbers(Game& g, bool top, const Numbers& n) {
  if (n[0] == 0) {
    const int code = top ? KIND_CODE[std::size_t(n[1])] : -KIND_CODE[std::size_t(n[1])];
    make_move(g, drop_move(code, {n[2], n[3]}));
    return;
  }
  const int piece = g.pos.board[n[0]][n[1]];
  int placed = piece;
  if (n[4] == 1 && check_promotion(Square{n[0], n[1]}, n[3], piece) == OK) placed = promoted(piece);
  make_move(g, board_move({n[0], n[1]}, {n[2], n[3]}, piece, placed));
}

inline std::set<Numbers> engine_moves(const engine::Position& pos) {
  engine::MoveList list;
  engine::generate_all(pos, list);
  std::set<Numbers> out;
  for (engine::Move m : list) out.insert(engine::move_numbers(m));
  return out;
}

// A random position: up to 40 random pieces (any code, promoted or not, kings at most one a
// side), random hands.
inline Position random_position(std::mt19937& rng) {
  static constexpr int codes[] = {HU,       KYOU,     KEI,       GIN,       KIN,
                                  KAKU,     SYA,      HU_NARI,   KYOU_NARI, KEI_NARI,
                                  GIN_NARI, KIN_NARI, KAKU_NARI, SYA_NARI};
  Position p;
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  const int n = pick(41);
  for (int i = 0; i < n; ++i) {
    const int code = codes[pick(14)] * (pick(2) ? 1 : -1);
    p.board[1 + pick(9)][1 + pick(9)] = code;
  }
  for (int side : {1, -1})
    if (pick(4)) p.board[1 + pick(9)][1 + pick(9)] = side * OU;
  for (int k = 1; k <= 7; ++k) {
    p.bottom_hand[std::size_t(k)] = pick(3) ? 0 : pick(4);
    p.top_hand[std::size_t(k)] = pick(3) ? 0 : pick(4);
  }
  return p;
}

// A position reached from the start by up to `plies` random moves of the generator, stopping
// before a move that would take a king.
inline engine::Position random_walk(std::mt19937& rng, int plies) {
  engine::Position pos = engine::Position::start();
  if (rng() % 2) pos.set_side(engine::TOP);
  for (int i = 0; i < plies; ++i) {
    engine::MoveList list;
    engine::generate_all(pos, list);
    if (list.size == 0) break;
    const engine::Move m = list.moves[rng() % unsigned(list.size)];
    if (engine::type_of(pos.captured_piece(m)) == engine::KING) break;
    engine::Undo u;
    pos.do_move(m, u);
  }
  return pos;
}

}  // namespace hakuro::testing
