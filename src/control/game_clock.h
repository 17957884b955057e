// The players' clocks in a game: the time control set up at its start, each move's time
// charged to its mover, and the game lost by the player whose time runs out.
#pragma once

#include "control/play.h"
#include "form/form.h"

namespace hakuro {

// Whether the clock timer is wanted while a game runs: 経過時間 is checked, a time control runs,
// or the game is watched (the timer begins each computer's turn).
bool clock_shown(const Form& f);

// The next game's time control takes the board: each player has its whole main time.
void reset_clocks(Form& f);

// The mover's time left after a move that took `spent` seconds, under the game's time control.
void charge_move(Game& g, bool bottom_moved, double spent);

// Whether the player to move has run out of time, now: a time control runs and the game is
// being played (not waiting after 戻 or 進, not decided).
bool time_is_up(const Form& f);
// "時間切れです": the player to move loses on time, by the usual end of a game.
Outcome end_on_time(Form& f);

// The clock timer's tick (Timer1_Timer): the clocks drawn, and a player out of time loses; in a
// watched game the next player's turn begins.
void on_timer(Form& f);

}  // namespace hakuro
