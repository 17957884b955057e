// The game-record loader: any bytes are read or refused with one of their line numbers, nothing
// outside them is touched, and a record taken has moves that all fit from the start.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "record/file.h"
#include "record/fit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const hakuro::Parsed p = hakuro::parse_record(bytes);
  const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
  if (p.ok) {
    // One move a line after the three header lines, at most.
    if (p.bad_line != 0 || p.record.moves.size() > (lines > 3 ? lines - 3 : 0)) std::abort();
  } else if (p.bad_line < 1 || static_cast<std::size_t>(p.bad_line) > lines) {
    std::abort();
  }
  const hakuro::Loaded l = hakuro::load_record(bytes);
  using Status = hakuro::Loaded::Status;
  if (l.status == Status::bad_line) {
    // A line that is no move, or a move line (after the three header lines) that does not fit.
    const int least = p.ok ? 4 : 1;
    if (l.bad_line < least || static_cast<std::size_t>(l.bad_line) > lines) std::abort();
  }
  if (l.status == Status::ok) {
    hakuro::Position start;
    hakuro::set_starting_position(start);
    if (l.record.moves.empty() ||
        hakuro::fitting_moves(start, l.record.moves) != l.record.moves.size())
      std::abort();
  }
  return 0;
}
