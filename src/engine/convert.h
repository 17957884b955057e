// Between the game record and the engine: the position at the turn's start, and the engine's
// move as the program plays it.
#pragma once

#include <array>
#include <vector>

#include "engine/position.h"
#include "state/game.h"

namespace hakuro::engine {

// The record's board and hands, with the top player to move or the bottom one, played under
// `rules`. Codes that name no piece are left off the board.
engine::Position from_game(const hakuro::Position& p, bool top_to_move, Rules rules = Rules::own);

// The record's board and hands of an engine position, with the hands' totals (the kings' squares
// and the two-pawn flags are not set).
hakuro::Position to_game(const engine::Position& e);

// The engine's move in `pos` as the program plays it.
hakuro::Move to_played(const engine::Position& pos, Move m);

// Every move the side to move may make under `rules`, as the program plays them.
std::vector<hakuro::Move> legal_moves(const hakuro::Position& p, bool top_to_move, Rules rules);

// A move in the replay tool's numbers: FX FY TX TY P, P 1 for a promotion; a drop is 0, its kind
// index 1..7, TX, TY, 0.
std::array<int, 5> move_numbers(Move m);

// The game record's code of a piece, and back (0 for a code that names no piece).
int code_of(Piece p);
Piece piece_of(int code);

}  // namespace hakuro::engine
