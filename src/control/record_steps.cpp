#include "control/record_steps.h"

#include "control/record_menu.h"

namespace hakuro {

void step_to_move(Form& f, int n) {
  const Record& r = f.g.record;
  while (!f.ended && r.kifu_tesu != n) {
    const int before = r.kifu_tesu;
    if (n < before) REPLAY_Click(f);
    else AFTER_Click(f);
    if (r.kifu_tesu == before) return;  // refused
  }
}

}  // namespace hakuro
