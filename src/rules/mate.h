// Whether a king is mated.
#pragma once

#include "analysis/survey.h"
#include "state/game.h"

namespace hakuro {

// 詰めかMAN_COM移動 "is the human mated: computer's move": OK when some top piece can move
// onto the bottom king's square.
int human_king_attacked(const Game& g);
// 詰めかMAN "is the human mated": OK when the bottom king is mated; `survey` must describe
// the position.
int human_mated(Game& g, const Survey& survey);
// 詰めかCOM "is the computer mated": OK when the top king is mated; `survey` must describe the
// position. Each trial defence is surveyed into it, so it ends describing the last one tried.
int computer_mated(Game& g, Survey& survey);

}  // namespace hakuro
