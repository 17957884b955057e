// The transposition table: allocated once; each search has a new generation number, and a search
// that starts afresh (one bounded by nodes plays the same whatever came before it) sees nothing
// of the generations before it. A search in a game keeps what the searches before it found.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>

#include "engine/position.h"

namespace hakuro::engine {

enum Bound : uint8_t { BOUND_NONE = 0, BOUND_UPPER = 1, BOUND_LOWER = 2, BOUND_EXACT = 3 };

struct TTEntry {
  uint32_t check = 0;  // the key's upper half
  Move move = NO_MOVE;
  int16_t value = 0;
  uint16_t generation = 0;
  int8_t depth = 0;
  Bound bound = BOUND_NONE;
};

class TranspositionTable {
 public:
  // The largest table of at most `megabytes` (at least one entry bit).
  static int bits_for(int megabytes) {
    int bits = 1;
    while ((std::size_t{sizeof(TTEntry)} << (bits + 1)) <= std::size_t(megabytes) << 20) ++bits;
    return bits;
  }

  explicit TranspositionTable(int bits)
      : entries_(allocate(std::size_t{1} << bits)),
        size_(std::size_t{1} << bits),
        mask_((Key{1} << bits) - 1) {}

  // Begins a search; `afresh`, it sees no entry of the searches before it.
  void new_search(bool afresh) {
    if (++generation_ == 0) {  // wrapped: nothing old may pass for new
      std::fill_n(entries_.get(), size_, TTEntry{});
      generation_ = oldest_ = 1;
    }
    if (afresh) oldest_ = generation_;
  }

  // Asks for k's entry to be brought towards the processor while other work goes on.
  void prefetch(Key k) const { __builtin_prefetch(&entries_[k & mask_]); }

  const TTEntry* probe(Key k) const {
    const TTEntry& e = entries_[k & mask_];
    return e.generation >= oldest_ && e.check == uint32_t(k >> 32) ? &e : nullptr;
  }

  void store(Key k, Move m, Value v, int depth, Bound b) {
    TTEntry& e = entries_[k & mask_];
    const bool same = e.generation >= oldest_ && e.check == uint32_t(k >> 32);
    if (same && depth < e.depth && b != BOUND_EXACT) return;
    if (same && m == NO_MOVE) m = e.move;
    e = TTEntry{uint32_t(k >> 32), m, int16_t(v), generation_, int8_t(depth), b};
  }

 private:
  struct Free {
    void operator()(TTEntry* p) const { std::free(p); }
  };
  // Empty entries; a large table lies on huge pages where the system allows, as every probe
  // lands on a page of its own.
  static std::unique_ptr<TTEntry[], Free> allocate(std::size_t n) {
    constexpr std::size_t HUGE_PAGE = std::size_t{2} << 20;
    const std::size_t bytes = n * sizeof(TTEntry);
    const std::size_t align = bytes >= HUGE_PAGE ? HUGE_PAGE : alignof(TTEntry);
    void* p = std::aligned_alloc(align, (bytes + align - 1) / align * align);
    if (!p) throw std::bad_alloc();
    if (align == HUGE_PAGE) madvise(p, bytes, MADV_HUGEPAGE);
    auto* entries = static_cast<TTEntry*>(p);
    std::uninitialized_fill_n(entries, n, TTEntry{});
    return std::unique_ptr<TTEntry[], Free>(entries);
  }

  std::unique_ptr<TTEntry[], Free> entries_;
  std::size_t size_;
  Key mask_;
  uint16_t generation_ = 0;
  uint16_t oldest_ = 0;  // the first generation the search may read
};

}  // namespace hakuro::engine
