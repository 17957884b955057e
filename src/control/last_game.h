// 対局 → 前回の対局 (the last game): the game in progress is kept after every move, and taken up
// again where it stood.
#pragma once

#include "form/form.h"

namespace hakuro {

// Keeps the game as it stands in f.last_game_file (nowhere when that is empty), once it holds a
// move. A save that fails is silent: it never disturbs the game.
void keep_last_game(Form& f);

// LAST_GAME: an unfinished last game goes on where it stood (position, turn, record, sides,
// level, clocks, mode); a finished one is shown as a record at its last move.
void on_last_game(Form& f);  // LAST_GAME_Click

// At start-up: when the last game is unfinished, asks whether to go on with it.
void offer_last_game(Form& f);

}  // namespace hakuro
