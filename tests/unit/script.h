// Script lines run on the replay tool, with what they printed.
#pragma once

#include <initializer_list>
#include <sstream>
#include <string>

#include "replay.h"

namespace hakuro::testing {

// Runs the lines and returns what they printed; `out` is the stream the replay prints to.
inline std::string run_lines(replay::Replay& r, std::ostringstream& out,
                             std::initializer_list<const char*> lines) {
  out.str("");
  for (const char* l : lines) r.line(l);
  return out.str();
}

}  // namespace hakuro::testing
