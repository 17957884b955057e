// The generator under the standard rules: perft from the start, the same moves as a plain
// make-and-look reference on random games, and pins, checks and pawn-drop mates by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "engine/legal.h"
#include "engine/movegen.h"
#include "setup.h"

namespace hakuro::engine {
namespace {

constexpr Rules STANDARD = Rules::standard;

// The standard moves by their definition: each move of the own rule that takes no piece of the
// mover's own, made, and kept if the mover's king is not then attacked; a pawn drop after which
// the opponent is in check and has no such move is refused.
std::set<Move> reference_moves(const Position& p, bool refuse_pawn_mates = true) {
  Position pos = p;
  pos.set_rules(Rules::own);
  MoveList all;
  generate_all(pos, all);
  const Color us = pos.side();
  std::set<Move> out;
  for (Move m : all) {
    const Piece q = pos.captured_piece(m);
    if (is_piece(q) && color_of(q) == us) continue;
    Undo u;
    pos.do_move(m, u);
    bool ok = !(pos.king(us) && pos.attacked(pos.king(us), ~us));
    if (ok && refuse_pawn_mates && drop_kind(m) == PAWN && pos.in_check() &&
        reference_moves(pos, false).empty())
      ok = false;
    pos.undo_move(m, u);
    if (ok) out.insert(m);
  }
  return out;
}

std::set<Move> standard_moves(const Position& pos) {
  MoveList list;
  generate_all(pos, list);
  return {list.begin(), list.end()};
}

TEST(StandardGenerator, PerftFromTheStart) {
  Position pos = Position::start(STANDARD);
  const uint64_t expected[] = {30, 900, 25470, 719731};
  for (int depth = 1; depth <= 4; ++depth) EXPECT_EQ(perft(pos, depth), expected[depth - 1]);
  EXPECT_EQ(pos, Position::start(STANDARD));
}

// Starts for random games: the usual one, a handicap one, and kings alone with every other piece
// shared out between the hands (many drops, checks and mates).
Position random_start(std::mt19937& rng) {
  Position pos = Position::start(STANDARD);
  switch (rng() % 3) {
    case 1:
      pos.put(square(2, 2), EMPTY);
      pos.put(square(8, 2), EMPTY);
      break;
    case 2: {
      pos = position({{5, 1, OU}, {5, 9, -OU}}, BOTTOM, {}, STANDARD);
      const int all[] = {0, 18, 4, 4, 4, 4, 2, 2};
      for (int k = PAWN; k <= ROOK; ++k) {
        const int bottom = int(rng() % unsigned(all[k] + 1));
        pos.set_hand(BOTTOM, Type(k), bottom);
        pos.set_hand(TOP, Type(k), all[k] - bottom);
      }
      break;
    }
    default: break;
  }
  if (rng() % 2) pos.set_side(TOP);
  return pos;
}

TEST(StandardGenerator, EqualsTheReferenceOnRandomGames) {
  std::mt19937 rng(25);
  int positions = 0, checks = 0, double_checks = 0, pinned = 0, refused_pawn_mates = 0;
  while (positions < 10000) {
    Position pos = random_start(rng);
    std::set<Move> previous;
    for (int ply = 0; ply < 160 && positions < 10000; ++ply, ++positions) {
      const std::set<Move> expected = reference_moves(pos);
      ASSERT_EQ(standard_moves(pos), expected) << "position " << positions;
      const Guard g = guard(pos);
      checks += g.checks > 0;
      double_checks += g.checks > 1;
      pinned += g.pins > 0;
      refused_pawn_mates += int(reference_moves(pos, false).size() - expected.size());
      // A move of the previous position passes pseudo_legal exactly when it is one of these.
      for (Move m : previous)
        ASSERT_EQ(pseudo_legal(pos, m), expected.count(m) != 0) << "position " << positions;
      previous = expected;
      if (expected.empty()) break;
      // A check a third of the time and a capture a third, for checks, pins and full hands.
      std::vector<Move> moves(expected.begin(), expected.end()), checks_given, captures;
      for (Move m : moves) {
        if (is_piece(pos.captured_piece(m))) captures.push_back(m);
        Undo u;
        pos.do_move(m, u);
        if (pos.in_check()) checks_given.push_back(m);
        pos.undo_move(m, u);
      }
      const unsigned kind = rng() % 3;
      const std::vector<Move>& from = kind == 0 && !checks_given.empty() ? checks_given
                                      : kind == 1 && !captures.empty()   ? captures
                                                                         : moves;
      Undo u;
      pos.do_move(from[rng() % from.size()], u);
    }
  }
  // The games went through what the generator must get right.
  EXPECT_GT(checks, 1000);
  EXPECT_GT(double_checks, 0);
  EXPECT_GT(pinned, 200);
  EXPECT_GT(refused_pawn_mates, 10);
}

std::set<std::array<int, 5>> numbers(const std::set<Move>& moves) {
  std::set<std::array<int, 5>> out;
  for (Move m : moves) out.insert(move_numbers(m));
  return out;
}

TEST(StandardGenerator, PinnedPiecesMoveAlongTheLineOnly) {
  // The gold is pinned by the rook on its file, the silver by the bishop on its diagonal.
  const Position pos =
      position({{5, 9, -OU}, {5, 8, -KIN}, {4, 8, -GIN}, {5, 1, SYA}, {1, 5, KAKU}, {1, 1, OU}},
               BOTTOM, {}, STANDARD);
  std::set<std::array<int, 5>> gold, silver;
  for (const auto& n : numbers(standard_moves(pos))) {
    if (n[0] == 5 && n[1] == 8) gold.insert(n);
    if (n[0] == 4 && n[1] == 8) silver.insert(n);
  }
  EXPECT_EQ(gold, (std::set<std::array<int, 5>>{{5, 8, 5, 7, 0}}));
  EXPECT_EQ(silver, (std::set<std::array<int, 5>>{{4, 8, 3, 7, 0}}));
}

TEST(StandardGenerator, TheKingStaysOutOfAttack) {
  // Checked twice, by a silver the pawn holds and by a gold nothing holds: the king takes the
  // gold or steps aside, and may not take the silver.
  const Position twice =
      position({{5, 9, -OU}, {5, 8, GIN}, {5, 7, HU}, {6, 8, KIN}, {1, 9, -KIN}, {1, 1, OU}},
               BOTTOM, {{PAWN, 1}}, STANDARD);
  EXPECT_EQ(numbers(standard_moves(twice)),
            (std::set<std::array<int, 5>>{{5, 9, 6, 8, 0}, {5, 9, 4, 8, 0}}));
  // Checked by a rook, the king may not step back along the rook's line.
  const Position line = position({{5, 5, -OU}, {5, 1, SYA}, {1, 1, OU}}, BOTTOM, {}, STANDARD);
  for (const auto& n : numbers(standard_moves(line))) EXPECT_NE(n[2], 5) << n[3];
}

TEST(StandardGenerator, ADiscoveredCheckIsAnswered) {
  // The silver steps off the file and the rook behind it checks: the top king steps aside or a
  // pawn is dropped between.
  Position pos = position({{5, 1, OU}, {3, 1, KIN}, {5, 5, -GIN}, {5, 8, -SYA}, {9, 9, -OU}},
                          BOTTOM, {}, STANDARD);
  pos.set_hand(TOP, PAWN, 1);
  Undo u;
  pos.do_move(make_move(square(5, 5), square(4, 4), false), u);
  const std::set<Move> replies = standard_moves(pos);
  EXPECT_EQ(replies.size(), 10u);  // four king steps, six pawn drops
  for (Move m : replies) EXPECT_TRUE(from_sq(m) == square(5, 1) || file_of(to_sq(m)) == 5);
}

TEST(StandardGenerator, APawnDropMayCheckButNotMate) {
  // The top king in the corner, boxed in by its own knight and silver.
  const auto corner = [](int gold_x, int gold_y) {
    return position({{9, 1, OU}, {8, 1, KEI}, {8, 2, GIN}, {gold_x, gold_y, -KIN}, {1, 9, -OU}},
                    BOTTOM, {{PAWN, 1}, {GOLD, 1}}, STANDARD);
  };
  const Move pawn = make_drop(PAWN, square(9, 2)), gold = make_drop(GOLD, square(9, 2));
  // The gold on 8-3 holds 9-2: the pawn would mate, the gold may.
  const std::set<Move> held = standard_moves(corner(8, 3));
  EXPECT_EQ(held.count(pawn), 0u);
  EXPECT_EQ(held.count(gold), 1u);
  // Far away it holds nothing: the king could take the pawn, so the pawn may check.
  EXPECT_EQ(standard_moves(corner(7, 6)).count(pawn), 1u);
}

}  // namespace
}  // namespace hakuro::engine
