// The background music: a calm plucked pentatonic line that loops without a seam.
#pragma once

#include "wave.h"

namespace hakuro::wavegen {

Sound background_music();

}  // namespace hakuro::wavegen
