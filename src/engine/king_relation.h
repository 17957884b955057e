// Where each piece stands against the two kings: a worth for a piece by its group and its place
// relative to its own king (the guards) and to the opponent's king (the attackers), seen from its
// owner's side and the same on the left as on the right. The weights are fitted to games by
// hakuro-tune, which reads the same places through for_each_relation.
#pragma once

#include <algorithm>
#include <array>

#include "engine/position.h"

namespace hakuro::engine::relation {

// Pieces that stand alike against a king share a group: the golds and the promoted small pieces
// move the same.
inline constexpr int GROUP_N = 9;
inline constexpr std::array<int, TYPE_N> GROUP = {
    -1, 0, 1, 2, 3, 4, 5, 6, -1,  // no type, pawn .. king (kings have none)
    4,  4, 4, 4, 4, 7, 8,         // promoted pawn .. dragon
};

// A place relative to a king: columns away 0..REACH, rows -REACH..REACH from the king towards
// the piece's owner's forward side, both counted no further than REACH.
inline constexpr int REACH = 2;
inline constexpr int ROWS = 2 * REACH + 1;
inline constexpr int PLACE_N = (REACH + 1) * ROWS;

// Relative to the piece's own king, or to the opponent's.
enum Whose { OWN = 0, THEIRS = 1 };

using Table = std::array<std::array<std::array<int, PLACE_N>, GROUP_N>, 2>;

constexpr int place(Color owner, int piece_sq, int king_sq) {
  const int across = file_of(piece_sq) - file_of(king_sq);
  const int dx = std::min(REACH, across < 0 ? -across : across);
  // The bottom player's forward is towards row 1.
  const int ahead =
      owner == BOTTOM ? rank_of(king_sq) - rank_of(piece_sq) : rank_of(piece_sq) - rank_of(king_sq);
  return dx * ROWS + std::clamp(ahead, -REACH, REACH) + REACH;
}

// place() for every owner, king square and piece square of the board, looked up rather than
// worked out in the evaluation's inner loop.
constexpr auto make_places() {
  std::array<std::array<std::array<uint8_t, SQ_N>, SQ_N>, 2> t{};
  for (int ky = 1; ky <= 9; ++ky)
    for (int kx = 1; kx <= 9; ++kx)
      for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
          const int k = square(kx, ky), s = square(x, y);
          t[BOTTOM][k][s] = uint8_t(place(BOTTOM, s, k));
          t[TOP][k][s] = uint8_t(place(TOP, s, k));
        }
  return t;
}
inline constexpr auto PLACES = make_places();

// Calls f(owner, whose, group, place) for every piece but the kings, once for each king on the
// board.
template <class F>
void for_each_relation(const Position& pos, F&& f) {
  for (Color c : {BOTTOM, TOP}) {
    const int own = pos.king(c), theirs = pos.king(~c);
    const auto& near_own = PLACES[c][own];
    const auto& near_theirs = PLACES[c][theirs];
    pos.pieces(c).for_each([&](int s) {
      const int g = GROUP[type_of(pos.at(s))];
      if (g < 0) return;
      if (own) f(c, OWN, g, int(near_own[std::size_t(s)]));
      if (theirs) f(c, THEIRS, g, int(near_theirs[std::size_t(s)]));
    });
  }
}

}  // namespace hakuro::engine::relation
