#include "engine/repetition.h"

namespace hakuro::engine {

Repetition repetition(const std::vector<Earlier>& earlier, const Earlier& now) {
  std::size_t first = earlier.size();
  int times = 1;
  for (std::size_t i = earlier.size(); i-- > 0;)
    if (earlier[i].key == now.key) {
      first = i;
      ++times;
    }
  if (times < 4) return Repetition::none;
  // Positions an even number of plies before `now` have its side to move.
  bool they_checked = now.in_check, we_checked = true;
  for (std::size_t i = first; i < earlier.size(); ++i)
    ((earlier.size() - i) % 2 == 0 ? they_checked : we_checked) &= earlier[i].in_check;
  return they_checked ? Repetition::side_to_move_wins
         : we_checked ? Repetition::side_to_move_loses
                      : Repetition::draw;
}

}  // namespace hakuro::engine
