// hakuro-usi: the program's search engine for any shogi GUI that speaks USI, on standard input
// and output.
#include <iostream>

#include "session.h"

int main() {
  std::ios::sync_with_stdio(false);
  // Reading would flush std::cout outside the session's lock while the search thread writes to
  // it; every answer is flushed as it is written anyway.
  std::cin.tie(nullptr);
  hakuro::usi::Session session(std::cout);
  session.run(std::cin);
  return 0;
}
