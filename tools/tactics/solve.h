// Level 5's engine on the tactical suite, bounded by nodes so that every run gives the same
// answers.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "suite.h"

namespace hakuro::tactics {

// About what level 5 searches in its half second on the development machine.
inline constexpr uint64_t kLevel5Nodes = 1000000;

struct Answer {
  std::string move;  // the engine's, in USI notation
  bool solved = false;
  engine::Value score = 0;
};

Answer solve(const Tactic& t, uint64_t nodes);

// Solves every tactic, printing one line each (ok or MISS, the line, the kind, the engine's move,
// the accepted moves and the comment) and then "solved N of M"; returns N.
int run_suite(const std::vector<Tactic>& suite, uint64_t nodes, std::ostream& out);

}  // namespace hakuro::tactics
