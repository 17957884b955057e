// Whole games through mouse presses: pieces are never created or lost, and every move is
// recorded however long the game.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "control/computer_turn.h"
#include "control/menu.h"
#include "control/mouse.h"
#include "control/startup.h"
#include "display/geometry.h"
#include "replay.h"
#include "rules/legality.h"
#include "rules/move.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;

void press(Form& f, int x, int y, int button = BTN_HIDARI) {
  run_event(f, [&] { on_mouse_down(f, button, 0, cell_centre_x(x), cell_centre_y(y)); });
}

struct Place {
  int x, y, piece;
};

// The places the player to move may pick: own pieces on the board and own kinds in hand.
std::vector<Place> own_places(Game& g) {
  std::vector<Place> out;
  const bool bottom = g.side_to_move == g.bottom_side;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (bottom ? is_bottom(g.pos.board[x][y]) : is_top(g.pos.board[x][y]))
        out.push_back({x, y, g.pos.board[x][y]});
  for (int k = 1; k <= 7; ++k) {
    if (bottom && g.pos.bottom_hand[k] > 0) out.push_back({11, k + 2, -KIND_CODE[k]});
    if (!bottom && g.pos.top_hand[k] > 0) out.push_back({-1, 8 - k, KIND_CODE[k]});
  }
  return out;
}

void expect_conserved(const Game& g, int move) {
  int pieces = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) pieces += g.pos.board[x][y] != KARA;
  int sita = 0, ue = 0;
  for (int k = 1; k <= 7; ++k) sita += g.pos.bottom_hand[k], ue += g.pos.top_hand[k];
  const int kings_taken = g.king_taker != TEBAN_NASI ? 1 : 0;
  ASSERT_EQ(pieces + sita + ue, 40 - kings_taken) << "after move " << move;
  ASSERT_EQ(g.pos.bottom_hand_total, sita) << "after move " << move;
  ASSERT_EQ(g.pos.top_hand_total, ue) << "after move " << move;
}

// One random legal move of the player to move through the mouse; false when there is none.
bool random_move(Form& f, std::mt19937& rng) {
  Game& g = f.g;
  std::vector<Place> from = own_places(g);
  std::shuffle(from.begin(), from.end(), rng);
  for (const Place& p : from) {
    set_nifu_flags(g.pos);
    std::vector<std::pair<int, int>> to;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (may_move(g.pos, p.x, p.y, x, y, p.piece) == OK) to.push_back({x, y});
    if (to.empty()) continue;
    const auto [tx, ty] = to[std::uniform_int_distribution<std::size_t>(0, to.size() - 1)(rng)];
    const int button = std::bernoulli_distribution(0.5)(rng) ? BTN_MIGI : BTN_HIDARI;
    const int tesu = g.move_number;
    press(f, p.x, p.y);
    press(f, tx, ty, button);
    if (g.move_number == tesu && g.side_to_move != TEBAN_NASI)
      press(f, tx, ty, BTN_MIGI);  // must promote
    return true;
  }
  return false;
}

// Now and then: k moves back and k forward again leave the game exactly as it was.
void expect_round_trip(replay::Replay& r, std::mt19937& rng, int move) {
  Game& g = r.form().g;
  if (g.side_to_move == TEBAN_NASI || g.record.current_move() == 0 ||
      !std::bernoulli_distribution(0.1)(rng))
    return;
  const int k = std::uniform_int_distribution<int>(1, std::min(4, g.record.current_move()))(rng);
  const Position before = g.pos;
  const auto counts = std::tuple{g.move_number,        g.side_to_move, g.record.current_move(),
                                 g.record.last_move(), g.bottom_time,  g.top_time};
  for (int i = 0; i < k; ++i) r.line("menu REPLAY");
  for (int i = 0; i < k; ++i) r.line("menu AFTER");
  ASSERT_EQ(g.pos.board, before.board) << "after move " << move;
  ASSERT_EQ(g.pos.bottom_hand, before.bottom_hand) << "after move " << move;
  ASSERT_EQ(g.pos.top_hand, before.top_hand) << "after move " << move;
  ASSERT_EQ(g.pos.bottom_hand_total + g.pos.top_hand_total,
            before.bottom_hand_total + before.top_hand_total);
  ASSERT_EQ((std::tuple{g.move_number, g.side_to_move, g.record.current_move(),
                        g.record.last_move(), g.bottom_time, g.top_time}),
            counts)
      << "after move " << move;
}

TEST(Play, RandomGamesNeverCreateOrLosePieces) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  Form& f = r.form();
  Game& g = f.g;
  std::mt19937 rng(2024);
  int games = 0;
  r.line("menu START");
  for (int move = 0; move < 3000 && !f.ended; ++move) {
    if (g.side_to_move == TEBAN_NASI) {  // a king was taken and a new game set up
      ++games;
      r.line("menu START");
    }
    ASSERT_TRUE(random_move(f, rng));
    expect_conserved(g, move);
    ASSERT_EQ(g.record.current_move(), g.move_number);
    expect_round_trip(r, rng, move);
  }
  EXPECT_GT(games, 0);
}

// A random human against the computer at every level, moving first and second: after each
// exchange of moves nothing is created or lost and the record keeps step.
TEST(Play, TheComputerAnswersEveryMoveOfARandomHuman) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  Form& f = r.form();
  Game& g = f.g;
  std::mt19937 rng(7);
  int games = 0;
  for (int move = 0; move < 3000 && !f.ended; ++move) {
    if (g.side_to_move == TEBAN_NASI) {  // a new game: the level and the side change each time
      r.line("menu LEVEL" + std::to_string(games % 3 + 1));
      r.line(games % 2 == 0 ? "menu SENTE" : "menu GOTE");
      ++games;
    }
    ASSERT_EQ(g.side_to_move, g.bottom_side) << "the computer has moved";
    ASSERT_TRUE(random_move(f, rng));
    expect_conserved(g, move);
    ASSERT_EQ(g.record.current_move(), g.move_number);
    expect_round_trip(r, rng, move);
    if (g.side_to_move != TEBAN_NASI) {
      ASSERT_EQ(g.move_number % 2, games % 2 == 1 ? 0 : 1);
    }
  }
  EXPECT_GT(games, 3);
}

// Once a king is taken nothing more is played, also when the capture is stepped over again: a
// press is refused, and so is the computer's turn; stepping back before the capture plays on.
TEST(Play, NothingMovesOnceAKingIsTaken) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  Game& g = r.form().g;
  // The gold takes its own king.
  EXPECT_EQ(run_lines(r, out, {"menu START", "cell 4 9", "cell 5 9"}),
            "msgbox \" \" \"先手の番です\" ok -> ok\n"
            "sound dsPlay none\n"
            "msgbox \"終了\" \"後手の勝ちです\" ok -> ok\n"
            "msgbox \"再ゲーム\" \"続けますか？\" yesno -> yes\n");
  // The record keeps how the game ended, over the new game's set-up, until it is played over.
  EXPECT_EQ(g.record.end().reason, EndReason::king_taken);
  EXPECT_TRUE(g.record.end().top_won);
  run_lines(r, out, {"menu START", "menu AFTER"});
  ASSERT_EQ(g.pos.board[5][9], -KIN);
  const std::string decided = run_lines(r, out, {"dump"});
  const std::string refused =
      "sound dsPlay none\nmsgbox \"対局\" \"勝負はついています\" ok -> ok\n";
  EXPECT_EQ(run_lines(r, out, {"cell 3 7"}), refused);
  EXPECT_EQ(run_lines(r, out, {"cell 11 3"}), refused);
  EXPECT_EQ(run_lines(r, out, {"dump"}), decided);
  // The top player is to move: against the computer it would move now.
  const Table board = g.pos.board;
  EXPECT_EQ(run_lines(r, out, {"menu SENTE"}), refused);
  EXPECT_EQ(g.move_number, 1);
  EXPECT_EQ(g.pos.board, board);
  // 戻 takes the capture back, and the game goes on.
  run_lines(r, out, {"menu REPLAY", "menu START", "cell 3 7", "cell 3 6"});
  EXPECT_EQ(g.move_number, 1);
  EXPECT_EQ(g.pos.board[3][6], -HU);
  EXPECT_EQ(g.record.end().reason, EndReason::none);
}

// When the computer takes the human's king, its move is written beside the board (and "思考中"
// gone) before the end is announced.
TEST(Play, TheComputersWinningMoveIsShownBeforeTheEnd) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  for (const char* l : {"clear", "put 5 9 -950", "put 5 1 950", "put 5 5 900", "put 1 7 -10",
                        "menu SENTE", "answer no", "cell 1 7", "cell 1 6"})
    r.line(l);
  ASSERT_TRUE(r.ended());  // No to a new game: the window stays as the end box found it
  EXPECT_EQ(r.form().g.pos.board[5][9], SYA_NARI);
  std::vector<std::string> shown;
  for (const auto& t : r.screen().texts())  // left of the board, by the computer's hand
    if (t.x < cell_x(0) && t.y > cell_y(8) && t.y < cell_y(9)) shown.push_back(t.s);
  EXPECT_EQ(shown, (std::vector<std::string>{"５", "５", "九", "九", "飛成", "飛成"}));
}

// The computer's turn in its two halves: the move chosen on a copy of the game and played later
// is the move com_ban plays; and each end of a game is told up the move path.
TEST(Play, TheComputersChoiceMayBeMadeApartFromItsMove) {
  TestFolder folder;
  std::ostringstream out1, out2;
  replay::Replay whole(out1), halves(out2);
  for (replay::Replay* r : {&whole, &halves})
    for (const char* l : {"menu SENTE", "cell 7 7", "cell 7 6"}) r->line(l);
  // The human's move was answered in the same event; play on to the computer's turn again.
  for (replay::Replay* r : {&whole, &halves}) r->line("menu REPLAY");
  Form& f = halves.form();
  ASSERT_EQ(f.g.side_to_move, f.g.top_side);
  ASSERT_EQ(com_ban(whole.form()), Outcome::played);
  Game copy = f.g;
  Computer com = f.com;
  const std::optional<Move> chosen = choose_computer_move(copy, com);
  ASSERT_TRUE(chosen);
  begin_computer_turn(f);
  EXPECT_EQ(play_computer_move(f, chosen), Outcome::played);
  EXPECT_EQ(f.g.pos.board, whole.form().g.pos.board);
  EXPECT_EQ(f.g.record.last_move(), whole.form().g.record.last_move());
  EXPECT_EQ(f.g.side_to_move, f.g.bottom_side);

  // No move at all: the computer loses; No to a new game ends the program, and says so.
  for (const char* l : {"clear", "put 5 9 -950", "answer no"}) halves.line(l);
  EXPECT_EQ(play_computer_move(f, choose_computer_move(f.g, f.com)), Outcome::ended);
  EXPECT_TRUE(f.ended);
  EXPECT_FALSE(run_event(f, [] {}));
}

TEST(Play, TheRecordHoldsAGameOfAnyLength) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  Game& g = r.form().g;
  r.line("menu START");
  for (int n = 0; n < 350; ++n) {  // both kings walk up and back: 700 moves
    const int from = n % 2 == 0 ? 9 : 8, to = 17 - from;
    press(r.form(), 5, from);
    press(r.form(), 5, to);
    press(r.form(), 5, 10 - from);
    press(r.form(), 5, 10 - to);
  }
  ASSERT_EQ(g.move_number, 700);
  EXPECT_EQ(g.record.last_move(), 700);
  EXPECT_EQ(g.record.move(699).move.placed, -OU);
  EXPECT_EQ(g.record.move(700).move.to.y, 1);
  EXPECT_EQ(g.record.move(700).move.square().y, 2);
  EXPECT_EQ(g.record.move(701).move.piece, KARA);  // beyond the record, which reading does not grow
  EXPECT_EQ(g.record.held(), 700);
}

}  // namespace
}  // namespace hakuro
