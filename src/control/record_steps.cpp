#include "control/record_steps.h"

#include "control/record_menu.h"
#include "control/thinking.h"

namespace hakuro {

void step_to_move(Form& f, int n) {
  if (wait_for_search(f, [&f, n] { step_to_move(f, n); })) return;
  const Record& r = f.g.record;
  while (!f.ended && r.current_move() != n) {
    const int before = r.current_move();
    if (n < before) on_back(f);
    else on_forward(f);
    if (r.current_move() == before) return;  // refused
  }
}

}  // namespace hakuro
