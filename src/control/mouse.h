// The human's mouse input: picking a piece on the board or in a hand, and moving it.
#pragma once

#include "form/form.h"

namespace hakuro {

// A press of `button` (1 left, 2 right) at window point (X, Y) in twips.
void on_mouse_down(Form& f, int button, int shift, double X, double Y);  // Form_MouseDown
// 描画_移動可能桝色 "draw the movable squares' colour": outlines in `colour` every square the
// piece may reach (with move guidance on), after the grid is redrawn.
void outline_reachable_squares(Form& f, int from_x, int from_y, int colour, int piece);

}  // namespace hakuro
