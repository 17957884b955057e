// The computer's turn, in two halves: choosing its move, and playing it. The second half takes
// all it needs from the game record and its argument, so the choice may be made elsewhere (on
// another thread) and played later, on the window's thread.
#pragma once

#include <functional>
#include <optional>

#include "computer/search.h"
#include "control/play.h"
#include "form/form.h"

namespace hakuro {

// The turn begins: its clock starts and "思考中" shows left of the board.
void begin_computer_turn(Form& f);
// "思考中" (thinking) left of the board, where the computer's move will be written.
void show_thinking(Form& f);
// Whether the computer's turn is searching on the thinker.
bool computer_thinking(const Form& f);
// The first half: the move the computer chooses in the present position, none when it has no
// move at all. `hooks` tell the caller how the search goes (a clock can move on its ticks).
// Nothing is played, and the board is left as it was.
std::optional<Move> choose_computer_move(Game& g, Computer& com, const SearchHooks& hooks = {});
// The second half: the chosen move played through the one move path, drawn, sounded and
// announced, and the turn handed back to the human; without a move, the computer's loss.
Outcome play_computer_move(Form& f, const std::optional<Move>& move);

// The computer's turn, begun when the turn's clock already runs: the thinking shown, then as
// com_ban. In a watched game it plays either player, each at its own level or engine.
Outcome computer_turn(Form& f);
// In a watched game, whether the timer's tick begins the next player's turn: the game runs, is
// not decided or stepped through, and no search runs.
bool watched_turn_due(const Form& f);

// com_ban "computer's move": the whole turn. Levels 1 to 3 play inside the event that hands it
// the move; levels 4 and 5 search on the thinker and play when the search ends (`thinking`
// until then, unless the thinker ran it in place).
Outcome com_ban(Form& f);

}  // namespace hakuro
