#include "control/menu.h"

#include <functional>
#include <map>
#include <set>

#include "control/computer_turn.h"
#include "control/handicap_menu.h"
#include "control/hint.h"
#include "control/kif_menu.h"
#include "control/last_game.h"
#include "control/record_menu.h"
#include "control/resign.h"
#include "control/startup.h"
#include "control/thinking.h"
#include "display/draw.h"
#include "options/clock.h"
#include "options/settings.h"
#include "record/panel.h"

namespace hakuro {

namespace {

void nothing(Form&) {}

const std::map<std::string, std::function<void(Form&)>>& handlers() {
  static const std::map<std::string, std::function<void(Form&)>> table = {
      {"TAIKYOKU", on_match_menu},      {"MATCH_MAN", nothing},
      {"START", on_start},              {"START2", nothing},
      {"SENTE", on_sente},              {"GOTE", on_gote},
      {"LEVEL", nothing},               {"LEVEL1", on_level1},
      {"LEVEL2", on_level2},            {"LEVEL3", on_level3},
      {"LEVEL4", on_level4},            {"LEVEL5", on_level5},
      {"HINT", on_hint},                {"OWARI", on_quit},
      {"STOP", on_position_menu},       {"CANCEL", on_to_start},
      {"REVERSE", on_turn_round},       {"REPLAY", on_back},
      {"AFTER", on_forward},            {"LBEL_UP", on_handicap_up},
      {"LEBEL_DOWN", on_handicap_down}, {"KIFU", nothing},
      {"KIFU_READ", on_record_load},    {"KIFU_WRITE", on_record_save},
      {"KIF_WRITE", on_kif_write},      {"KIF_READ", on_kif_read},
      {"SFEN_COPY", on_sfen_copy},      {"SFEN_PASTE", on_sfen_paste},
      {"OPTION", on_options_menu},      {"HAIKEI_GA", nothing},
      {"MIDORI", on_green},             {"TATAMI", on_tatami},
      {"TAKE", on_bamboo},              {"UCHU", on_space},
      {"RENGA", on_brick},              {"SIDOU", on_guidance},
      {"KEIKA", on_elapsed_time},       {"BGM", on_music},
      {"VER", on_version},              {"RESIGN", on_resign},
      {"LAST_GAME", on_last_game},      {"ZAHYO", on_coordinates_from_sente},
  };
  return table;
}

// The commands that change the game or the record wait while a search runs; the options, the
// menus' opening, その他 and 終わり do not.
bool waits(const std::string& name) {
  static const std::set<std::string> commands = {
      "START",      "SENTE",    "GOTE",       "LEVEL1",    "LEVEL2",     "LEVEL3",
      "LEVEL4",     "LEVEL5",   "HINT",       "RESIGN",    "CANCEL",     "REVERSE",
      "REPLAY",     "AFTER",    "LBEL_UP",    "LEBEL_DOWN", "KIFU_READ", "KIFU_WRITE",
      "KIF_WRITE",  "KIF_READ", "SFEN_COPY",  "SFEN_PASTE", "LAST_GAME"};
  return commands.count(name) > 0;
}

}  // namespace

void on_position_menu(Form& f) { hide_record_panel(f.win); }
void on_options_menu(Form& f) { hide_record_panel(f.win); }

bool menu_click(Form& f, const std::string& name) {
  const auto& table = handlers();
  auto it = table.find(name);
  if (it == table.end()) return false;
  if (waits(name) && wait_for_search(f, [&f, name] { menu_click(f, name); })) return true;
  it->second(f);
  // A command may have changed who is 先手 (a game begun, a handicap set).
  keep_labels_current(f);
  // An option may have redrawn the window while the computer thinks.
  if (computer_thinking(f)) show_thinking(f);
  return true;
}

}  // namespace hakuro
