// The SFEN reader: any text is read or refused with a reason; a position read is one a game may
// hold, and writing it and reading it back gives the same position and the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "record/sfen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace hakuro;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const bool sente_top : {false, true}) {
    const SfenRead r = read_sfen(text, sente_top);
    if (r.problem != SfenProblem::none) {
      if (r.reason.empty()) std::abort();
      continue;
    }
    if (check_position(r.pos).problem != PositionProblem::none) std::abort();
    const std::string s = write_sfen(r.pos, sente_top, r.top_to_move, r.move_number);
    const SfenRead back = read_sfen(s, sente_top);
    if (back.problem != SfenProblem::none || !same_position(back.pos, r.pos) ||
        back.top_to_move != r.top_to_move || back.move_number != r.move_number ||
        back.pos.bottom_hand_total != r.pos.bottom_hand_total ||
        back.pos.top_hand_total != r.pos.top_hand_total ||
        write_sfen(back.pos, sente_top, back.top_to_move, back.move_number) != s)
      std::abort();
  }
  return 0;
}
