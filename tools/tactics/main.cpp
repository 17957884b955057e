// hakuro-tactics FILE [--nodes N]
// Level 5's engine on a tactical suite (tests/data/tactics.txt): one line a position, then how
// many it solved.
#include <fstream>
#include <iostream>
#include <string>

#include "solve.h"

int main(int argc, char** argv) {
  using namespace hakuro::tactics;
  const std::string usage = "usage: hakuro-tactics FILE [--nodes N]\n";
  uint64_t nodes = kLevel5Nodes;
  if (argc == 4 && std::string(argv[2]) == "--nodes") {
    try {
      nodes = std::stoull(argv[3]);
    } catch (...) {
      nodes = 0;
    }
  }
  if ((argc != 2 && argc != 4) || nodes == 0) {
    std::cerr << usage;
    return 2;
  }
  std::ifstream file(argv[1]);
  if (!file) {
    std::cerr << "hakuro-tactics: cannot read " << argv[1] << '\n';
    return 2;
  }
  const SuiteRead suite = read_suite(file);
  if (!suite.error.empty()) {
    std::cerr << "hakuro-tactics: " << argv[1] << ", " << suite.error << '\n';
    return 2;
  }
  run_suite(suite.tactics, nodes, std::cout);
  return 0;
}
