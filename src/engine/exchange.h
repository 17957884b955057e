// Static exchange: what a move wins once both sides have taken on its square in turn.
#pragma once

#include "engine/position.h"

namespace hakuro::engine {

// What the side to move wins by m when the opponent answers on m's square and both go on taking
// there, each with its least valuable piece and free to stop: the worth taken less the worth
// lost, counting pieces at their worth on the board. Own pieces are never taken in the series.
Value exchange_value(const Position& pos, Move m);

}  // namespace hakuro::engine
