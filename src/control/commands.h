// The menu bar as one table: every menu and item, in the bar's order, with what it does. The
// window builds its menus from it, hakuro-replay finds `menu NAME` in it, and the program sets
// check marks by the names it gives.
#pragma once

#include <span>
#include <string_view>

#include "form/form.h"

namespace hakuro {

struct Command {
  enum Trait : unsigned { kItem = 0, kMenu = 1, kWaits = 2, kCheck = 4 };

  const char* name;     // the window's object name and hakuro-replay's `menu NAME`
  const char* menu;     // the menu it sits in, by name; nullptr on the bar itself
  const char* caption;  // in Japanese: the key of its English in the "menu" context
  void (*handler)(Form&);
  unsigned traits;

  // A menu with items of its own; its handler runs as it opens.
  bool opens() const { return (traits & kMenu) != 0; }
  // It changes the game or the record, so it waits while a search runs.
  bool waits() const { return (traits & kWaits) != 0; }
  // It carries a check mark, which the program sets (a click only tells the program).
  bool checkable() const { return (traits & kCheck) != 0; }
};

// Every menu and item, each menu before its items, in the order the bar shows them.
std::span<const Command> commands();

// The entry of that name; nullptr when the menu bar has none.
const Command* find_command(std::string_view name);

// The names of the check-marked items the program sets.
inline constexpr const char* kLevelItems[] = {"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4", "LEVEL5"};
// 棋譜 → 検討 and 解析結果をKIFに書く, whose marks the window keeps.
inline constexpr const char* kLiveAnalysisItem = "KENTOU";
inline constexpr const char* kAnalysisKifItem = "KIF_ANALYSIS";
// The COM対局ﾚﾍﾞﾙ item of level n, 1 to 5.
constexpr const char* level_item(int n) { return kLevelItems[static_cast<unsigned>(n - 1)]; }

}  // namespace hakuro
