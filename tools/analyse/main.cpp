// hakuro-analyse FILE [--movetime MS | --nodes N] [--rules own|standard] [--json]
// The engine's verdict on every move of a recorded game.
#include <iostream>

#include "cli.h"

int main(int argc, char** argv) {
  return hakuro::analyse::run(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                              std::cerr);
}
