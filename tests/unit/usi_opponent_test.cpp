// Another USI engine as the computer opponent: our own hakuro-usi plays the top player through
// the one move path, a failing engine loses nothing, and the own rule is refused.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "control/usi_opponent.h"
#include "engine/convert.h"
#include "replay.h"
#include "script.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::run_lines;
using testing::TestFolder;

constexpr const char* kRefusal = "msgbox \"USI\" \"USIエンジンとは本将棋で対局します\" ok -> ok";

struct UsiGame {
  TestFolder folder;
  std::ostringstream out;
  replay::HeldThinker thinker;
  replay::Replay r{out, thinker};
  Form& f() { return r.form(); }
  Game& g() { return r.form().g; }

  usi::EngineEntry engine(const std::string& path) {
    usi::EngineEntry e;
    e.name = "test";
    e.path = path;
    e.byoyomi_ms = 100;
    return e;
  }
  // The engine's turn held on the thinker ends, and what it said.
  std::string finish() {
    out.str("");
    r.fire([this] { thinker.finish(); });
    return out.str();
  }
  bool checked(const std::string& item) { return r.window().checked(item); }
  // The engine's turn held on the thinker ends with a legal move of the top player, played.
  void expect_legal_answer() {
    ASSERT_TRUE(thinker.busy()) << out.str();
    const std::vector<Move> legal = engine::legal_moves(g().pos, true, Rules::standard);
    const int before = g().record.current_move();
    const std::string said = finish();
    ASSERT_EQ(g().record.current_move(), before + 1) << said;
    const Move played = g().record.move(before + 1).move;
    EXPECT_TRUE(played.by_top());
    EXPECT_NE(std::find(legal.begin(), legal.end(), played), legal.end());
    EXPECT_EQ(g().side_to_move, g().bottom_side);
  }
};

// A script in the test's folder that answers the commands it reads by the shell `cases`.
std::string fake_engine(const std::string& cases) {
  const std::filesystem::path p = std::filesystem::current_path() / "fake-engine";
  std::ofstream(p) << "#!/bin/sh\nwhile read cmd rest; do\n  case \"$cmd\" in\n"
                   << "usi) echo 'id name Fake'; echo usiok ;;\n"
                   << cases << "\n  esac\ndone\n";
  std::filesystem::permissions(p, std::filesystem::perms::owner_all);
  return p.string();
}

TEST(UsiOpponent, HakuroUsiAnswersWithLegalMovesPlayedThroughTheOneMovePath) {
  UsiGame h;
  run_lines(h.r, h.out, {"check HONSHOGI 1"});
  const usi::EngineEntry e = h.engine(HAKURO_USI_PROGRAM);
  choose_usi_opponent(h.f(), e);
  ASSERT_TRUE(h.f().usi_opponent);
  EXPECT_TRUE(h.checked(usi_item(e)));
  EXPECT_FALSE(h.checked("LEVEL3"));

  run_lines(h.r, h.out, {"menu SENTE"});
  for (const char* to : {"cell 7 6", "cell 2 6", "cell 6 6"}) {
    // The person moves a pawn one step; the engine's answer waits on the thinker.
    const std::string from = std::string("cell ") + to[5] + " 7";
    run_lines(h.r, h.out, {from.c_str(), to});
    h.expect_legal_answer();
  }
  EXPECT_EQ(h.g().record.current_move(), 6);
  ASSERT_TRUE(h.f().usi_opponent->client);
  const std::shared_ptr<usi::Client> client = h.f().usi_opponent->client;
  EXPECT_TRUE(client->running());

  // A level chosen instead: the engine quits, and the level plays.
  run_lines(h.r, h.out, {"menu LEVEL1"});
  EXPECT_FALSE(h.f().usi_opponent);
  EXPECT_FALSE(client->running());
  EXPECT_FALSE(h.checked(usi_item(e)));
  EXPECT_TRUE(h.checked("LEVEL1"));
}

// The engine as 先手, the top player: its squares and the position it is given are turned.
TEST(UsiOpponent, HakuroUsiMovesFirst) {
  UsiGame h;
  run_lines(h.r, h.out, {"check HONSHOGI 1"});
  choose_usi_opponent(h.f(), h.engine(HAKURO_USI_PROGRAM));
  run_lines(h.r, h.out, {"menu GOTE"});
  h.expect_legal_answer();
  run_lines(h.r, h.out, {"cell 1 7", "cell 1 6"});
  h.expect_legal_answer();
  EXPECT_EQ(h.g().record.current_move(), 3);
}

TEST(UsiOpponent, TheOwnRuleIsRefused) {
  UsiGame h;
  const usi::EngineEntry e = h.engine(HAKURO_USI_PROGRAM);
  h.out.str("");
  choose_usi_opponent(h.f(), e);
  EXPECT_EQ(h.out.str(), std::string(kRefusal) + "\n");
  EXPECT_FALSE(h.f().usi_opponent);
  EXPECT_FALSE(h.checked(usi_item(e)));

  // Chosen under 本将棋, then the own rule chosen again before the game: its first turn says
  // so and the level plays it.
  run_lines(h.r, h.out, {"check HONSHOGI 1"});
  choose_usi_opponent(h.f(), e);
  ASSERT_TRUE(h.f().usi_opponent);
  const std::string said = run_lines(h.r, h.out, {"check HONSHOGI 0", "menu GOTE"});
  EXPECT_NE(said.find(kRefusal), std::string::npos) << said;
  EXPECT_FALSE(h.f().usi_opponent);
  EXPECT_TRUE(h.checked("LEVEL3"));
  EXPECT_EQ(h.g().record.current_move(), 1);
}

TEST(UsiOpponent, AnEngineThatDiesLosesNothingAndTheLevelCanTakeOver) {
  UsiGame h;
  run_lines(h.r, h.out, {"check HONSHOGI 1"});
  choose_usi_opponent(h.f(), h.engine(fake_engine("isready) exit 1 ;;")));
  run_lines(h.r, h.out, {"menu SENTE", "cell 7 7", "cell 7 6"});
  const std::string said = h.finish();
  EXPECT_EQ(said, "msgbox \"USI\" \"USIエンジンが終了しました\" ok -> ok\n");
  EXPECT_FALSE(h.f().usi_opponent);
  EXPECT_TRUE(h.checked("LEVEL3"));
  EXPECT_EQ(h.g().record.current_move(), 1);
  EXPECT_EQ(h.g().side_to_move, h.g().top_side);

  // A press on the board lets the level move.
  const std::string resumed = run_lines(h.r, h.out, {"cell 5 5"});
  EXPECT_NE(resumed.find("再開(COM)"), std::string::npos) << resumed;
  EXPECT_EQ(h.g().record.current_move(), 2);
}

TEST(UsiOpponent, AnEngineThatResignsLosesAndAnIllegalMoveIsRefused) {
  UsiGame h;
  run_lines(h.r, h.out, {"check HONSHOGI 1"});
  // It answers a king's promotion first, then resigns.
  const std::string marker = (std::filesystem::current_path() / "answered").string();
  const std::string engine = fake_engine("isready) echo readyok ;;\ngo) if [ -e " + marker +
                                         " ]; then echo 'bestmove resign'; else touch " + marker +
                                         "; echo 'bestmove 5a5b+'; fi ;;");
  choose_usi_opponent(h.f(), h.engine(engine));
  run_lines(h.r, h.out, {"menu SENTE", "cell 7 7", "cell 7 6"});
  std::string said = h.finish();
  EXPECT_EQ(said, "msgbox \"USI\" \"USIエンジンの指手は指せません: 5a5b+\" ok -> ok\n");
  EXPECT_EQ(h.g().record.current_move(), 1);

  // Chosen again, it resumes its turn at a press, and resigns.
  choose_usi_opponent(h.f(), h.engine(engine));
  run_lines(h.r, h.out, {"answer no", "cell 5 5"});
  said = h.finish();
  EXPECT_NE(said.find("あなたの勝ちです"), std::string::npos) << said;
  EXPECT_EQ(h.g().record.end().reason, EndReason::resigned);
}

// Under a time control the engine is given both clocks as they stand (the person, 先手, has
// spent 12 s); without one, the time per move. The fake engine keeps the go line and resigns.
TEST(UsiOpponent, GoTellsTheGameClocks) {
  const auto go_line = [](const std::vector<const char*>& time_control) {
    UsiGame h;
    const std::string kept = (std::filesystem::current_path() / "go-line").string();
    const std::string engine = fake_engine("isready) echo readyok ;;\ngo) echo \"$cmd $rest\" > " +
                                           kept + "; echo 'bestmove resign' ;;");
    const std::string gote = "dialog gote usi:" + engine;
    std::vector<const char*> lines = {"dialog sente man", gote.c_str(), "dialog rules standard"};
    lines.insert(lines.end(), time_control.begin(), time_control.end());
    for (const char* line : {"time 100", "menu NEW_GAME", "time 112", "cell 7 7", "cell 7 6"})
      lines.push_back(line);
    for (const char* line : lines) run_lines(h.r, h.out, {line});
    const std::string said = h.finish();
    EXPECT_NE(said.find("あなたの勝ちです"), std::string::npos) << said;
    std::string line;
    std::getline(std::ifstream(kept), line);
    return line;
  };
  EXPECT_EQ(go_line({"dialog main 300", "dialog byoyomi 10"}),
            "go btime 288000 wtime 300000 byoyomi 10000");
  EXPECT_EQ(go_line({"dialog main 60", "dialog increment 5"}),
            "go btime 53000 wtime 60000 binc 5000 winc 5000");
  EXPECT_EQ(go_line({"dialog main 0"}), "go btime 0 wtime 0 byoyomi 1000");
}

}  // namespace
}  // namespace hakuro
