// The game record's fields and tables by the names the replay tool's commands show and take
// (`dump`, `set`, `table`, `hand`): the one place that maps those names onto the fields of the
// game and of the window that plays it.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "form/form.h"

namespace hakuro::replay {

// A whole number the record keeps behind its operations: read, and set through them.
struct RecordNumber {
  std::function<int()> get;
  std::function<void(int)> set;
};
using FieldRef = std::variant<int*, double*, RecordNumber>;

struct NamedField {
  const char* name;
  FieldRef ref;
};

// The hands and the pawn flags in `dump` order, each shown from index `from` to `to`.
struct NamedRow {
  const char* name;
  int* values;
  int from, to;
};
std::vector<NamedRow> rows(Game& g);

// A hand by the name `hand` takes (sita, ue), with its total; nullptr for another name.
struct NamedHand {
  Hand* hand;
  int* total;
};
std::optional<NamedHand> hand_named(Game& g, const std::string& name);

// The single-value fields in `dump` order.
std::vector<NamedField> fields(Form& f);
// The board's table, which `dump` shows first.
inline constexpr const char* kBoardTable = "ban";
// A per-square table by name, or nullptr.
Table* table_named(Form& f, const std::string& name);

}  // namespace hakuro::replay
