// The tactical suite (tests/data/tactics.txt): every line proved by the prover, apart from the
// engine, and level 5's engine solving at least nine in ten of them within its node budget.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <set>

#include "engine/movegen.h"
#include "prover.h"
#include "solve.h"
#include "usi/usi_move.h"

namespace hakuro::tactics {
namespace {

using engine::Move;

std::vector<Tactic> suite() {
  std::ifstream file(HAKURO_TEST_DATA "/tactics.txt");
  const SuiteRead read = read_suite(file);
  EXPECT_EQ(read.error, "");
  return read.tactics;
}

std::set<std::string> texts(const std::vector<Move>& moves) {
  std::set<std::string> out;
  for (Move m : moves) out.insert(usi::move_text(m));
  return out;
}

std::string joined(const std::set<std::string>& moves) {
  std::string out;
  for (const std::string& m : moves) out += m + ' ';
  return out;
}

// Plies of one side's mate in its own moves: a mate in 3 is two moves of the mating side.
int moves_of_mate(int plies) { return (plies + 1) / 2; }

void prove_mate(const Tactic& t, const std::set<std::string>& listed) {
  const int n = moves_of_mate(t.depth);
  EXPECT_EQ(joined(texts(mating_moves(t.pos, n))), joined(listed)) << "the moves that mate";
  if (n > 1) {
    EXPECT_TRUE(mating_moves(t.pos, n - 1).empty()) << "a shorter mate";
  }
}

void prove_defence(const Tactic& t, const std::set<std::string>& listed) {
  const int n = moves_of_mate(t.depth);
  EXPECT_EQ(joined(texts(defences(t.pos, n))), joined(listed)) << "the moves that hold";
  if (!t.pos.in_check()) {
    engine::Position passed = t.pos;
    engine::Undo u;
    passed.do_null(u);
    EXPECT_TRUE(mates(passed, n)) << "no mate is threatened";
  }
}

void prove_capture(const Tactic& t, const std::set<std::string>& listed) {
  const std::vector<Scored> scored = material_line(t.pos, t.depth);
  int best = -1000000;
  for (const Scored& s : scored) best = std::max(best, s.value);
  std::vector<Move> winning;
  for (const Scored& s : scored)
    if (s.value == best) winning.push_back(s.move);
  EXPECT_EQ(joined(texts(winning)), joined(listed)) << "the best moves, worth " << best;
  EXPECT_GE(best, material(t.pos) + 2) << "nothing won";
}

TEST(TacticalSuite, EveryLineIsProved) {
  const std::vector<Tactic> tactics = suite();
  EXPECT_GE(tactics.size(), 50u);
  std::map<std::string, int> kinds;
  for (const Tactic& t : tactics) {
    SCOPED_TRACE("line " + std::to_string(t.line) + ": " + t.comment);
    const std::string rules = t.rules == engine::Rules::own ? "own " : "standard ";
    ++kinds[rules + t.kind + (t.kind == "mate" ? " " + std::to_string(t.depth) : "")];
    const std::set<std::string> listed(t.moves.begin(), t.moves.end());
    if (t.kind == "mate") prove_mate(t, listed);
    if (t.kind == "defence") prove_defence(t, listed);
    if (t.kind == "capture") prove_capture(t, listed);
  }
  for (const char* kind :
       {"own mate 1", "own mate 3", "own mate 5", "standard mate 1", "standard mate 3",
        "standard mate 5", "own capture", "standard capture", "own defence", "standard defence"})
    EXPECT_GE(kinds[kind], 2) << kind;
}

TEST(TacticalSuite, LevelFiveSolvesNineInTen) {
  const std::vector<Tactic> tactics = suite();
  const int solved = run_suite(tactics, HAKURO_TACTICS_NODES, std::cout);
  EXPECT_GE(solved * 10, int(tactics.size()) * 9)
      << "level 5 solved " << solved << " of " << tactics.size();
}

}  // namespace
}  // namespace hakuro::tactics
