#include "calls.h"

namespace hakuro::replay {

void add_rules_calls(CallTable&) {}

}  // namespace hakuro::replay
