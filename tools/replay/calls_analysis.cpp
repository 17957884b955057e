#include "calls.h"

namespace hakuro::replay {

void add_analysis_calls(CallTable&) {}

}  // namespace hakuro::replay
