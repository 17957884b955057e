#include "engine/convert.h"

#include <cstdlib>

#include "engine/movegen.h"

namespace hakuro::engine {

namespace {

constexpr int CODE[TYPE_N] = {0,        HU,       KYOU,      KEI,     GIN,       KIN,
                              KAKU,     SYA,      OU,        HU_NARI, KYOU_NARI, KEI_NARI,
                              GIN_NARI, KIN_NARI, KAKU_NARI, SYA_NARI};

}  // namespace

int code_of(Piece p) {
  if (!is_piece(p)) return KARA;
  const int c = CODE[type_of(p)];
  return color_of(p) == TOP ? c : -c;
}

Piece piece_of(int code) {
  const int a = std::abs(code);
  for (int t = PAWN; t < TYPE_N; ++t)
    if (CODE[t] == a && a != 0) return make_piece(code > 0 ? TOP : BOTTOM, Type(t));
  return EMPTY;
}

engine::Position from_game(const hakuro::Position& p, bool top_to_move, Rules rules) {
  engine::Position e;
  e.set_rules(rules);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) e.put(square(x, y), piece_of(p.board[x][y]));
  for (int k = PAWN; k <= ROOK; ++k) {
    e.set_hand(BOTTOM, Type(k), std::max(0, p.bottom_hand[std::size_t(k)]));
    e.set_hand(TOP, Type(k), std::max(0, p.top_hand[std::size_t(k)]));
  }
  e.set_side(top_to_move ? TOP : BOTTOM);
  return e;
}

hakuro::Position to_game(const engine::Position& e) {
  hakuro::Position p;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) p.board[x][y] = code_of(e.at(square(x, y)));
  for (int k = PAWN; k <= ROOK; ++k) {
    p.bottom_hand[std::size_t(k)] = e.hand(BOTTOM, Type(k));
    p.top_hand[std::size_t(k)] = e.hand(TOP, Type(k));
    p.bottom_hand_total += e.hand(BOTTOM, Type(k));
    p.top_hand_total += e.hand(TOP, Type(k));
  }
  return p;
}

std::array<int, 5> move_numbers(Move m) {
  const int tx = file_of(to_sq(m)), ty = rank_of(to_sq(m));
  if (is_drop(m)) return {0, drop_kind(m), tx, ty, 0};
  return {file_of(from_sq(m)), rank_of(from_sq(m)), tx, ty, is_promotion(m) ? 1 : 0};
}

hakuro::Move to_played(const engine::Position& pos, Move m) {
  const hakuro::Square to{file_of(to_sq(m)), rank_of(to_sq(m))};
  if (is_drop(m)) return drop_move(code_of(make_piece(pos.side(), drop_kind(m))), to);
  const Piece p = pos.at(from_sq(m));
  const int piece = code_of(p);
  const int placed =
      is_promotion(m) ? code_of(make_piece(color_of(p), promoted(type_of(p)))) : piece;
  return board_move({file_of(from_sq(m)), rank_of(from_sq(m))}, to, piece, placed,
                    code_of(pos.at(to_sq(m))));
}

std::vector<hakuro::Move> legal_moves(const hakuro::Position& p, bool top_to_move, Rules rules) {
  const engine::Position pos = from_game(p, top_to_move, rules);
  MoveList list;
  generate_all(pos, list);
  std::vector<hakuro::Move> moves;
  moves.reserve(std::size_t(list.size));
  for (Move m : list) moves.push_back(to_played(pos, m));
  return moves;
}

}  // namespace hakuro::engine
