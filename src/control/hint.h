// 対局 → ヒント (hint): the engine's best move for the player to move, outlined in yellow on its
// source (or hand cell) and destination until the next press.
#pragma once

#include "form/form.h"

namespace hakuro {

// ヒント "hint": on a person's turn in a game (either person's between two), searched at level
// 5's budget on the thinker; nothing but the two outlines changes.
void on_hint(Form& f);  // HINT_Click

// The hint's outlines go, and a piece picked before it shows as picked again.
void clear_hint(Form& f);

}  // namespace hakuro
