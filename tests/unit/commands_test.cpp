// The menu bar's command table and the names the program and hakuro-replay use with it.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "control/commands.h"
#include "replay.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;

// The window builds its menus in the table's order: each item's menu must be made before it.
TEST(Commands, EveryItemSitsInAMenuMadeBeforeItAndNamesAreUnique) {
  std::set<std::string> names, menus;
  for (const Command& c : commands()) {
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
    if (c.menu) {
      EXPECT_TRUE(menus.count(c.menu)) << c.name << " under " << c.menu;
    }
    if (c.opens()) menus.insert(c.name);
    EXPECT_EQ(find_command(c.name), &c);
    EXPECT_FALSE(c.opens() && (c.waits() || c.checkable())) << c.name;
  }
  EXPECT_EQ(find_command("NOSUCH"), nullptr);
}

// Every check mark the program sets is on an item of the table that carries one, and after the
// start-up and a level chosen every such item has had its mark set.
TEST(Commands, TheProgramSetsCheckMarksOnlyOnCheckableItems) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  run_lines(r, out, {"menu LEVEL1", "menu TAKE"});
  std::set<std::string> set, checkable;
  for (const auto& [name, on] : r.window().checks()) set.insert(name);
  for (const Command& c : commands())
    if (c.checkable()) checkable.insert(c.name);
  EXPECT_EQ(set, checkable);
  EXPECT_EQ(run_lines(r, out, {"checked LEVEL1", "checked LEVEL3", "checked TAKE"}),
            "checked LEVEL1 1\nchecked LEVEL3 0\nchecked TAKE 1\n");
}

}  // namespace
}  // namespace hakuro
