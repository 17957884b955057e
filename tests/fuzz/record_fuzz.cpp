// The game-record loader: any bytes are read or refused with one of their line numbers, and
// nothing outside them is touched.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "record/file.h"

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
  return 0;
}
