// The three short sound effects.
#pragma once

#include "wave.h"

namespace hakuro::wavegen {

// A dry wooden click: a piece put down on the board.
Sound piece_click();
// A low, short buzz: a refused click or command.
Sound refusal_buzz();
// A soft two-note chime.
Sound chime();

}  // namespace hakuro::wavegen
