// The tactical suite: positions with the moves that solve them, one a line of a text file:
//   RULES | KIND DEPTH | SFEN | MOVE [MOVE…] | comment
// RULES is own or standard; KIND is mate (the side to move mates within DEPTH of its moves),
// capture (it wins material, seen within DEPTH plies) or defence (it stops the opponent's mate
// within DEPTH moves); the moves are every first move that does it, in USI notation. Blank lines
// and lines starting with # are left out.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "engine/position.h"

namespace hakuro::tactics {

struct Tactic {
  int line = 0;  // in the file, from 1
  engine::Rules rules = engine::Rules::own;
  std::string kind;
  int depth = 0;
  std::string sfen;
  std::vector<std::string> moves;
  std::string comment;
  engine::Position pos;
};

struct SuiteRead {
  std::vector<Tactic> tactics;
  std::string error;  // the first line refused and why; empty when all are read
};

SuiteRead read_suite(std::istream& in);

}  // namespace hakuro::tactics
