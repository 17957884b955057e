// A plucked string (Karplus-Strong with a fractional-delay tuning filter) and a small room.
#pragma once

#include <vector>

#include "wave.h"

namespace hakuro::wavegen {

// Adds one pluck of a string tuned to hz, starting at sample `start`, ringing for `seconds`;
// t60 is the time the note takes to die away by 60 dB. `out` is a loop: a note ringing past its
// end goes on from its start.
void add_pluck(std::vector<float>& out, int rate, std::size_t start, double hz, double amp,
               double t60, double seconds, Noise& noise);

// A small Schroeder room: four combs and two all-passes, wet part mixed in. `buf` is a loop: the
// room is heard as it sounds once the loop has been going round for a while.
void add_room(std::vector<float>& buf, int rate, float wet);

}  // namespace hakuro::wavegen
