// The search: iterative deepening over a negamax alpha-beta with principal-variation search,
// quiescence over captures, a transposition table and ordered moves. Taking the opponent's king
// wins, taking one's own loses, a side with no move loses, a repeated position is a draw.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/position.h"

namespace hakuro::engine {

// When to stop; 0 leaves a bound out. Bounded by nodes (and nothing else), the same position
// gives the same result every time.
struct Limits {
  uint64_t nodes = 0;
  double seconds = 0;
  int depth = 0;
  // Set from another thread to end the search within a few milliseconds; the best move found so
  // far is the result.
  const std::atomic<bool>* stop = nullptr;
};

struct Result {
  Move move = NO_MOVE;  // NO_MOVE when the side to move has no move at all
  Value score = 0;      // from the side to move's view
  int depth = 0;        // the last depth searched in full
  uint64_t nodes = 0;
};

class Search {
 public:
  Search();  // allocates everything the search will use
  ~Search();
  Search(const Search&) = delete;
  Search& operator=(const Search&) = delete;

  // The best move for the side to move. `history` holds the keys of the game's earlier
  // positions, oldest first, so that repeating one of them counts as a draw.
  Result think(const Position& pos, const Limits& limits, const std::vector<Key>& history = {});

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace hakuro::engine
