// The handicap commands: △ and ▽ take pieces away from one side of the starting position, one a
// click, or put them back.
#pragma once

#include "form/form.h"

namespace hakuro {

// LBEL_UP "level up" (△) and LEBEL_DOWN "level down" (▽).
void LBEL_UP_Click(Form& f);
void LEBEL_DOWN_Click(Form& f);

// Why no handicap can be set now.
// set_up: the position is not the full one (a pasted SFEN, a KIF file's start).
enum class HandicapRefusal { kifu_mode = 1, game_under_way = 2, hanten = 3, set_up = 4 };
// 描画_メッセージ "show message": the box saying why, with the way out.
void 描画_メッセージ(Form& f, HandicapRefusal reason);

}  // namespace hakuro
