// The handicap commands: △ and ▽ take pieces away from one side of the starting position, one a
// click, or put them back.
#pragma once

#include "form/form.h"

namespace hakuro {

// LBEL_UP "level up" (△) and LEBEL_DOWN "level down" (▽).
void on_handicap_up(Form& f);    // LBEL_UP_Click
void on_handicap_down(Form& f);  // LEBEL_DOWN_Click

// The ladder's level set at once on the full starting position, as that many clicks would
// (without their sounds), and the board redrawn: a new game's handicap.
void set_handicap(Form& f, int level);

// Why no handicap can be set now.
// set_up: the position is not the full one (a pasted SFEN, a KIF file's start).
enum class HandicapRefusal { kifu_mode = 1, game_under_way = 2, hanten = 3, set_up = 4 };
// 描画_メッセージ "show message": the box saying why, with the way out.
void show_handicap_refusal(Form& f, HandicapRefusal reason);

}  // namespace hakuro
