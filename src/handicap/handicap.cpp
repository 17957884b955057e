#include "handicap/handicap.h"

#include <array>
#include <cstdlib>

namespace hakuro {

namespace {

// Bishop, rook, the two lances, knights, silvers and golds, in the order they are taken.
constexpr std::array<HandicapSquare, 10> kBottom = {{{2, 8, -KAKU},
                                                     {8, 8, -SYA},
                                                     {1, 9, -KYOU},
                                                     {9, 9, -KYOU},
                                                     {2, 9, -KEI},
                                                     {8, 9, -KEI},
                                                     {3, 9, -GIN},
                                                     {7, 9, -GIN},
                                                     {4, 9, -KIN},
                                                     {6, 9, -KIN}}};
constexpr std::array<HandicapSquare, 10> kTop = {{{8, 2, KAKU},
                                                  {2, 2, SYA},
                                                  {9, 1, KYOU},
                                                  {1, 1, KYOU},
                                                  {8, 1, KEI},
                                                  {2, 1, KEI},
                                                  {7, 1, GIN},
                                                  {3, 1, GIN},
                                                  {6, 1, KIN},
                                                  {4, 1, KIN}}};

}  // namespace

HandicapSquare handicap_square(int level) {
  const auto i = static_cast<std::size_t>(std::abs(level) - 1);
  return level < 0 ? kBottom[i] : kTop[i];
}

HandicapSquare step_handicap(Position& p, int level, int step) {
  const int to = level + step;
  // Away from 0 a piece goes; towards 0 the piece of the level left comes back.
  const bool removes = std::abs(to) > std::abs(level);
  const HandicapSquare s = handicap_square(removes ? to : level);
  p.board[s.x][s.y] = removes ? KARA : s.piece;
  return s;
}

}  // namespace hakuro
