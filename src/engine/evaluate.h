// The static evaluation, the same for both sides, from the side to move's view.
#pragma once

#include <array>

#include "engine/position.h"

namespace hakuro::engine {

Value evaluate(const Position& pos);

// Each term of the evaluation from the side to move's view; they add up to evaluate().
struct Trace {
  struct Term {
    const char* name;
    Value value;
  };
  std::array<Term, 8> terms;
  Value total;
};
Trace trace(const Position& pos);

}  // namespace hakuro::engine
