// 本将棋 in the game: the moves the standard rules refuse (with the reason when it is the king),
// the ends they bring (checkmate, 千日手, perpetual check), and the computer of levels 1 to 3
// keeping to their legal moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>

#include "control/standard_rules.h"
#include "engine/convert.h"
#include "record/fit.h"
#include "replay.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;

struct StandardGame {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r{out};
  Game& g() { return r.form().g; }
  std::string run(std::initializer_list<const char*> lines) { return run_lines(r, out, lines); }
};

bool has(const std::string& out, const std::string& text) {
  return out.find(text) != std::string::npos;
}

// Refused presses leave the board as it was, sound the refusal, and tell the king's reason.
TEST(StandardRules, MovesThatExposeTheKingAreRefusedWithTheReason) {
  StandardGame s;
  // The bottom gold is pinned on the file by the top rook; the bottom silver is free.
  s.run({"check HONSHOGI 1", "clear", "put 5 9 -950", "put 5 8 -110", "put 5 1 900", "put 1 1 950",
         "put 7 8 -100", "menu START"});
  ASSERT_EQ(s.g().rules, Rules::standard);
  ASSERT_EQ(s.g().record.rules(), Rules::standard);
  const Table board = s.g().pos.board;
  std::string out = s.run({"cell 5 8", "cell 4 8"});
  EXPECT_TRUE(has(out, "\"王が取られます\"")) << out;
  EXPECT_EQ(s.g().pos.board, board);
  // Along the pin it may go.
  s.run({"cell 5 8", "cell 5 7"});
  EXPECT_EQ(s.g().pos.board[5][7], -110);

  // The top player in check: a move elsewhere is refused as such, and so is the king taking
  // a defended checker.
  s.run({"put 5 1 0", "put 1 1 0", "put 5 1 950", "put 5 2 -10", "put 5 3 -100", "put 9 1 20",
         "put 6 1 110"});
  out = s.run({"cell 9 1", "cell 9 2"});
  EXPECT_TRUE(has(out, "\"王手がかかっています\"")) << out;
  out = s.run({"cell 5 1", "cell 5 2"});
  EXPECT_TRUE(has(out, "\"王手がかかっています\"")) << out;
  EXPECT_EQ(s.g().pos.board[5][1], 950);
  // Taking one's own piece is refused with no reason told.
  out = s.run({"cell 5 1", "cell 6 1"});
  EXPECT_FALSE(has(out, "msgbox")) << out;
  EXPECT_EQ(s.g().pos.board[6][1], KIN);
  // Escaping is played.
  s.run({"cell 5 1", "cell 4 1"});
  EXPECT_EQ(s.g().pos.board[4][1], 950);
}

// A pawn may be dropped to give check, but not to mate; a gold dropped there mates, and the
// game ends with "詰みです" before the winner's box.
TEST(StandardRules, PawnDropMateIsRefusedAndAMateByADropEndsTheGame) {
  StandardGame s;
  s.run({"check HONSHOGI 1", "clear", "put 9 9 -950", "put 5 1 950", "put 4 1 20", "put 6 1 20",
         "put 5 3 -110", "hand sita 1 1", "hand sita 5 1", "menu START"});
  std::string out = s.run({"cell 11 3", "cell 5 2"});
  EXPECT_FALSE(has(out, "msgbox")) << out;
  EXPECT_EQ(s.g().pos.board[5][2], KARA);
  EXPECT_EQ(s.g().pos.bottom_hand[1], 1);

  out = s.run({"answer no", "cell 11 7", "cell 5 2"});
  const std::size_t mate = out.find("msgbox \"詰み\" \"詰みです\" ok");
  ASSERT_NE(mate, std::string::npos) << out;
  EXPECT_LT(mate, out.find("\"先手の勝ちです\"")) << out;
  EXPECT_EQ(s.g().record.end().reason, EndReason::mated);
  EXPECT_FALSE(s.g().record.end().top_won);

  // With room to escape, the same pawn drop is only a check, and is played.
  StandardGame t;
  t.run({"check HONSHOGI 1", "clear", "put 9 9 -950", "put 5 1 950", "put 4 1 20", "put 5 3 -110",
         "hand sita 1 1", "menu START"});
  t.run({"cell 11 3", "cell 5 2"});
  EXPECT_EQ(t.g().pos.board[5][2], -HU);
  EXPECT_EQ(t.g().side_to_move, t.g().top_side);
}

// The kings step out and back: the fourth time the position stands, a draw. The bottom rook
// checking with every move of the cycle instead loses. (The positions are pasted, so that the
// record starts where the game does.)
TEST(StandardRules, FourfoldRepetitionDrawsUnlessOneSideCheckedAllAlong) {
  StandardGame s;
  s.run({"check HONSHOGI 1", "clipboard \"k8/9/9/9/4R4/9/9/9/8K b - 1\"", "menu SFEN_PASTE",
         "menu START"});
  std::string out;
  for (int cycle = 0; cycle < 3; ++cycle) {
    EXPECT_EQ(standing(s.g(), false).reason, EndReason::none);
    if (cycle == 2) s.r.line("answer no");
    out = s.run({"cell 9 9", "cell 9 8", "cell 1 1", "cell 2 1", "cell 9 8", "cell 9 9", "cell 2 1",
                 "cell 1 1"});
  }
  EXPECT_TRUE(has(out, "msgbox \"千日手\" \"千日手です。引き分けです\" ok")) << out;
  EXPECT_FALSE(has(out, "の勝ちです")) << out;
  EXPECT_TRUE(s.g().record.end().drawn());

  StandardGame p;
  p.run({"check HONSHOGI 1", "clipboard \"k8/9/9/9/1R7/9/9/9/8K b - 1\"", "menu SFEN_PASTE",
         "menu START"});
  for (int cycle = 0; cycle < 3; ++cycle) {
    if (cycle == 2) p.r.line("answer no");
    out = p.run({"cell 2 5", "cell 1 5", "cell 1 1", "cell 2 1", "cell 1 5", "cell 2 5", "cell 2 1",
                 "cell 1 1"});
  }
  const std::size_t perpetual = out.find("\"連続王手の千日手です\"");
  ASSERT_NE(perpetual, std::string::npos) << out;
  EXPECT_LT(perpetual, out.find("\"後手の勝ちです\"")) << out;
  EXPECT_EQ(p.g().record.end().reason, EndReason::perpetual_check);
  EXPECT_TRUE(p.g().record.end().top_won);
}

// Whether every move of the record is a legal move of standard shogi where it was played.
void expect_every_move_legal(const Game& g, int level) {
  Game scratch = scratch_game(g.record.start());
  for (int n = 1; n <= g.record.held(); ++n) {
    const Move& m = g.record.move(n).move;
    const auto legal = engine::legal_moves(scratch.pos, m.by_top(), Rules::standard);
    ASSERT_TRUE(std::any_of(
        legal.begin(), legal.end(),
        [&](const Move& l) { return l.from == m.from && l.to == m.to && l.placed == m.placed; }))
        << "level " << level << " move " << n;
    play_fitting(scratch, g.record.move(n));
  }
}

// Every level against random legal moves plays only legal moves: levels 1 to 3 through their
// filter, level 4 (bounded by nodes) told the game's rules.
TEST(StandardRules, TheComputerPlaysOnlyLegalMoves) {
  for (int level = 1; level <= 4; ++level) {
    StandardGame s;
    Game& g = s.g();
    const std::string level_item = "menu LEVEL" + std::to_string(level);
    s.r.line("check HONSHOGI 1");
    s.r.line("set nodes 300");
    s.r.line(level_item);
    s.r.line("answer no");
    s.r.line("menu SENTE");
    std::mt19937 rng(unsigned(7 * level));
    for (int turn = 0; turn < 40 && !s.r.form().ended; ++turn) {
      const auto legal = engine::legal_moves(g.pos, false, Rules::standard);
      ASSERT_FALSE(legal.empty());
      const Move& m = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)];
      const Square from = m.is_drop() ? Square{MOCHI_SITA_X, m.kind() + 2} : m.square();
      s.r.line("cell " + std::to_string(from.x) + " " + std::to_string(from.y));
      s.r.line("cell " + std::to_string(m.to.x) + " " + std::to_string(m.to.y) +
               (m.promotes() ? " R" : " L"));
    }
    EXPECT_GT(g.record.held(), 20) << "level " << level;
    expect_every_move_legal(g, level);
  }
}

}  // namespace
}  // namespace hakuro
