// The replay tool's commands of the search engine: `moves`, `think`, `eval` and `set nodes N`
// (which bounds the program's levels 4 and 5 and its hint as well).
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/search.h"
#include "form/form.h"

namespace hakuro::replay {

// The rules the commands look at: the standard rules when the game is played by them or 本将棋
// is checked; the own rule otherwise.
Rules rules_in_force(const Form& f);

class EngineCommands {
 public:
  EngineCommands();
  ~EngineCommands();
  // Runs w when it is one of these commands; false otherwise.
  bool run(Form& f, const std::vector<std::string>& w, std::ostream& out);

 private:
  // `nodes`: levels 4 and 5 stop after this many nodes; 0: their time budget.
  void think(const Form& f, bool top, uint64_t nodes, std::ostream& out);

  std::unique_ptr<engine::Search> search_;  // made at the first `think` of level 4 or 5
};

}  // namespace hakuro::replay
