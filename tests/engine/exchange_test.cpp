// The static exchange on small positions: captures that win or lose, a slider seen through the
// first taker or through the square the mover left, drops onto an attacked square.
#include <gtest/gtest.h>

#include "engine/exchange.h"
#include "engine/movegen.h"
#include "engine/weights.h"
#include "setup.h"

namespace hakuro::engine {
namespace {

constexpr int PAWN_W = weights::BASE[PAWN], KNIGHT_W = weights::BASE[KNIGHT],
              SILVER_W = weights::BASE[SILVER], GOLD_W = weights::BASE[GOLD],
              ROOK_W = weights::BASE[ROOK];

// The side to move's move from (fx, fy) to (tx, ty); a drop of `kind` when fx is 0.
Move find(const Position& p, int fx, int fy, int tx, int ty, Type kind = NO_TYPE) {
  MoveList list;
  generate_all(p, list);
  for (Move m : list) {
    if (to_sq(m) != square(tx, ty) || is_promotion(m)) continue;
    if (fx == 0 ? is_drop(m) && drop_kind(m) == kind : !is_drop(m) && from_sq(m) == square(fx, fy))
      return m;
  }
  ADD_FAILURE() << "no such move";
  return NO_MOVE;
}

TEST(Exchange, CapturesWinOrLoseByTheRecaptures) {
  // The bottom player's pawn takes a gold held by a silver; its rook takes a pawn held by a pawn;
  // its lance takes a pawn that nothing holds. A gold dropped where a pawn takes it wins that
  // pawn back by the rook behind.
  const Position p = position({{5, 1, OU},
                               {5, 9, -OU},
                               {3, 5, KIN},
                               {3, 4, GIN},
                               {3, 6, -HU},
                               {7, 5, HU},
                               {7, 4, HU},
                               {7, 8, -SYA},
                               {1, 5, HU},
                               {1, 8, -KYOU}},
                              BOTTOM, {{GOLD, 1}});
  EXPECT_EQ(exchange_value(p, find(p, 3, 6, 3, 5)), GOLD_W - PAWN_W);
  EXPECT_EQ(exchange_value(p, find(p, 7, 8, 7, 5)), PAWN_W - ROOK_W);
  EXPECT_EQ(exchange_value(p, find(p, 1, 8, 1, 5)), PAWN_W);
  EXPECT_EQ(exchange_value(p, find(p, 0, 0, 7, 6, GOLD)), PAWN_W - GOLD_W);
}

TEST(Exchange, ASliderBehindTheTakerJoinsIn) {
  // A silver takes a pawn held by a gold; the lance behind the silver would take the gold back,
  // so the gold does not take and the pawn is won. Without the lance the silver is lost.
  const Position with_lance = position(
      {{1, 1, OU}, {9, 9, -OU}, {5, 5, HU}, {5, 4, KIN}, {5, 6, -GIN}, {5, 8, -KYOU}}, BOTTOM);
  EXPECT_EQ(exchange_value(with_lance, find(with_lance, 5, 6, 5, 5)), PAWN_W);
  const Position alone =
      position({{1, 1, OU}, {9, 9, -OU}, {5, 5, HU}, {5, 4, KIN}, {5, 6, -GIN}}, BOTTOM);
  EXPECT_EQ(exchange_value(alone, find(alone, 5, 6, 5, 5)), PAWN_W - SILVER_W);
  // A knight that has taken is gone from its square: it does not take again.
  const Position knight =
      position({{1, 1, OU}, {9, 9, -OU}, {4, 5, GIN}, {4, 4, HU}, {5, 7, -KEI}}, BOTTOM);
  EXPECT_EQ(exchange_value(knight, find(knight, 5, 7, 4, 5)), SILVER_W - KNIGHT_W);
  // A silver stepping off the rook's file opens it onto the silver's new square: it is lost.
  const Position opened = position({{1, 1, OU}, {9, 9, -OU}, {5, 6, -GIN}, {5, 8, SYA}}, BOTTOM);
  EXPECT_EQ(exchange_value(opened, find(opened, 5, 6, 5, 5)), -SILVER_W);
}

}  // namespace
}  // namespace hakuro::engine
