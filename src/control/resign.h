// 対局 → 投了 (resign): the player to move gives the game up.
#pragma once

#include "form/form.h"

namespace hakuro {

// 投了 "resign", once the player has said yes. Against the computer the person loses; between
// two people the side to move. The game ends as a king's capture ends it: the winner announced,
// then a new game offered.
void on_resign(Form& f);  // RESIGN_Click

// The game shown is decided: a king has been taken, or the record's last move is shown and the
// game it holds has ended.
bool game_over(const Game& g);

}  // namespace hakuro
