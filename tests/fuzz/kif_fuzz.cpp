// The KIF reader: any bytes are read or refused with one of their line numbers; a game read is
// one this program's rules allow, and writing it out and reading it back gives the same file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "record/fit.h"
#include "record/kif.h"
#include "record/kif_file.h"

namespace {

void check(const hakuro::KifRead& r, std::string_view bytes) {
  using namespace hakuro;
  const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
  if (r.problem != KifProblem::none) {
    if (r.line < 0 || static_cast<std::size_t>(r.line) > lines || !r.game.moves.empty())
      std::abort();
    return;
  }
  if (r.game.moves.size() > kKifMaxMoves) std::abort();
  Game g = scratch_game(r.game.start);
  for (const RecordMove& m : r.game.moves) {
    if (!move_fits(g, m)) std::abort();
    play_fitting(g, m);
  }
  // Written out (in UTF-8, and in Shift-JIS when it holds the text) and read back, the game
  // writes the same file again.
  const std::string text = write_kif(r.game);
  for (const bool utf8 : {true, false}) {
    const std::optional<std::string> file = kif_bytes(text, utf8);
    if (!file) continue;
    const KifRead back = read_kif(*file, utf8);
    if (back.problem != KifProblem::none || write_kif(back.game) != text) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const bool utf8 : {false, true}) check(hakuro::read_kif(bytes, utf8), bytes);
  return 0;
}
