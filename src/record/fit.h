// Recorded moves replayed on a scratch game with the rules' own tests, so that a record read
// from a file is taken only when every move could have been played.
#pragma once

#include <cstddef>
#include <vector>

#include "state/game.h"

namespace hakuro {

// A scratch game standing at `start`, nobody to move yet, no king taken.
Game scratch_game(const Position& start);

// Whether `m` fits the scratch game: the mover (the sign of `placed`) is not the one who made
// the previous move; no king has been taken; a board move's source holds `piece` and may reach
// the destination by the rules, which holds `captured`; a drop comes from the mover's own hand,
// which holds one of its kind, onto a square the rules allow; the piece after the move is the
// piece itself or, where the move may promote, its promoted code, and a piece that could never
// move again from there is promoted.
bool move_fits(Game& scratch, const RecordMove& m);

// Makes a fitting move on the scratch game; the side that made it is then to move no more.
void play_fitting(Game& scratch, const RecordMove& m);

// How many of `moves`, played in turn from `start`, fit before the first that does not: all of
// them when every one fits.
std::size_t fitting_moves(const Position& start, const std::vector<RecordMove>& moves);

}  // namespace hakuro
