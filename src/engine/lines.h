// The board's lines: the step from one square towards another on the same row, column or
// diagonal, and the squares on a line through each square, as tables made at compile time.
#pragma once

#include <array>
#include <cstdint>

#include "engine/square_set.h"
#include "engine/types.h"

namespace hakuro::engine {

namespace detail {

struct Lines {
  std::array<std::array<int8_t, SQ_N>, SQ_N> step{};
};

constexpr Lines make_lines() {
  Lines l;
  for (int s = 0; s < SQ_N; ++s)
    for (int t = 0; t < SQ_N; ++t) {
      const int dx = file_of(t) - file_of(s), dy = rank_of(t) - rank_of(s);
      if (s == t || (dx != 0 && dy != 0 && dx != dy && dx != -dy)) continue;
      l.step[s][t] = int8_t((dy > 0) - (dy < 0)) * W + ((dx > 0) - (dx < 0));
    }
  return l;
}

inline constexpr Lines LINES = make_lines();

constexpr auto make_rays() {
  std::array<SquareSet, SQ_N> rays{};
  for (int s = square(1, 1); s <= square(9, 9); ++s)
    for (int t = square(1, 1); t <= square(9, 9); ++t)
      if (file_of(t) >= 1 && file_of(t) <= 9 && LINES.step[t][s] != 0) rays[s].add(t);
  return rays;
}

inline constexpr auto RAYS = make_rays();

}  // namespace detail

// The one-square step from s towards t when they share a row, column or diagonal; 0 otherwise.
constexpr int line_step(int s, int t) { return detail::LINES.step[s][t]; }
// The board's squares on a row, column or diagonal through sq: where a slider could stand to
// reach it.
constexpr const SquareSet& rays(int sq) { return detail::RAYS[sq]; }

}  // namespace hakuro::engine
