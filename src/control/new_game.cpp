#include "control/new_game.h"

#include "control/handicap_menu.h"
#include "control/startup.h"
#include "form/option_items.h"
#include "options/settings.h"
#include "options/sound.h"
#include "record/panel.h"

namespace hakuro {

namespace {

constexpr const char* kTitle = "新規対局";

// The computer's level a player names (1 … 5), 0 for a person, -1 for an engine.
int level_of(const std::string& player) {
  if (player == "man") return 0;
  if (player.size() == 6 && player.starts_with("level") && player[5] >= '1' && player[5] <= '5')
    return player[5] - '0';
  return -1;
}

}  // namespace

std::optional<std::string> new_game_refusal(const NewGameChoice& c) {
  const int sente = level_of(c.sente), gote = level_of(c.gote);
  if (sente < 0 || gote < 0) return "USIエンジンとの対局はまだできません";
  if (c.main <= 0 && c.byoyomi <= 0 && c.increment > 0) return "持ち時間を決めて下さい";
  return std::nullopt;
}

void on_new_game(Form& f) {
  hide_record_panel(f.win);
  const std::optional<NewGameChoice> c = f.win.new_game_dialog();
  if (!c) return;
  if (const std::optional<std::string> why = new_game_refusal(*c)) {
    play(f, f.refused_sound);
    msg_ok(f, *why, kTitle);
    return;
  }
  Game& g = f.g;
  f.next_time_control = {std::max(0, c->main), std::max(0, c->byoyomi), std::max(0, c->increment)};
  initial_setup(f);
  g.record.cut(0);  // a new game: the moves on the board before are given up
  set_handicap(f, c->handicap);
  // The rules chosen are 本将棋's check mark, which every game begun from the menus follows.
  set_option(f, kStandardRulesItem, c->standard_rules);
  const int sente = level_of(c->sente), gote = level_of(c->gote);
  if (sente == 0 && gote == 0) return on_start(f);
  if (sente == 0 || gote == 0) {
    set_level(f, sente + gote);
    return sente == 0 ? on_sente(f) : on_gote(f);
  }
  set_level(f, sente);  // 先手 plays the top player, 後手 the bottom one
  g.bottom_level = gote;
  on_watch(f);
}

}  // namespace hakuro
