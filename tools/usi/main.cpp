// hakuro-usi: the program's search engine for any shogi GUI that speaks USI, on standard input
// and output.
#include <iostream>

#include "session.h"

int main() {
  std::ios::sync_with_stdio(false);
  hakuro::usi::Session session(std::cout);
  session.run(std::cin);
  return 0;
}
