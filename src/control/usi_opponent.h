// Another USI engine as the computer opponent: chosen beside the levels or in the new-game
// dialog, it plays the top player in games of 本将棋 (in a watched game a second engine may play
// the bottom one), one engine process per game and player, its moves found on the thinker and
// played through the same move path as the levels' moves.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "control/play.h"
#include "form/form.h"
#include "usi/client.h"
#include "usi/engine_entry.h"

namespace hakuro {

struct UsiOpponent {
  usi::EngineEntry entry;
  // The engine of the game in progress, started at the computer's first turn; null between
  // games.
  std::shared_ptr<usi::Client> client;
  std::string start_sfen;  // where the engine's game began
  // What the engine tells while it thinks, from the thinker's thread to the window's.
  std::mutex info_mutex;
  std::optional<usi::Info> info;  // the latest, not shown yet
};

// The check-marked item of the engine of `entry` beside the levels.
std::string usi_item(const usi::EngineEntry& entry);
// The item's caption: "USI: name".
std::string usi_caption(const usi::EngineEntry& entry);

// The engine of `entry` becomes the opponent, in place of the level, for the game in progress
// too; refused ("USIエンジンとは本将棋で対局します") unless 本将棋 is chosen and the game in
// progress, if any, is played by it.
void choose_usi_opponent(Form& f, const usi::EngineEntry& entry);
// The levels play the computer's side again: the engine chosen, if any, quits.
void drop_usi_opponent(Form& f);
// The player's list of engines has changed to `kept`: the engine chosen plays with its settings
// there, or is dropped when it is no longer listed.
void keep_usi_opponent(Form& f, const std::vector<usi::EngineEntry>& kept);

// The computer's turn against the engine chosen for the player to move: `thinking` until its
// answer is played, as at levels 4 and 5. Under a time control the engine is given both clocks,
// otherwise its time per move. Nothing when no engine plays that player, or when the game is
// played by the own rule, which it cannot play (said so, and the level plays).
std::optional<Outcome> usi_turn(Form& f);

// The game has ended or been given up: each engine is told how it ended (`gameover`), if the
// record says, and quits.
void end_usi_game(Form& f);

// What the engine told last while it thinks, shown in the window's status bar; nothing when
// it has told nothing new. Runs on the window's thread.
void show_usi_info(Form& f);
// The text shown for `info`: the score from the engine's side and the expected moves.
std::string info_text(const usi::Info& info);

}  // namespace hakuro
