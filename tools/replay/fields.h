// The game record's named fields and tables as the replay tool shows and sets them.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "state/game.h"

namespace hakuro::replay {

using FieldRef = std::variant<int*, double*>;

struct NamedField {
  const char* name;
  FieldRef ref;
};

// The single-value fields in `dump` order.
std::vector<NamedField> fields(Game& g);
// A per-square table by name, or nullptr.
Table* table_named(Game& g, const std::string& name);

}  // namespace hakuro::replay
