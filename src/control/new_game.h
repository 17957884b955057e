// 対局 → 新規対局…: one dialog chooses the players, the rules, the handicap and the time control,
// and starts the game as the match menu's items would.
#pragma once

#include <optional>
#include <string>

#include "form/form.h"

namespace hakuro {

// NEW_GAME: the dialog's choices start a new game; nothing changes when it is cancelled or a
// choice cannot be played (a box says why).
void on_new_game(Form& f);

// Why the choices cannot start a game; nothing when they can.
std::optional<std::string> new_game_refusal(const NewGameChoice& c);

}  // namespace hakuro
