// The last game's file: a game written after every move reads back as it stood, turned round as
// it was played; the standing line; the level from the header and the level comments.
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "record/columns.h"
#include "record/kif_file.h"
#include "record/last_game.h"
#include "replay.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;

void expect_same_moves(const Record& r, const std::vector<RecordMove>& moves) {
  ASSERT_EQ(static_cast<int>(moves.size()), r.held());
  for (int n = 1; n <= r.held(); ++n) {
    const RecordMove &a = r.move(n), &b = moves[static_cast<std::size_t>(n - 1)];
    EXPECT_EQ(a.move, b.move) << "move " << n;
    EXPECT_EQ(
        std::tie(a.bottom_time_before, a.bottom_time_after, a.top_time_before, a.top_time_after),
        std::tie(b.bottom_time_before, b.bottom_time_after, b.top_time_before, b.top_time_after))
        << "move " << n;
  }
}

// The computer moves first on top, so the file has it as 先手 at the bottom and turns the board.
TEST(LastGame, AGameTheComputerBeganReadsBackAsItWasPlayed) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  run_lines(r, out,
            {"menu LEVEL2", "time 10", "menu GOTE", "time 14", "cell 7 7", "cell 7 6", "time 20",
             "cell 2 7", "cell 2 6"});
  const Game& g = r.form().g;
  ASSERT_GE(g.record.held(), 4);
  const KifRead read = load_kif(kLastGameFile);
  ASSERT_EQ(read.problem, KifProblem::none);
  EXPECT_EQ(read.game.bottom.role, Role::computer);  // 先手 in the file

  const LastGame last = last_game_from(read.game);
  EXPECT_EQ(last.standing, standing_of(g));
  EXPECT_TRUE(last.game.top_first);
  EXPECT_EQ(last.game.top.role, Role::computer);
  EXPECT_EQ(last.game.top.level, 2);
  EXPECT_EQ(last.game.bottom.role, Role::you);
  EXPECT_TRUE(last.game.top.name.empty() && last.game.bottom.name.empty());
  EXPECT_TRUE(last.game.comments.empty() || last.game.comments[0].empty());
  EXPECT_EQ(last.end.board, g.pos.board);
  EXPECT_EQ(last.end.top_hand, g.pos.top_hand);
  EXPECT_FALSE(last.finished);
  expect_same_moves(g.record, last.game.moves);

  // Resigned: the file says who won, and the game is finished.
  run_lines(r, out, {"answer yes", "answer yes", "menu RESIGN"});
  const LastGame over = last_game_from(load_kif(kLastGameFile).game);
  EXPECT_TRUE(over.finished);
  EXPECT_EQ(over.game.winner, Winner::top);
}

TEST(LastGame, TheStandingLineReadsBackAndOtherLinesAreNotOurs) {
  const Standing s{MODE_COM,     1,     -1, -1, 17, -3, OK, OK, 40, true, Rules::standard,
                   {600, 30, 0}, 12345, 0};
  EXPECT_EQ(read_standing(standing_line(s)), s);
  Standing watched = s;
  watched.bottom_level = 3;  // the computer on both sides
  EXPECT_EQ(read_standing(standing_line(watched)), watched);
  // A game under the program's own rule and without a time control keeps the line it always had.
  EXPECT_EQ(standing_line(Standing{}).find("honshogi"), std::string::npos);
  EXPECT_EQ(standing_line(Standing{}).find("jikan"), std::string::npos);
  EXPECT_EQ(read_standing(standing_line(s) + " newer_field=3"), s);
  for (const char* line :
       {"HAKUROtesu=1", "HAKURO sita=2", "HAKURO sita=1 ue=1", "HAKURO tesu=x",
        "HAKURO hande_level=11", "LEVEL5", "HAKURO tesu", "HAKURO jikan=1,2", "HAKURO jikan=1,-2,3",
        "HAKURO nokori=1,2,3", "HAKURO nokori=5,x", "HAKURO taikyoku_mode=1 sita_level=6",
        "HAKURO taikyoku_mode=0 sita_level=2"})
    EXPECT_FALSE(read_standing(line)) << line;
}

TEST(LastGame, TheLevelIsTheHeadersUntilACommentChangesIt) {
  KifGame k;
  k.comments = {"", "", "", "LEVEL5", "", "", "a note\nLEVEL1"};
  EXPECT_EQ(header_level(k, 3), 3);  // no computer named in the header
  k.top = {"", Role::computer, 2};
  EXPECT_EQ(header_level(k, 3), 2);
  EXPECT_EQ(level_after(k, 2, 3), 2);
  EXPECT_EQ(level_after(k, 3, 3), 5);
  EXPECT_EQ(level_after(k, 40, 3), 1);
  k.comments = {"LEVEL9", "LEVEL 4", "LEVEL44"};  // none of these sets a level
  EXPECT_EQ(level_after(k, 2, 3), 2);
}

// Turned round twice, a game is itself again; a drop goes to the other hand's cell.
TEST(LastGame, TurningRoundSwapsTheSidesAndTheirTimes) {
  KifGame k;
  k.top_first = true;
  k.top = {"", Role::computer, 4};
  k.winner = Winner::top;
  const RecordMove drop{drop_move(GIN, {5, 5}), 1, 2, 3, 4, DropRow::kind};  // the computer's
  k.moves = {drop};
  const KifGame t = turned_round(k);
  EXPECT_FALSE(t.top_first);
  EXPECT_EQ(t.bottom.role, Role::computer);
  EXPECT_EQ(t.winner, Winner::bottom);
  EXPECT_EQ(t.start.board[1][9], -k.start.board[9][1]);
  const RecordMove& m = t.moves[0];
  const Columns c = columns_of(m);
  EXPECT_EQ(std::tie(c.from_x, c.from_y, c.to_x, c.to_y, c.piece, c.placed),
            std::make_tuple(MOCHI_SITA_X, 6, 5, 5, -GIN, -GIN));
  EXPECT_EQ(
      std::tie(m.bottom_time_before, m.bottom_time_after, m.top_time_before, m.top_time_after),
      std::make_tuple(3.0, 4.0, 1.0, 2.0));
  const Columns back = columns_of(turned_round(t).moves[0]);
  EXPECT_EQ(std::tie(back.from_x, back.from_y, back.piece), std::make_tuple(MOCHI_UE_X, 4, GIN));
}

// 反転 and the last game turn a position by the same rule: the hands change places; the kings'
// squares stay as they were (the next survey finds the kings), but a king gone has none.
TEST(LastGame, APositionTurnedRoundKeepsTheKingsSquaresOfKingsStillThere) {
  Position p = starting_position();
  p.bottom_hand[1] = p.bottom_hand_total = 2;
  p.board[5][1] = KARA;  // the top king is gone
  p.board[5][9] = KARA;
  p.board[6][8] = -OU;
  std::tie(p.top_king_x, p.top_king_y, p.bottom_king_x, p.bottom_king_y) = std::tuple{5, 1, 6, 8};
  const Position t = turned_round(p);
  EXPECT_EQ(t.board[4][2], OU);
  EXPECT_EQ(std::tie(t.top_hand[1], t.top_hand_total, t.bottom_hand_total),
            std::make_tuple(2, 2, 0));
  EXPECT_EQ(std::tie(t.top_king_x, t.top_king_y, t.bottom_king_x, t.bottom_king_y),
            std::make_tuple(5, 1, 0, 0));
  const Position back = turned_round(t);
  EXPECT_EQ(back.board, p.board);
  EXPECT_EQ(back.bottom_hand, p.bottom_hand);
}

}  // namespace
}  // namespace hakuro
