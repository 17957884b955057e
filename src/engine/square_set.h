// A set of the board's squares as bits, walked from the smallest square up: the same order as a
// scan of the board from square(1, 1) to square(9, 9).
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "engine/types.h"

namespace hakuro::engine {

class SquareSet {
 public:
  constexpr SquareSet() = default;

  static constexpr int FIRST = square(1, 1), LAST = square(9, 9);
  static_assert(LAST - FIRST < 128);

  constexpr void add(int sq) { bits_[word(sq)] |= bit(sq); }
  constexpr void remove(int sq) { bits_[word(sq)] &= ~bit(sq); }

  constexpr SquareSet operator|(SquareSet o) const {
    return {bits_[0] | o.bits_[0], bits_[1] | o.bits_[1]};
  }
  constexpr SquareSet operator&(SquareSet o) const {
    return {bits_[0] & o.bits_[0], bits_[1] & o.bits_[1]};
  }
  constexpr SquareSet operator~() const { return {~bits_[0], ~bits_[1]}; }
  bool operator==(const SquareSet&) const = default;
  constexpr bool empty() const { return (bits_[0] | bits_[1]) == 0; }
  constexpr bool contains(int sq) const { return (bits_[word(sq)] & bit(sq)) != 0; }

  // Whether f(square) holds for some square of the set, asked from the smallest up.
  template <class F>
  bool any(F&& f) const {
    for (int w = 0; w < 2; ++w)
      for (uint64_t b = bits_[w]; b; b &= b - 1)
        if (f(FIRST + 64 * w + std::countr_zero(b))) return true;
    return false;
  }

  // Calls f(square) for each square in the set, the smallest first.
  template <class F>
  void for_each(F&& f) const {
    for (int w = 0; w < 2; ++w)
      for (uint64_t b = bits_[w]; b; b &= b - 1) f(FIRST + 64 * w + std::countr_zero(b));
  }

 private:
  constexpr SquareSet(uint64_t lo, uint64_t hi) : bits_{lo, hi} {}
  static constexpr int word(int sq) { return (sq - FIRST) >> 6; }
  static constexpr uint64_t bit(int sq) { return uint64_t{1} << ((sq - FIRST) & 63); }

  std::array<uint64_t, 2> bits_{};
};

}  // namespace hakuro::engine
