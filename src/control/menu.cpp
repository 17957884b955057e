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
      {"TAIKYOKU", TAIKYOKU_Click}, {"MATCH_MAN", nothing},       {"START", START_Click},
      {"START2", nothing},          {"SENTE", SENTE_Click},       {"GOTE", GOTE_Click},
      {"LEVEL", nothing},           {"LEVEL1", LEVEL1_Click},     {"LEVEL2", LEVEL2_Click},
      {"LEVEL3", LEVEL3_Click},     {"LEVEL4", LEVEL4_Click},     {"LEVEL5", LEVEL5_Click},
      {"HINT", HINT_Click},         {"OWARI", OWARI_Click},       {"STOP", STOP_Click},
      {"CANCEL", CANCEL_Click},          {"REVERSE", REVERSE_Click},         {"REPLAY", REPLAY_Click},
      {"AFTER", AFTER_Click},           {"LBEL_UP", LBEL_UP_Click},         {"LEBEL_DOWN", LEBEL_DOWN_Click},
      {"KIFU", nothing},            {"KIFU_READ", KIFU_READ_Click},       {"KIFU_WRITE", KIFU_WRITE_Click},
      {"KIF_WRITE", KIF_WRITE_Click},   {"KIF_READ", KIF_READ_Click},
      {"SFEN_COPY", SFEN_COPY_Click},   {"SFEN_PASTE", SFEN_PASTE_Click},
      {"OPTION", OPTION_Click},     {"HAIKEI_GA", nothing},       {"MIDORI", MIDORI_Click},
      {"TATAMI", TATAMI_Click},     {"TAKE", TAKE_Click},         {"UCHU", UCHU_Click},
      {"RENGA", RENGA_Click},       {"SIDOU", SIDOU_Click},       {"KEIKA", KEIKA_Click},
      {"BGM", BGM_Click},           {"VER", VER_Click},           {"ZAHYO", ZAHYO_Click},
      {"RESIGN", RESIGN_Click},     {"LAST_GAME", LAST_GAME_Click},
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

void STOP_Click(Form& f) { hide_record_panel(f.win); }
void OPTION_Click(Form& f) { hide_record_panel(f.win); }

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
