// How good a candidate move of the computer is, judged on the board after it.
#pragma once

#include "computer/computer.h"
#include "computer/score.h"
#include "state/game.h"

namespace hakuro {

// 盤評価 "board evaluation": the score of the position on the board, which already shows the
// candidate move, for the computer. com.survey describes that position; com.scratch's
// moving_piece and king_distance describe the candidate. `captured` is what stood on the
// destination, `piece` what stands there now; a drop has from_x -1 and its kind index as from_y.
Score evaluate_candidate(Game& g, const Computer& com, int captured, int piece, int from_x,
                         int from_y, int to_x, int to_y);

// The third level's terms for the kind of `piece`, continuing `score`; the final score.
Score piece_terms(Game& g, const Computer& com, int captured, int piece, int from_x, int from_y,
                  int to_x, int to_y, Score score);

// 盤評価_COM危険座標 "evaluate the computer's danger squares": dangers to the computer's position
// and chances it has made, over the whole board.
Score evaluate_computer_dangers(Game& g, const Computer& com, int piece, int to_x, int to_y);
// 盤評価_自角注意_COM "evaluate the computer's caution against the human's bishop": the moved
// piece's value when a human bishop could fork it with the computer's king, else 0.
Score evaluate_bishop_fork(const Game& g, const Computer& com, int to_x, int to_y, int piece);

}  // namespace hakuro
