// The USI client: the protocol's lines read, our own hakuro-usi played through it, and engines
// that hang, die or talk nonsense, each failure with its message for the player.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "setup.h"
#include "usi/client.h"
#include "usi/engine_entry.h"
#include "usi/usi_move.h"

namespace hakuro::usi {
namespace {

using std::chrono::milliseconds;

TEST(UsiMessages, OptionsInfoAndBestMoveAreRead) {
  auto o = read_option("option name Book File type combo default no book var no book var a.bin");
  ASSERT_TRUE(o);
  EXPECT_EQ(o->name, "Book File");
  EXPECT_EQ(o->type, "combo");
  EXPECT_EQ(o->default_value, "no book");
  EXPECT_EQ(o->vars, (std::vector<std::string>{"no book", "a.bin"}));
  o = read_option("option name USI_Hash type spin default 256 min 1 max 33554432");
  ASSERT_TRUE(o);
  EXPECT_EQ(o->min, 1);
  EXPECT_EQ(o->max, 33554432);
  EXPECT_FALSE(read_option("option type spin"));

  Info i = read_info("info depth 7 seldepth 9 score cp -35 nodes 12345 pv 7g7f 3c3d");
  EXPECT_EQ(i.depth, 7);
  EXPECT_EQ(i.score_cp, -35);
  EXPECT_EQ(i.nodes, 12345);
  EXPECT_EQ(i.pv, (std::vector<std::string>{"7g7f", "3c3d"}));
  EXPECT_EQ(read_info("info score mate -4 pv 5a4a").mate, -4);
  EXPECT_EQ(read_info("info score mate + pv G*5b").mate, Info::kMateUnknown);
  EXPECT_TRUE(read_info("info string depth 9 pv x").pv.empty());

  auto b = read_bestmove("bestmove 8h2b+ ponder 3a2b");
  ASSERT_TRUE(b);
  EXPECT_EQ(b->kind, BestMove::Kind::move);
  EXPECT_EQ(b->move, "8h2b+");
  EXPECT_EQ(b->ponder, "3a2b");
  EXPECT_EQ(read_bestmove("bestmove resign")->kind, BestMove::Kind::resign);
  EXPECT_EQ(read_bestmove("bestmove win")->kind, BestMove::Kind::win);
  EXPECT_TRUE(read_bestmove("bestmove P*5e"));
  for (const char* bad :
       {"bestmove", "bestmove 7g7g", "bestmove K*5e", "bestmove 0a1b", "bestmove e2e4"})
    EXPECT_FALSE(read_bestmove(bad)) << bad;
}

TEST(UsiMessages, GoCommands) {
  GoLimits l;
  l.byoyomi_ms = 100;
  EXPECT_EQ(go_command(l), "go btime 0 wtime 0 byoyomi 100");
  l.clocks = GoLimits::Clocks{60000, 50000, 1000, 2000};
  l.byoyomi_ms = 0;
  EXPECT_EQ(go_command(l), "go btime 60000 wtime 50000 binc 1000 winc 2000");
  l.movetime_ms = 500;
  EXPECT_EQ(go_command(l), "go movetime 500");
  l.nodes = 20000;
  EXPECT_EQ(go_command(l), "go movetime 500 nodes 20000");
}

// hakuro-usi run through the client.
TEST(UsiClient, OurEngineShakesHandsAndPlaysLegalMoves) {
  Client c;
  ASSERT_FALSE(c.start(HAKURO_USI_PROGRAM));
  EXPECT_TRUE(c.id().name.starts_with("HAKURO KAISEN ")) << c.id().name;
  EXPECT_EQ(c.id().author, "HAKURO KAISEN developers");
  const EngineOption* level = c.id().option("Level");
  ASSERT_NE(level, nullptr);
  EXPECT_EQ(level->type, "spin");
  EXPECT_EQ(level->min, 1);
  EXPECT_EQ(level->max, 5);
  const EngineEntry entry = entry_for(HAKURO_USI_PROGRAM, c.id());
  EXPECT_EQ(entry.name, c.id().name);
  ASSERT_TRUE(entry.hash_mb);
  EXPECT_GE(entry.hash_mb->value, entry.hash_mb->min);
  EXPECT_FALSE(entry.threads) << "it offers no Threads";
  EXPECT_EQ(game_options(entry, c.id()).size(), 1u);
  c.quit();

  EngineEntry fast = entry;
  fast.byoyomi_ms = 100;
  ASSERT_FALSE(start_game(c, fast));
  int infos = 0;
  GoResult r = engine_move(c, fast, "", {}, nullptr, [&](const Info&) { ++infos; });
  ASSERT_FALSE(r.error) << r.error.message;
  ASSERT_EQ(r.best.kind, BestMove::Kind::move);
  const auto start = start_setup(engine::Rules::standard);
  EXPECT_NE(find_move(start.pos, r.best.move), engine::NO_MOVE) << r.best.move;
  EXPECT_GT(infos, 0);
  EXPECT_TRUE(r.last.depth);

  // 後手's answer from an SFEN after a move.
  r = engine_move(c, fast, "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
                  {"7g7f"});
  ASSERT_FALSE(r.error) << r.error.message;
  const SetupRead after = read_setup("startpos moves 7g7f", engine::Rules::standard);
  EXPECT_NE(find_move(after.setup.pos, r.best.move), engine::NO_MOVE) << r.best.move;
  EXPECT_FALSE(c.game_over(GameOutcome::draw));
  c.quit();
  EXPECT_FALSE(c.running());
}

TEST(UsiClient, StopEndsALongThinkWithAMove) {
  Client c;
  EngineEntry entry;
  entry.path = HAKURO_USI_PROGRAM;
  entry.byoyomi_ms = 600'000;
  ASSERT_FALSE(start_game(c, entry));
  std::atomic<bool> stop{false};
  std::thread stopper([&] {
    std::this_thread::sleep_for(milliseconds(300));
    stop = true;
  });
  const GoResult r = engine_move(c, entry, "", {}, &stop);
  stopper.join();
  ASSERT_FALSE(r.error) << r.error.message;
  EXPECT_EQ(r.best.kind, BestMove::Kind::move);
}

// Engines that fail, as small shell scripts.
class FakeEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("hakuro-fake-" + std::to_string(getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  // A script that answers each command it reads by the shell `cases` ("usi) … ;;").
  std::string script(const std::string& cases) {
    const std::filesystem::path p = dir / "engine";
    std::ofstream(p) << "#!/bin/sh\nwhile read cmd rest; do\n  case \"$cmd\" in\n"
                     << cases << "\n  esac\ndone\n";
    std::filesystem::permissions(p, std::filesystem::perms::owner_all);
    return p.string();
  }

  static constexpr const char* kHandshake = "usi) echo 'id name Fake'; echo usiok ;;";
  Timeouts quick{milliseconds(500), milliseconds(500), milliseconds(500), milliseconds(500),
                 milliseconds(200)};
  std::filesystem::path dir;
};

TEST_F(FakeEngine, OneThatCannotStartOrNeverAnswersUsiok) {
  Client c(quick);
  Error e = c.start((dir / "missing").string());
  EXPECT_EQ(e.fault, Fault::cannot_start);
  EXPECT_EQ(e.message, "USIエンジンを起動できません: " + (dir / "missing").string());
  e = c.start(script("usi) echo 'id name Mute' ;;"));
  EXPECT_EQ(e.fault, Fault::no_answer);
  EXPECT_EQ(e.message, "USIエンジンが応答しません");
  EXPECT_FALSE(c.running());
  EngineEntry entry;
  EXPECT_EQ(probe_engine(script("usi) exit 0 ;;"), entry, quick).message,
            "USIエンジンが終了しました");
}

TEST_F(FakeEngine, OneThatDiesAfterIsready) {
  Client c(quick);
  ASSERT_FALSE(c.start(script(std::string(kHandshake) + "\nisready) exit 1 ;;")));
  EXPECT_EQ(c.id().name, "Fake");
  const Error e = c.ready();
  EXPECT_EQ(e.fault, Fault::ended);
  EXPECT_EQ(e.message, "USIエンジンが終了しました");
  EXPECT_EQ(c.position("", {"7g7f"}).fault, Fault::ended);
}

TEST_F(FakeEngine, OneThatAnswersNonsenseOrNothingToGo) {
  Client c(quick);
  const std::string cases = std::string(kHandshake) + "\nisready) echo readyok ;;";
  ASSERT_FALSE(c.start(script(cases + "\ngo) echo 'info depth 1'; echo 'bestmove e2e4' ;;")));
  ASSERT_FALSE(c.ready());
  GoResult r = c.go({100, {}});
  EXPECT_EQ(r.error.fault, Fault::garbage);
  EXPECT_EQ(r.error.message, "USIエンジンの応答が正しくありません: bestmove e2e4");
  // Silent after go, and after stop too.
  ASSERT_FALSE(c.start(script(cases)));
  std::atomic<bool> stop{true};
  r = c.go({100, {}}, &stop);
  EXPECT_EQ(r.error.fault, Fault::no_answer);
  ASSERT_FALSE(c.start(script(cases)));
  r = c.go({100, {}});
  EXPECT_EQ(r.error.fault, Fault::no_answer);
}

// Where another engine is installed: Debian's fairy-stockfish plays shogi as a variant.
TEST(UsiClient, FairyStockfishWhereInstalled) {
  std::string path;
  for (const char* p : {"/usr/games/fairy-stockfish", "/usr/bin/fairy-stockfish"})
    if (std::filesystem::exists(p)) path = p;
  if (path.empty()) GTEST_SKIP() << "fairy-stockfish is not installed";
  EngineEntry entry;
  ASSERT_FALSE(probe_engine(path, entry));
  entry.byoyomi_ms = 200;
  Client c;
  ASSERT_FALSE(start_game(c, entry));
  const GoResult r = engine_move(c, entry, "", {});
  ASSERT_FALSE(r.error) << r.error.message;
  EXPECT_NE(find_move(start_setup(engine::Rules::standard).pos, r.best.move), engine::NO_MOVE);
}

}  // namespace
}  // namespace hakuro::usi
