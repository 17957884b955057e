#include <fstream>
#include <iostream>

#include "replay.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::ifstream file;
  if (argc > 1) {
    file.open(argv[1]);
    if (!file) {
      std::cerr << "hakuro-replay: cannot read " << argv[1] << '\n';
      return 2;
    }
  }
  hakuro::replay::Replay replay(std::cout);
  replay.run(argc > 1 ? static_cast<std::istream&>(file) : std::cin);
  std::cout.flush();
  return 0;
}
