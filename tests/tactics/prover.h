// A small brute-force prover for the tactical suite, apart from the engine's search: it reads
// every line to the end, using only the move generator and the position.
#pragma once

#include <vector>

#include "engine/position.h"

namespace hakuro::tactics {

// Whether the side to move takes the opponent's king (or, under the standard rules, leaves it no
// move) within n of its own moves, whatever the opponent answers: every move of both sides is
// tried, own captures and kings' captures included under the own rule, quiet moves as well as
// checks (a king left with no safe move loses as surely as one in check).
bool mates(engine::Position& pos, int n);

// The side to move's first moves after which it mates within n moves.
std::vector<engine::Move> mating_moves(engine::Position pos, int n);

// The side to move's moves after which the opponent has no mate within n moves.
std::vector<engine::Move> defences(engine::Position pos, int n);

// The side to move's material less the opponent's (pawn 1 … rook 10, dragon 12, a king taken
// 1000) that it can be sure of after depth plies and the captures that follow; each of its
// first moves with what that move is sure of.
struct Scored {
  engine::Move move;
  int value;
};
int material(const engine::Position& pos);
std::vector<Scored> material_line(engine::Position pos, int depth);

}  // namespace hakuro::tactics
