// Making a move: captures into the mover's hand, drops, promotion and the two-pawn flags.
#pragma once

#include "control/form.h"

namespace hakuro {

// Makes the move and draws it. `piece` is the code after the move; a drop from the top hand names
// its kind index as from_y, from the bottom hand its cell row (kind index + 2).
void 駒移動(Form& f, int from_x, int from_y, int to_x, int to_y, int piece);
// Puts a captured piece, unpromoted, into the hand of `side`; records a captured king.
void 駒取得(Game& g, int side, int captured);
// OK when the move may promote (nari_koma then holds the promoted code).
int 調査_駒成(Game& g, int from_x, int from_y, int to_x, int to_y, int piece);
// NG when the piece would have no further move on row to_y and so must promote.
int 移動後チェック(int to_y, int piece);
void 調査_2歩フラグ設定(Game& g);

}  // namespace hakuro
