// A match's score and the Elo difference it implies, with the 95% margin.
#pragma once

#include <string>

namespace hakuro::match {

struct Tally {
  int wins = 0, losses = 0, draws = 0;
  int games() const { return wins + losses + draws; }
  double score() const;  // 0..1, a draw counting half
};

// "Score of LEVEL5 vs LEVEL3: W - L - D  [0.920] 200"
std::string score_line(const std::string& a, const std::string& b, const Tally& t);
// "Elo difference: 424.3 +/- 60.1"; when one side won every game, the bound of the 95% interval:
// "Elo difference: >= 566.2 (95% bound; every game won)" (or "<= -566.2 … every game lost").
std::string elo_line(const Tally& t);

}  // namespace hakuro::match
