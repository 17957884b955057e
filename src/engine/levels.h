// How long levels 4 and 5 think: the one place that sets their budgets.
#pragma once

#include <cstdint>

#include "engine/search.h"

namespace hakuro::engine {

inline constexpr int FIRST_ENGINE_LEVEL = 4;
inline constexpr double LEVEL4_SECONDS = 0.1;
inline constexpr double LEVEL5_SECONDS = 0.5;

// The limits of level 4 or 5: its time budget, or `nodes` nodes when nodes is not 0.
inline Limits level_limits(int level, uint64_t nodes = 0) {
  Limits l;
  if (nodes) l.nodes = nodes;
  else l.seconds = level >= 5 ? LEVEL5_SECONDS : LEVEL4_SECONDS;
  return l;
}

// Level 5's share of a node budget that stands in for time, against level 4's: their budgets'
// ratio.
inline uint64_t level_nodes(int level, uint64_t level4_nodes) {
  return level >= 5 ? uint64_t(double(level4_nodes) * LEVEL5_SECONDS / LEVEL4_SECONDS)
                    : level4_nodes;
}

}  // namespace hakuro::engine
