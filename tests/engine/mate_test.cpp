// Mates by a single drop: found where they stand, never claimed where a reply saves the king.
#include <gtest/gtest.h>

#include "engine/mate.h"
#include "engine/movegen.h"
#include "rules_moves.h"
#include "setup.h"

namespace hakuro::testing {
namespace {

using engine::BOTTOM;
using engine::drop_mate;
using engine::GOLD;
using engine::make_drop;
using engine::Move;
using engine::MoveList;
using engine::NO_MOVE;
using engine::PAWN;
using engine::position;
using engine::Position;
using engine::Rules;
using engine::SILVER;
using engine::square;
using engine::Undo;

// The gold dropped on the top king's head, held by the bottom pawn below it, under either rule.
TEST(DropMate, TheGoldOnTheKingsHead) {
  for (Rules rules : {Rules::own, Rules::standard}) {
    Position p = position({{5, 1, OU}, {5, 3, -HU}, {5, 9, -OU}}, BOTTOM, {{GOLD, 1}}, rules);
    const Position before = p;
    EXPECT_EQ(drop_mate(p), make_drop(GOLD, square(5, 2)));
    EXPECT_EQ(p, before);

    // Without the pawn the king takes the gold.
    Position bare = position({{5, 1, OU}, {5, 9, -OU}}, BOTTOM, {{GOLD, 1}}, rules);
    EXPECT_EQ(drop_mate(bare), NO_MOVE);
    // A silver has no sideways step: the king steps aside.
    Position silver =
        position({{5, 1, OU}, {5, 3, -HU}, {5, 9, -OU}}, BOTTOM, {{SILVER, 1}}, rules);
    EXPECT_EQ(drop_mate(silver), NO_MOVE);
    // A top gold beside the king takes the dropped one.
    Position guarded =
        position({{5, 1, OU}, {4, 1, KIN}, {5, 3, -HU}, {5, 9, -OU}}, BOTTOM, {{GOLD, 1}}, rules);
    EXPECT_EQ(drop_mate(guarded), NO_MOVE);
    // A pawn alone never mates here: in standard shogi a pawn dropped to mate is not allowed.
    Position pawn = position({{5, 1, OU},
                              {4, 1, KIN},
                              {6, 1, KIN},
                              {4, 2, KEI},
                              {6, 2, KEI},
                              {5, 9, -OU},
                              {5, 4, -KYOU}},
                             BOTTOM, {{PAWN, 1}}, rules);
    EXPECT_EQ(drop_mate(pawn), NO_MOVE);
  }
}

// The top king hemmed in by its own pawns: a silver on its head mates in standard shogi; under
// the own rule the king takes one of its pawns and steps out.
TEST(DropMate, AKingHemmedInByItsOwnPieces) {
  auto hemmed = [](Rules rules) {
    return position({{2, 1, OU}, {1, 2, HU}, {3, 2, HU}, {2, 3, -HU}, {5, 9, -OU}}, BOTTOM,
                    {{SILVER, 1}}, rules);
  };
  Position standard = hemmed(Rules::standard), own = hemmed(Rules::own);
  EXPECT_EQ(drop_mate(standard), make_drop(SILVER, square(2, 2)));
  EXPECT_EQ(drop_mate(own), NO_MOVE);
}

// Every drop mate found in positions of random games is one: no reply, drops included, saves the
// king.
TEST(DropMate, WhatItFindsIsMateOnRandomPositions) {
  std::mt19937 rng(41);
  int found = 0;
  for (int i = 0; i < 4000; ++i) {
    Position pos = random_walk(rng, int(rng() % 220));
    if (i % 2) pos.set_rules(Rules::standard);
    // Pieces to drop, so that mates come up often.
    for (engine::Type k : {GOLD, SILVER, engine::KNIGHT})
      pos.set_hand(pos.side(), k, pos.hand(pos.side(), k) + 1);
    if (pos.in_check() || pos.can_take_king()) continue;
    if (pos.rules() == Rules::standard && pos.king(~pos.side()) == 0) continue;
    const Position before = pos;
    const Move m = drop_mate(pos);
    ASSERT_EQ(pos, before);
    if (m == NO_MOVE) continue;
    ++found;
    Undo u;
    pos.do_move(m, u);
    MoveList replies;
    engine::generate_all(pos, replies);
    if (pos.rules() == Rules::standard) {
      EXPECT_EQ(replies.size, 0) << "walk " << i;
    } else {
      for (Move r : replies) {
        Undo ru;
        pos.do_move(r, ru);
        EXPECT_TRUE(pos.can_take_king()) << "walk " << i;
        pos.undo_move(r, ru);
      }
    }
  }
  EXPECT_GT(found, 20);
}

}  // namespace
}  // namespace hakuro::testing
