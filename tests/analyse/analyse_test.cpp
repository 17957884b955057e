// hakuro-analyse: a planted blunder is marked where it stands, a node-bounded run gives the same
// report every time, a .棋譜 record reads as its KIF does, and files it cannot analyse exit 2.
#include <gtest/gtest.h>

#include "game.h"
#include "record/file.h"
#include "record/kif.h"
#include "report.h"
#include "unit/test_folder.h"

namespace hakuro::analyse {
namespace {

using testing::TestFolder;

// The report's lines, one a move.
std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) out.push_back(l);
  return out;
}

TEST(Analyse, MarksTheHungRookAndNotTheMoveAfter) {
  TestFolder folder;
  TestFolder::write("rook.kifu", kHungRookKif);
  const Ran r = run_tool({"rook.kifu", "--rules", "standard"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> l = lines(r.out);
  ASSERT_EQ(l.size(), 10u);
  EXPECT_EQ(l[kBlunder - 1].rfind("9 ▲７六歩 -", 0), 0u) << l[kBlunder - 1];
  EXPECT_NE(l[kBlunder - 1].find(" 悪手 best ▲"), std::string::npos) << l[kBlunder - 1];
  // The move after it is no mistake. (The one before, the pawn dropped before the 8th file's
  // pawn is pushed, is: a deeper search finds the push first some three pawns better.)
  EXPECT_EQ(l[kBlunder].find("手 best"), std::string::npos) << l[kBlunder];
  EXPECT_EQ(l[kBlunder].rfind("10 △２四歩 -", 0), 0u) << l[kBlunder];

  // Bounded by nodes, the verdicts are the same every run.
  EXPECT_EQ(run_tool({"rook.kifu", "--rules", "standard"}).out, r.out);
}

TEST(Analyse, ReadsTheOwnRecordFileAsItsKif) {
  TestFolder folder;
  const KifRead kif = read_kif(kHungRookKif, true);
  ASSERT_EQ(kif.problem, KifProblem::none);
  const Encoded e = encode_record({"", "", "", kif.game.moves}, "対局名", "先手", "後手");
  TestFolder::write("rook.棋譜", e.bytes);
  TestFolder::write("rook.kifu", kHungRookKif);
  const Ran own = run_tool({"rook.棋譜", "--nodes", "3000"});
  ASSERT_EQ(own.status, 0) << own.err;
  EXPECT_EQ(own.out, run_tool({"rook.kifu", "--nodes", "3000"}).out);
}

TEST(Analyse, RefusesWhatItCannotAnalyseWithStatus2) {
  TestFolder folder;
  TestFolder::write("junk.kif", "これは棋譜ではない\n");
  TestFolder::write("game.txt", kHungRookKif);
  // 先手's rook takes its own pawn on 2七: the own rule allows it, the standard rules do not.
  TestFolder::write("own.kifu", "手合割：平手\n1 ２七飛(28)\n");
  const std::vector<std::vector<std::string>> refused = {
      {"missing.kif"},
      {"junk.kif"},
      {"game.txt"},
      {"own.kifu", "--rules", "standard"},
      {},
      {"own.kifu", "--nodes", "0"},
      {"own.kifu", "--nodes", "5", "--movetime", "5"},
      {"own.kifu", "--rules", "chess"},
  };
  for (const auto& args : refused) {
    const Ran r = run_tool(args);
    const std::string what = args.empty() ? "no arguments" : args[0];
    EXPECT_EQ(r.status, 2) << what;
    EXPECT_TRUE(r.out.empty()) << what;
    EXPECT_FALSE(r.err.empty()) << what;
  }
  EXPECT_NE(run_tool({"own.kifu", "--rules", "standard"}).err.find("move 1"), std::string::npos);
  EXPECT_EQ(run_tool({"own.kifu", "--nodes", "1000"}).status, 0);
}

TEST(Analyse, AStoppedAnalysisLeavesNothing) {
  const KifRead kif = read_kif(kHungRookKif, true);
  ASSERT_EQ(kif.problem, KifProblem::none);
  GameMoves g;
  g.start = kif.game.start;
  for (const RecordMove& m : kif.game.moves) g.moves.push_back(m.move);
  std::atomic<bool> stop{false};
  std::vector<int> told;
  const Watch watch{&stop, [&](int done, int total) {
                      told.push_back(done);
                      EXPECT_EQ(total, 11);
                      if (done == 4) stop = true;
                    }};
  const Analysed a = analyse(g, engine::Rules::standard, {1000, 0}, watch);
  EXPECT_TRUE(a.cancelled);
  EXPECT_TRUE(a.analysis.positions.empty());
  EXPECT_TRUE(a.analysis.moves.empty());
  EXPECT_EQ(told, (std::vector<int>{1, 2, 3, 4}));
}

TEST(Analyse, MatesCountAsTheCapInLossesAndShowAsMovesToGo) {
  EXPECT_EQ(score_text(engine::win_in(3)), "+M3");
  EXPECT_EQ(score_text(engine::loss_in(0)), "-M0");
  EXPECT_EQ(score_text(-245), "-245");
  EXPECT_EQ(score_text(35), "+35");
  // A won game kept won loses nothing; an even one thrown into a mate loses the cap.
  EXPECT_EQ(loss_of(engine::win_in(1), engine::win_in(9)), 0);
  EXPECT_EQ(loss_of(0, engine::loss_in(2)), kScoreCap);
  EXPECT_EQ(mark_of(loss_of(100, -50)), Mark::dubious);
  EXPECT_EQ(mark_of(loss_of(100, -200)), Mark::blunder);
}

}  // namespace
}  // namespace hakuro::analyse
