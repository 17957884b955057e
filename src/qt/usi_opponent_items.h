// The player's other engines as opponents beside the levels: one check-marked item each
// ("USI: name") at the end of the COM対局ﾚﾍﾞﾙ menu, made afresh when the list changes.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "usi/engine_entry.h"

class QAction;
class QMenu;

namespace hakuro {

class UsiOpponentItems {
 public:
  using Chosen = std::function<void(const usi::EngineEntry&)>;
  // Items in `levels`; a click hands its engine to `chosen`.
  UsiOpponentItems(QMenu* levels, Chosen chosen) : levels_(levels), chosen_(std::move(chosen)) {}

  // The items, by their names (usi_item).
  const std::map<std::string, QAction*>& items() const { return items_; }
  // The items made afresh for `engines`; those made before are gone.
  void rebuild(const std::vector<usi::EngineEntry>& engines);

 private:
  QMenu* levels_;
  Chosen chosen_;
  QAction* separator_ = nullptr;
  std::map<std::string, QAction*> items_;
};

}  // namespace hakuro
