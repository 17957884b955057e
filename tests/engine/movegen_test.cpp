// The generator against the rules' own functions, perft, and do/undo on random walks.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/evaluate.h"
#include "engine/movegen.h"
#include "rules_moves.h"

namespace hakuro::testing {
namespace {

// Both sides' moves on one record position, by the generator and by the rules.
void expect_same_moves(const Position& p, int index) {
  for (bool top : {false, true}) {
    Game g = game_at(p, top);
    const std::set<Numbers> expected = rules_moves(g, top);
    const std::set<Numbers> got = engine_moves(engine::from_game(p, top));
    ASSERT_EQ(got, expected) << "position " << index << (top ? " top" : " bottom");
  }
}

TEST(Generator, EqualsTheRulesOnRandomPositions) {
  std::mt19937 rng(16);
  for (int i = 0; i < 5000; ++i) expect_same_moves(random_position(rng), i);
  for (int i = 0; i < 5000; ++i)
    expect_same_moves(engine::to_game(random_walk(rng, int(rng() % 160))), 5000 + i);
}

// Captures and quiets split the moves; pseudo_legal takes exactly the moves generated.
TEST(Generator, CapturesQuietsAndPseudoLegalAgree) {
  std::mt19937 rng(7);
  for (int i = 0; i < 300; ++i) {
    const engine::Position pos = random_walk(rng, int(rng() % 120));
    engine::MoveList all, caps, quiets;
    engine::generate_all(pos, all);
    engine::generate_captures(pos, caps);
    engine::generate_quiets(pos, quiets);
    EXPECT_EQ(all.size, caps.size + quiets.size);
    for (engine::Move m : caps) {
      const engine::Piece q = pos.captured_piece(m);
      EXPECT_TRUE(engine::is_piece(q) && engine::color_of(q) != pos.side());
    }
    for (engine::Move m : all) EXPECT_TRUE(engine::pseudo_legal(pos, m));
    // A move remembered from another position is taken exactly when it is one of these.
    engine::MoveList others;
    engine::generate_all(random_walk(rng, 60), others);
    for (engine::Move m : others)
      EXPECT_EQ(engine::pseudo_legal(pos, m), std::find(all.begin(), all.end(), m) != all.end());
  }
}

// gives_check says of every move what making it and looking says, under both rules, on random
// set-ups (where sliders stand on every line) and on random games.
TEST(Generator, GivesCheckAgreesWithMakingTheMove) {
  std::mt19937 rng(29);
  int checks = 0;
  for (int i = 0; i < 6000; ++i) {
    for (engine::Rules rules : {engine::Rules::own, engine::Rules::standard}) {
      engine::Position pos = i % 2 ? engine::from_game(random_position(rng), rng() % 2, rules)
                                   : random_walk(rng, int(rng() % 160));
      pos.set_rules(rules);
      if (pos.can_take_king()) continue;
      engine::MoveList list;
      engine::generate_all(pos, list);
      for (engine::Move m : list) {
        engine::Undo u;
        pos.do_move(m, u);
        const bool expected = pos.in_check();
        pos.undo_move(m, u);
        ASSERT_EQ(pos.gives_check(m), expected) << "position " << i << " move " << m;
        checks += expected;
      }
    }
  }
  EXPECT_GT(checks, 10000);  // the positions give checks of every kind to test
}

// Leaf counts through the rules: a game whose king has been taken has no further moves.
uint64_t rules_perft(Game& g, bool top, int depth) {
  if (depth == 0) return 1;
  if (g.king_taker != TEBAN_NASI) return 0;
  const std::set<Numbers> moves = rules_moves(g, top);
  if (depth == 1) return moves.size();
  uint64_t n = 0;
  for (const Numbers& m : moves) {
    Game next = g;
    play_numbers(next, top, m);
    next.side_to_move = top ? next.bottom_side : next.top_side;
    n += rules_perft(next, !top, depth - 1);
  }
  return n;
}

TEST(Perft, FromTheStart) {
  engine::Position pos = engine::Position::start();
  Position start;
  set_starting_position(start);
  for (int depth = 1; depth <= 3; ++depth) {
    Game g = game_at(start, false);
    EXPECT_EQ(engine::perft(pos, depth), rules_perft(g, false, depth)) << "depth " << depth;
  }
  // Our own numbers: with captures of one's own pieces there are more moves than in shogi.
  EXPECT_EQ(engine::perft(pos, 1), 51u);
  EXPECT_EQ(engine::perft(pos, 2), 2499u);
  EXPECT_EQ(engine::perft(pos, 3), 142913u);
  EXPECT_EQ(engine::perft(pos, 4), 8228678u);
  EXPECT_EQ(pos, engine::Position::start());
}

// The key and worth kept move by move equal those of the same position set up from nothing.
engine::Position rebuilt(const engine::Position& pos) {
  return engine::from_game(engine::to_game(pos), pos.side() == engine::TOP);
}

TEST(Position, DoAndUndoRestoreEverything) {
  std::mt19937 rng(3);
  for (int walk = 0; walk < 100; ++walk) {
    engine::Position pos = engine::Position::start();
    for (int ply = 0; ply < 150; ++ply) {
      engine::MoveList list;
      engine::generate_all(pos, list);
      if (list.size == 0) break;
      for (engine::Move m : list) {
        const engine::Position before = pos;
        engine::Undo u;
        pos.do_move(m, u);
        ASSERT_EQ(pos.key(), rebuilt(pos).key());
        ASSERT_EQ(pos.material(), rebuilt(pos).material());
        ASSERT_EQ(pos.relation(), rebuilt(pos).relation());
        pos.undo_move(m, u);
        ASSERT_EQ(pos, before);
      }
      const engine::Move m = list.moves[rng() % unsigned(list.size)];
      if (engine::type_of(pos.captured_piece(m)) == engine::KING) break;
      engine::Undo u;
      pos.do_move(m, u);
      ASSERT_EQ(pos, rebuilt(pos));
      // The evaluation's terms, each counted afresh, add up to what it keeps move by move.
      ASSERT_EQ(engine::trace(pos).total, engine::evaluate(pos));
    }
  }
}

}  // namespace
}  // namespace hakuro::testing
