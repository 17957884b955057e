// How each piece moves: its step and slide directions, as tables made at compile time.
#pragma once

#include <array>
#include <cstdint>

#include "engine/square_set.h"
#include "engine/types.h"

namespace hakuro::engine {

// Which step directions and slide directions a piece has, for the generator and the attack test.
struct Moves {
  std::array<int8_t, 9> steps{};   // terminated by 0
  std::array<int8_t, 5> slides{};  // terminated by 0
};

namespace detail {

// The eight neighbour directions, ordered so that the opposite of entry i is entry 7 - i.
inline constexpr std::array<int, 8> D8 = {UP + LEFT, UP,          UP + RIGHT, LEFT,
                                          RIGHT,     DOWN + LEFT, DOWN,       DOWN + RIGHT};

struct MoveTables {
  std::array<Moves, PIECE_N> moves{};
  std::array<uint8_t, PIECE_N> step_mask{}, slide_mask{};  // bits over D8
};

constexpr int d8_index(int d) {
  for (int i = 0; i < 8; ++i)
    if (D8[i] == d) return i;
  return -1;
}

constexpr MoveTables make_tables() {
  MoveTables t;
  for (int c = 0; c < 2; ++c) {
    const int f = c == BOTTOM ? UP : DOWN;
    for (int ty = PAWN; ty < TYPE_N; ++ty) {
      Moves m;
      int ns = 0, nl = 0;
      auto step = [&](int d) { m.steps[ns++] = int8_t(d); };
      auto slide = [&](int d) { m.slides[nl++] = int8_t(d); };
      switch (Type(ty)) {
        case PAWN: step(f); break;
        case LANCE: slide(f); break;
        case KNIGHT:
          step(2 * f + LEFT);
          step(2 * f + RIGHT);
          break;
        case SILVER:
          for (int d : {f + LEFT, f, f + RIGHT, -f + LEFT, -f + RIGHT}) step(d);
          break;
        case GOLD:
        case PRO_PAWN:
        case PRO_LANCE:
        case PRO_KNIGHT:
        case PRO_SILVER:
          for (int d : {f + LEFT, f, f + RIGHT, LEFT, RIGHT, -f}) step(d);
          break;
        case KING:
          for (int d : D8) step(d);
          break;
        case BISHOP:
        case HORSE:
          for (int d : {UP + LEFT, UP + RIGHT, DOWN + LEFT, DOWN + RIGHT}) slide(d);
          if (ty == HORSE)
            for (int d : {UP, LEFT, RIGHT, DOWN}) step(d);
          break;
        case ROOK:
        case DRAGON:
          for (int d : {UP, LEFT, RIGHT, DOWN}) slide(d);
          if (ty == DRAGON)
            for (int d : {UP + LEFT, UP + RIGHT, DOWN + LEFT, DOWN + RIGHT}) step(d);
          break;
        default: break;
      }
      const Piece p = make_piece(Color(c), Type(ty));
      t.moves[p] = m;
      for (int i = 0; i < ns; ++i)
        if (int k = d8_index(m.steps[i]); k >= 0) t.step_mask[p] |= uint8_t(1 << k);
      for (int i = 0; i < nl; ++i) t.slide_mask[p] |= uint8_t(1 << d8_index(m.slides[i]));
    }
  }
  return t;
}

inline constexpr MoveTables TABLES = make_tables();

constexpr auto make_step_targets() {
  std::array<std::array<SquareSet, SQ_N>, PIECE_N> targets{};
  for (int p = 0; p < PIECE_N; ++p)
    for (int y = 1; y <= 9; ++y)
      for (int x = 1; x <= 9; ++x) {
        const Moves& mv = TABLES.moves[std::size_t(p)];
        for (int i = 0; mv.steps[std::size_t(i)]; ++i) {
          const int to = square(x, y) + mv.steps[std::size_t(i)];
          if (file_of(to) >= 1 && file_of(to) <= 9 && rank_of(to) >= 1 && rank_of(to) <= 9)
            targets[std::size_t(p)][std::size_t(square(x, y))].add(to);
        }
      }
  return targets;
}

inline constexpr auto STEP_TARGETS = make_step_targets();

}  // namespace detail

constexpr const Moves& moves_of(Piece p) { return detail::TABLES.moves[p]; }
// The squares of the board p steps to from sq.
constexpr const SquareSet& step_targets(Piece p, int sq) { return detail::STEP_TARGETS[p][sq]; }
// Whether p steps (slides) in direction d, one of the eight neighbour directions.
constexpr bool steps_along(Piece p, int d) {
  return (detail::TABLES.step_mask[p] >> detail::d8_index(d)) & 1;
}
constexpr bool slides_along(Piece p, int d) {
  return (detail::TABLES.slide_mask[p] >> detail::d8_index(d)) & 1;
}

}  // namespace hakuro::engine
