// The move record: every move made on the board is appended before the board changes.
#pragma once

#include <vector>

#include "state/game.h"

namespace hakuro {

// 手順保存 "save the move": appends it as number kifu_tesu + 1 and makes it the last one held.
// Reads the captured piece from the board, so it is called before the move is made. Move 1 tells
// the record who moved first; every move, whether the computer played it.
void 手順保存(Game& g, int from_x, int from_y, int to_x, int to_y, int piece, int after_piece,
              double sita_before, double sita_after, double ue_before, double ue_after);

// How a game of these moves ended, as far as the moves tell: a king taken by the last one.
GameEnd end_of(const std::vector<KifuMove>& moves);

}  // namespace hakuro
