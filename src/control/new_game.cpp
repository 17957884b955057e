#include "control/new_game.h"

#include <memory>

#include "control/handicap_menu.h"
#include "control/startup.h"
#include "control/usi_opponent.h"
#include "form/option_items.h"
#include "options/settings.h"
#include "options/sound.h"
#include "record/panel.h"

namespace hakuro {

namespace {

constexpr const char* kTitle = "新規対局";
constexpr const char* kEnginePrefix = "usi:";

// The computer's level a player names (1 … 5), 0 for a person, -1 for an engine.
int level_of(const std::string& player) {
  if (player == "man") return 0;
  if (player.size() == 6 && player.starts_with("level") && player[5] >= '1' && player[5] <= '5')
    return player[5] - '0';
  return -1;
}

// The engine a player names ("usi:NAME"), with the front end's settings for it.
usi::EngineEntry engine_named(Form& f, const std::string& player) {
  usi::EngineEntry entry;
  entry.name = entry.path = player.substr(std::string(kEnginePrefix).size());
  f.win.find_usi_engine(entry.path, entry);
  return entry;
}

// The top player, 先手 when the computer moves first: the engine named, or the level.
void choose_top(Form& f, const std::string& player) {
  if (level_of(player) < 0) return choose_usi_opponent(f, engine_named(f, player));
  drop_usi_opponent(f);
  set_level(f, level_of(player));
}

// The bottom player of a watched game: the level, or the engine named with the top player's
// level standing in should it fail.
void choose_bottom(Form& f, const std::string& player) {
  f.g.bottom_level = level_of(player) > 0 ? level_of(player) : f.g.level;
  if (level_of(player) > 0) return;
  f.bottom_usi = std::make_shared<UsiOpponent>();
  f.bottom_usi->entry = engine_named(f, player);
}

}  // namespace

std::optional<std::string> new_game_refusal(const NewGameChoice& c) {
  const bool engine = level_of(c.sente) < 0 || level_of(c.gote) < 0;
  if (engine && !c.standard_rules) return "USIエンジンとは本将棋で対局します";
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
  f.next_time_control = {std::max(0, c->main), std::max(0, c->byoyomi), std::max(0, c->increment)};
  initial_setup(f);
  f.g.record.cut(0);  // a new game: the moves on the board before are given up
  set_handicap(f, c->handicap);
  // The rules chosen are 本将棋's check mark, which every game begun from the menus follows.
  set_option(f, kStandardRulesItem, c->standard_rules);
  const bool person_sente = c->sente == "man", person_gote = c->gote == "man";
  if (person_sente && person_gote) return on_start(f);
  if (person_sente || person_gote) {
    choose_top(f, person_sente ? c->gote : c->sente);
    return person_sente ? on_sente(f) : on_gote(f);
  }
  choose_top(f, c->sente);  // 先手 plays the top player, 後手 the bottom one
  choose_bottom(f, c->gote);
  on_watch(f);
}

}  // namespace hakuro
