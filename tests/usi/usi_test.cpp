// hakuro-usi: the protocol driven through string streams, the moves' squares, the clock's
// budgets, and the built program through a pipe.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "engine/clock.h"
#include "go.h"
#include "session.h"
#include "usi/usi_move.h"

namespace hakuro::usi {
namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

// A session fed the commands one by one, its searches let finish.
struct Driver {
  std::ostringstream out;
  Session session{out};

  std::vector<std::string> run(std::initializer_list<std::string_view> commands) {
    for (std::string_view c : commands) session.command(c);
    session.wait();
    return lines(out.str());
  }
  std::string bestmove() {
    session.wait();
    const std::vector<std::string> l = lines(out.str());
    for (auto it = l.rbegin(); it != l.rend(); ++it)
      if (it->starts_with("bestmove ")) return it->substr(9);
    return "";
  }
  int count(std::string_view prefix) {
    int n = 0;
    for (const std::string& l : lines(out.str())) n += l.starts_with(prefix);
    return n;
  }
};

TEST(Usi, Handshake) {
  Driver d;
  const auto l = d.run({"usi", "isready"});
  ASSERT_GE(l.size(), 4u);
  EXPECT_TRUE(l[0].starts_with("id name HAKURO KAISEN "));
  EXPECT_EQ(l[1], "id author HAKURO KAISEN developers");
  for (const char* name : {"USI_Hash type spin", "USI_Ponder type check",
                           "Level type spin default 5", "OwnCaptures type check default false"})
    EXPECT_EQ(d.count(std::string("option name ") + name), 1) << name;
  EXPECT_EQ(l[l.size() - 2], "usiok");
  EXPECT_EQ(l.back(), "readyok");
}

TEST(Usi, SquaresAndMovesAsSenteSeesThem) {
  const auto start = start_setup(engine::Rules::standard);
  EXPECT_NE(find_move(start.pos, "7g7f"), engine::NO_MOVE);
  EXPECT_EQ(find_move(start.pos, "3c3d"), engine::NO_MOVE);  // 後手's pawn, 先手 to move
  SetupRead r = read_setup("startpos moves 7g7f 3c3d 8h2b+", engine::Rules::standard);
  ASSERT_EQ(r.error, "");
  // 2b: file 2 from 先手's right is x 8; rank b is row 2. 先手 is the bottom player.
  EXPECT_EQ(r.setup.pos.at(engine::square(8, 2)),
            engine::make_piece(engine::BOTTOM, engine::HORSE));
  EXPECT_EQ(r.setup.pos.side(), engine::TOP);
  EXPECT_EQ(r.setup.earlier.size(), 3u);
  r = read_setup("sfen 4k4/9/9/9/9/9/9/9/4K4 b P 1 moves P*5e", engine::Rules::standard);
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.setup.pos.at(engine::square(5, 5)), engine::make_piece(engine::BOTTOM, engine::PAWN));
  EXPECT_NE(find_move(r.setup.pos, "5a4a"), engine::NO_MOVE);
}

TEST(Usi, GoNodesGivesTheSameLegalMoveEveryTime) {
  std::string first;
  for (int i = 0; i < 2; ++i) {
    Driver d;
    d.run({"isready", "position startpos moves 7g7f 3c3d", "go nodes 30000"});
    const std::string move = d.bestmove();
    EXPECT_NE(find_move(d.session.setup().pos, move), engine::NO_MOVE) << move;
    EXPECT_GE(d.count("info depth "), 1);
    if (i == 0) first = move;
    else EXPECT_EQ(move, first);
  }
}

TEST(Usi, StopEndsAnInfiniteSearchWithItsMove) {
  Driver d;
  d.session.command("position startpos");
  d.session.command("go infinite");
  d.session.command("isready");  // answered while it thinks
  d.session.command("stop");
  EXPECT_EQ(d.count("bestmove "), 1);
  EXPECT_EQ(d.count("readyok"), 1);
  EXPECT_NE(find_move(d.session.setup().pos, d.bestmove()), engine::NO_MOVE);
}

TEST(Usi, BadInputIsToldAndKeepsThePosition) {
  Driver d;
  d.run({"position startpos moves 7g7f"});
  const engine::Position before = d.session.setup().pos;
  for (const char* bad :
       {"flip", "position", "position startpos moves 7g7f 7g7f", "position startpos 7g7f",
        "position startpos moves 7g7", "position sfen 9/9 b - 1",
        "position sfen lnsgkgsnl/9/9/9/9/9/9/9/LNSGKGSNL x - 1",
        "position sfen P3k4/9/9/9/9/9/9/9/4K4 b - 1", "setoption name Level value 9", "go bogus"}) {
    d.session.command(bad);
    EXPECT_EQ(d.session.setup().pos, before) << bad;
  }
  d.session.command("setoption name NoSuchOption value 3");
  EXPECT_EQ(d.count("info string "), 10);
  EXPECT_EQ(d.session.options().level, 5);
}

TEST(Usi, OwnCapturesAllowsTakingOnesOwnPiece) {
  Driver d;
  d.run({"position startpos moves 2h2g"});
  EXPECT_EQ(d.session.setup().earlier.size(), 0u);  // refused under standard shogi
  d.run({"setoption name OwnCaptures value true", "position startpos moves 2h2g"});
  EXPECT_EQ(d.session.setup().earlier.size(), 1u);
  EXPECT_EQ(d.session.setup().pos.hand(engine::BOTTOM, engine::PAWN), 1);
  // Back to standard shogi, the position no longer stands: the start.
  d.run({"setoption name OwnCaptures value false"});
  EXPECT_EQ(d.session.setup().pos, start_setup(engine::Rules::standard).pos);
}

TEST(Usi, MatedSideResigns) {
  Driver d;
  d.run({"position sfen 4k4/4G4/4G4/9/9/9/9/9/4K4 w - 1", "go nodes 1000"});
  EXPECT_EQ(d.bestmove(), "resign");
}

TEST(Usi, BudgetsLeaveTheClockRoom) {
  for (int64_t remaining = 0; remaining <= 60000; remaining += 37) {
    const int64_t b = budget_ms({remaining, 0, 1000}), most = max_budget_ms({remaining, 0, 1000});
    EXPECT_LE(most + MARGIN_MS, remaining + 1000) << remaining;
    EXPECT_GE(b, 700);  // the byoyomi's share at the least
    EXPECT_GE(most, b);
  }
  // Ten minutes and five seconds a move, a long game played at the budget, and one played at
  // the longest budget of a best move that keeps changing.
  for (const auto& budget : {budget_ms, max_budget_ms}) {
    int64_t clock = 600000;
    for (int move = 0; move < 300; ++move) {
      const int64_t b = budget({clock, 5000, 0});
      EXPECT_LE(b + MARGIN_MS, clock);
      EXPECT_LE(b, clock / 2);
      clock += 5000 - b;
    }
    EXPECT_GT(clock, 5000);
  }
  EXPECT_LE(budget_ms({150, 5000, 0}), MIN_BUDGET_MS);
}

TEST(Usi, LevelsShapeTheLimits) {
  const Go clock = read_go("btime 60000 wtime 30000 byoyomi 1000");
  EXPECT_DOUBLE_EQ(go_limits(clock, true, 5).seconds, double(budget_ms({60000, 0, 1000})) / 1000);
  EXPECT_DOUBLE_EQ(go_limits(clock, false, 5).seconds, double(budget_ms({30000, 0, 1000})) / 1000);
  EXPECT_LT(go_limits(clock, true, 4).seconds, go_limits(clock, true, 5).seconds);
  EXPECT_GT(go_limits(read_go(""), true, 1).nodes, 0u);
  EXPECT_EQ(go_limits(read_go("nodes 500"), true, 1).nodes, 500u);
  EXPECT_EQ(go_limits(read_go("nodes 500"), true, 5).seconds, 0.0);
  EXPECT_EQ(go_limits(read_go("infinite"), true, 5).seconds, 0.0);
}

TEST(Usi, TheProgramAnswersThroughAPipe) {
  const std::string command =
      "printf 'usi\\nisready\\nposition startpos moves 7g7f\\ngo nodes 5000\\n' | " +
      std::string(HAKURO_USI_PROGRAM);
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  EXPECT_EQ(pclose(pipe), 0);
  EXPECT_NE(text.find("usiok\nreadyok\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nbestmove "), std::string::npos) << text;
  const std::vector<std::string> l = lines(text);
  EXPECT_EQ(std::adjacent_find(l.begin(), l.end()), l.end()) << "a line written twice:\n" << text;
}

}  // namespace
}  // namespace hakuro::usi
