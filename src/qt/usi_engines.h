// The player's list of other USI engines, kept with the window's settings (window_settings.h).
#pragma once

#include <vector>

#include "usi/engine_entry.h"

namespace hakuro {

std::vector<usi::EngineEntry> kept_engines();
void keep_engines(const std::vector<usi::EngineEntry>& engines);

}  // namespace hakuro
