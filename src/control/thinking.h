// Searches of the engine that run on the window's thinker: the computer's turn at levels 4 and
// 5, and the hint. While one runs the board takes no presses, and the game and record commands
// wait until its result has arrived.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "engine/convert.h"
#include "engine/search.h"
#include "form/form.h"

namespace hakuro {

// Whether a search runs: its result has not arrived yet.
bool thinking(const Form& f);

// While a search runs, `command` waits for its result, after the commands that came before it,
// and this answers true; otherwise it answers false and the caller goes on at once.
bool wait_for_search(Form& f, std::function<void()> command);

// The commands that waited for a search, run in order once its result has arrived.
void run_waiting(Form& f);

// How long level 4 or 5 (the hint thinks as level 5) searches: its time, or under a time
// control what the time manager gives the side to move's clock, or the form's node bound.
engine::Limits search_limits(const Form& f, int level);

// The game's positions before each move of the record up to the one shown, each with its mover
// to move, oldest first: the search counts a return to one of them as a draw.
std::vector<engine::Key> earlier_positions(const Game& g);

// The engine's move for the side to move, the top player when `top`, searched on the thinker
// with the game's earlier positions counted as repetitions. `then` gets it on the window's
// thread (nothing when that side has no move at all); the commands that waited run after it.
void search_move(Form& f, bool top, const engine::Limits& limits,
                 std::function<void(const std::optional<Move>&)> then);

}  // namespace hakuro
