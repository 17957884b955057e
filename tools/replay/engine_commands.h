// The replay tool's commands of the search engine: `moves`, `think`, `eval` and `set nodes N`.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "engine/search.h"
#include "form/form.h"

namespace hakuro::replay {

class EngineCommands {
 public:
  EngineCommands();
  ~EngineCommands();
  // Runs w when it is one of these commands; false otherwise.
  bool run(Form& f, const std::vector<std::string>& w, std::ostream& out);

 private:
  void think(Game& g, bool top, std::ostream& out);

  uint64_t nodes_ = 0;  // levels 4 and 5 stop after this many nodes; 0: their time budget
  std::unique_ptr<engine::Search> search_;  // made at the first `think` of level 4 or 5
};

}  // namespace hakuro::replay
