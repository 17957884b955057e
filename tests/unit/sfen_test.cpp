// Positions as SFEN: written as engines write them, read back exactly, refused when malformed or
// impossible.
#include <gtest/gtest.h>

#include "record/kif.h"
#include "record/sfen.h"

namespace hakuro {
namespace {

constexpr const char* kStart = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

TEST(Sfen, TheStartAndAHandicapReadAsEnginesWriteThem) {
  Position p;
  set_starting_position(p);
  EXPECT_EQ(write_sfen(p, false, false, 1), kStart);
  EXPECT_EQ(write_sfen(p, true, true, 1), kStart);
  const SfenRead r = read_sfen("  sfen " + std::string(kStart) + "\n", false);
  ASSERT_EQ(r.problem, SfenProblem::none) << r.reason;
  EXPECT_EQ(r.pos.board, p.board);
  EXPECT_FALSE(r.top_to_move);
  EXPECT_EQ(r.pos.bottom_king_x * 10 + r.pos.bottom_king_y, 59);
  // 香落ち: 上手 is 後手 and moves first.
  const SfenRead h =
      read_sfen("lnsgkgsn1/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", false);
  Position lance;
  ASSERT_TRUE(handicap_start("香落ち", lance));
  EXPECT_EQ(h.pos.board, lance.board);
  EXPECT_TRUE(h.top_to_move);
}

TEST(Sfen, CopyThenPasteRoundTripsExactly) {
  for (const char* text : {
           "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 2",
           "ln1g3nl/1r3kg2/p2pppsp1/2p3p1p/1p7/2PP2P1P/PPS1PPS2/2G1K2R1/LN3G1NL b Bb 27",
           "8l/1+R2+P3k/4p1pp1/p1p+B1+N3/9/P1P6/1P1PPPPP+s/1B7/LN1GKG2L w RG2S2N4Pgs 101",
           "4k4/9/9/9/9/9/9/9/4K4 b 2R2B4G4S4N4L18P 1",
       }) {
    for (const bool turned : {false, true}) {
      const SfenRead r = read_sfen(text, turned);
      ASSERT_EQ(r.problem, SfenProblem::none) << text << ": " << r.reason;
      EXPECT_EQ(write_sfen(r.pos, turned, r.top_to_move, r.move_number), text);
    }
  }
  // Turned round, 先手 is the top player: its pieces in capitals, its hand first.
  const SfenRead t = read_sfen("4k4/9/9/9/9/9/9/4P4/4K4 w P 5", true);
  EXPECT_EQ(t.pos.board[5][1], OU);
  EXPECT_EQ(t.pos.board[5][2], HU);
  EXPECT_EQ(t.pos.top_hand[1], 1);
  EXPECT_FALSE(t.top_to_move);
  EXPECT_EQ(t.move_number, 5);
}

TEST(Sfen, MalformedOrImpossibleTextIsRefusedWithItsReason) {
  constexpr const char* kBoard = "盤面の書き方が正しくありません";
  const struct {
    const char* text;
    SfenProblem problem;
    const char* reason;
  } cases[] = {
      {"", SfenProblem::malformed, "SFENの形式ではありません"},
      {"startpos", SfenProblem::malformed, "SFENの形式ではありません"},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1 moves 7g7f",
       SfenProblem::malformed, "SFENの形式ではありません"},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1 b - 1", SfenProblem::malformed, kBoard},
      {"lnsgkgsnl/1r5b2/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", SfenProblem::malformed,
       kBoard},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSG+KGSNL b - 1", SfenProblem::malformed,
       kBoard},
      {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGXGSNL b - 1", SfenProblem::malformed,
       kBoard},
      {"4k4/9/9/9/9/9/9/9/4K4 x - 1", SfenProblem::malformed, "手番は b か w で書いて下さい"},
      {"4k4/9/9/9/9/9/9/9/4K4 b K 1", SfenProblem::malformed, "持駒の書き方が正しくありません"},
      {"4k4/9/9/9/9/9/9/9/4K4 b PP 1", SfenProblem::malformed, "持駒の書き方が正しくありません"},
      {"4k4/9/9/9/9/9/9/9/4K4 b 0P 1", SfenProblem::malformed, "持駒の書き方が正しくありません"},
      {"4k4/9/9/9/9/9/9/9/4K4 b 2 1", SfenProblem::malformed, "持駒の書き方が正しくありません"},
      {"4k4/9/9/9/9/9/9/9/4K4 b - 0", SfenProblem::malformed, "手数が正しくありません"},
      {"4k4/9/9/9/9/9/9/9/4K4 b 10P9p 1", SfenProblem::impossible, "歩が18枚を超えています"},
      {"4k4/9/9/9/9/9/9/9/4K4 b 3Bb 1", SfenProblem::impossible, "角が2枚を超えています"},
      {"4k4/9/9/9/9/9/9/9/K3K4 b - 1", SfenProblem::impossible, "先手の玉が2枚あります"},
      {"9/9/9/9/9/9/9/9/9 b 2P 1", SfenProblem::impossible, "玉がありません"},
      {"4k3P/9/9/9/9/9/9/9/4K4 b - 1", SfenProblem::impossible, "行き所のない駒があります"},
      {"4k4/9/9/9/9/9/9/1n7/4K4 b - 1", SfenProblem::impossible, "行き所のない駒があります"},
      {"4k4/4p4/9/9/4p4/9/9/9/4K4 b - 1", SfenProblem::impossible, "後手の二歩があります"},
  };
  for (const auto& c : cases) {
    const SfenRead r = read_sfen(c.text, false);
    EXPECT_EQ(r.problem, c.problem) << c.text;
    EXPECT_EQ(r.reason, c.reason) << c.text;
  }
  // Promoted pawns may share a column, and a pawn may stand on the side's own last rank.
  EXPECT_EQ(read_sfen("3pk4/4+p4/9/9/4p4/9/9/9/4K4 b - 1", false).problem, SfenProblem::none);
}

// A tsume: 先手 has no king, 後手 holds the rest of the set. Either side may be the one without.
TEST(Sfen, OneSideWithoutAKingIsAPosition) {
  for (const char* text :
       {"7nk/6+L2/8p/9/9/9/9/9/9 b RB2Grb2g4s3n3l17p 1",
        "4k4/4G4/4P4/9/9/9/9/9/9 w 2r2b3g4s4n4l17p 2", "9/9/9/9/9/9/9/9/4K4 b - 1"}) {
    for (const bool turned : {false, true}) {
      const SfenRead r = read_sfen(text, turned);
      ASSERT_EQ(r.problem, SfenProblem::none) << text << ": " << r.reason;
      EXPECT_EQ(write_sfen(r.pos, turned, r.top_to_move, r.move_number), text);
    }
  }
  // The missing king has no square.
  const SfenRead r = read_sfen("8k/9/9/9/9/9/9/9/9 b - 1", false);
  EXPECT_EQ(r.pos.top_king_x * 10 + r.pos.top_king_y, 91);
  EXPECT_EQ(r.pos.bottom_king_x + r.pos.bottom_king_y, 0);
}

}  // namespace
}  // namespace hakuro
