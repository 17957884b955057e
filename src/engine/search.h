// The search: iterative deepening over a negamax alpha-beta with principal-variation search,
// quiescence over captures, a transposition table and ordered moves, under the position's rules.
// Taking the opponent's king wins, taking one's own loses, a side with no move loses (under the
// standard rules: is checkmated), a repeated position is a draw; under the standard rules a
// repetition reached by one side checking with every move loses for that side.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/position.h"
#include "engine/repetition.h"

namespace hakuro::engine {

// When to stop; 0 leaves a bound out. Bounded by nodes (and nothing else), the same position
// gives the same result every time. A search with neither a node nor a depth bound starts from
// what the searches before it found under the same rules.
struct Limits {
  uint64_t nodes = 0;
  // The time budget. When the move has it to itself (no max_seconds above it: time saved is
  // lost) the search runs to its end; on a game's clock no new depth is begun after half of it,
  // a quarter when the best move has stood for several depths.
  double seconds = 0;
  // When above `seconds`, a longer budget for a position whose best move changed at the last
  // depth searched; the search never runs past it.
  double max_seconds = 0;
  int depth = 0;
  // Set from another thread to end the search within a few milliseconds; the best move found so
  // far is the result.
  const std::atomic<bool>* stop = nullptr;
};

struct Result {
  Move move = NO_MOVE;  // NO_MOVE when the side to move has no move at all
  Value score = 0;      // from the side to move's view
  int depth = 0;        // the last depth searched in full
  int seldepth = 0;     // the deepest ply reached
  uint64_t nodes = 0;
  // The expected line from `move` on, as far as the table remembers it.
  std::array<Move, 16> pv{};
  int pv_size = 0;
};

// Told the result so far after each depth searched in full, on the searching thread.
using DepthReport = std::function<void(const Result&)>;

class Search {
 public:
  static constexpr int DEFAULT_TABLE_MB = 16;
  // Allocates everything the search will use: a table of at most `table_mb` megabytes (at
  // least one), its entries a power of two.
  explicit Search(int table_mb = DEFAULT_TABLE_MB);
  ~Search();
  Search(const Search&) = delete;
  Search& operator=(const Search&) = delete;

  // The best move for the side to move. `history` holds the keys of the game's earlier
  // positions, oldest first, so that repeating one of them counts as a draw.
  Result think(const Position& pos, const Limits& limits, const std::vector<Key>& history = {});
  // The same with the game's earlier positions as `earlier` gives them, so that under the
  // standard rules a perpetual check through the game's moves is known.
  Result think(const Position& pos, const Limits& limits, const std::vector<Earlier>& history);
  // The same, reporting each depth searched in full to `report`.
  Result think(const Position& pos, const Limits& limits, const std::vector<Earlier>& history,
               const DepthReport& report);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace hakuro::engine
