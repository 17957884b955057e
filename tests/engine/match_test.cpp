// hakuro-match's games: level 4 beats level 1, a saved game loads move by move, and under the
// standard rules every move is legal and the game ends as those rules end it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "engine/convert.h"
#include "match.h"
#include "record/file.h"
#include "record/fit.h"
#include "stats.h"

namespace hakuro::match {
namespace {

TEST(Match, Level4BeatsLevel1) {
  Options o;
  o.a.level = 4;
  o.b.level = 1;
  o.nodes = 10000;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(play_game(o, i).score_a, 2) << "game " << i;
}

TEST(Match, SavedGamesFitTheRules) {
  Options o;
  o.a.level = 3;  // on the turned board in the first game
  o.b.level = 4;
  o.nodes = 3000;
  for (int i = 0; i < 2; ++i) {
    const GameResult r = play_game(o, i);
    const Parsed parsed = parse_record(record_bytes(o, r));
    ASSERT_TRUE(parsed.ok) << "line " << parsed.bad_line;
    ASSERT_EQ(parsed.record.moves.size(), r.moves.size());
    Game g = scratch_game(start_position());
    for (std::size_t n = 0; n < parsed.record.moves.size(); ++n) {
      ASSERT_TRUE(move_fits(g, parsed.record.moves[n])) << "game " << i << " move " << n + 1;
      play_fitting(g, parsed.record.moves[n]);
    }
    EXPECT_EQ(g.king_taker != TEBAN_NASI, r.reason.find("king") != std::string::npos);
  }
}

TEST(Match, UnderTheStandardRulesEveryMoveIsLegal) {
  Options o;
  o.nodes = 1000;
  o.rules = engine::Rules::standard;
  // Levels 4 and 5, then level 2 (on the turned board in the second game) against level 4.
  for (int i = 0; i < 4; ++i) {
    o.a.level = i < 2 ? 4 : 2;
    o.b.level = i < 2 ? 5 : 4;
    const GameResult r = play_game(o, i);
    Game g = scratch_game(start_position());
    bool top = false;
    auto legal = [&] { return engine::legal_moves(g.pos, top, engine::Rules::standard); };
    for (std::size_t n = 0; n < r.moves.size(); ++n, top = !top) {
      const RecordMove& k = r.moves[n];
      const auto moves = legal();
      ASSERT_TRUE(std::any_of(moves.begin(), moves.end(),
                              [&](const Move& m) {
                                return m.from == k.move.from && m.to == k.move.to &&
                                       m.placed == k.move.placed;
                              }))
          << "game " << i << " move " << n + 1;
      play_fitting(g, k);
    }
    const bool mated = r.reason.find("checkmated") != std::string::npos;
    EXPECT_TRUE(mated || r.reason.find("repetition") != std::string::npos ||
                r.reason.find("perpetual") != std::string::npos ||
                int(r.moves.size()) == MOVE_LIMIT)
        << r.reason;
    EXPECT_EQ(legal().empty(), mated);
  }
}

// USI engines: hakuro-usi plays the own rule refereed (shown each position, its king captures
// made for it) and every move it makes fits the rule; an engine that resigns or answers a move
// it may not make loses.
TEST(Match, UsiEnginesPlayRefereed) {
  Options o;
  o.a.level = 1;
  o.b = *read_player(std::string("usi:") + HAKURO_USI_PROGRAM);
  o.usi_movetime_ms = 30;
  for (int i = 0; i < 2; ++i) {
    // Who wins depends on the engine's time; that a king taken for it is never its own does not.
    const GameResult r = play_game(o, i);
    EXPECT_FALSE(r.reason.find("hakuro-usi") != std::string::npos &&
                 r.reason.find("own king") != std::string::npos)
        << r.reason;
    const Parsed parsed = parse_record(record_bytes(o, r));
    ASSERT_TRUE(parsed.ok);
    Game g = scratch_game(start_position());
    for (const RecordMove& k : parsed.record.moves) {
      ASSERT_TRUE(move_fits(g, k)) << "game " << i;
      play_fitting(g, k);
    }
  }

  const auto dir =
      std::filesystem::temp_directory_path() / ("hakuro-match-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  auto engine = [&](const std::string& name, const std::string& answer) {
    const auto p = dir / name;
    std::ofstream(p) << "#!/bin/sh\nwhile read cmd rest; do case \"$cmd\" in\n"
                        "usi) echo 'id name Fake'; echo usiok ;;\n"
                        "isready) echo readyok ;;\n"
                        "go) echo '"
                     << answer << "' ;;\nesac; done\n";
    std::filesystem::permissions(p, std::filesystem::perms::owner_all);
    return *read_player("usi:" + p.string());
  };
  o.a.level = 3;
  o.b = engine("resigner", "bestmove resign");
  GameResult r = play_game(o, 0);
  EXPECT_EQ(r.score_a, 2);
  EXPECT_EQ(r.reason, "resigner (top) resigned");
  o.b = engine("cheat", "bestmove 5i5a");
  r = play_game(o, 1);
  EXPECT_EQ(r.score_a, 2);
  EXPECT_EQ(r.reason, "cheat (bottom) played an illegal move 5i5a");
  std::filesystem::remove_all(dir);
}

// The Elo line is finite whatever the score: a score of 0 or 1 gives the interval's bound.
TEST(Match, TheEloLineIsAlwaysFinite) {
  EXPECT_EQ(elo_line({92, 8, 0}), "Elo difference: 424.3 +/- 149.2");
  EXPECT_EQ(elo_line({100, 0, 0}), "Elo difference: >= 566.2 (95% bound; every game won)");
  EXPECT_EQ(elo_line({0, 100, 0}), "Elo difference: <= -566.2 (95% bound; every game lost)");
  for (const Tally t : {Tally{99, 1, 0}, Tally{0, 3, 1}, Tally{1, 0, 0}, Tally{0, 0, 5}, Tally{}}) {
    const std::string line = elo_line(t);
    EXPECT_EQ(line.find("inf"), std::string::npos) << line;
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace hakuro::match
