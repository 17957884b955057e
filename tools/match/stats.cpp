#include "stats.h"

#include <cmath>
#include <cstdio>

namespace hakuro::match {

namespace {

double elo(double score) { return -400.0 * std::log10(1.0 / score - 1.0); }

}  // namespace

double Tally::score() const {
  return games() ? (wins + 0.5 * draws) / games() : 0.5;
}

std::string score_line(const std::string& a, const std::string& b, const Tally& t) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "Score of %s vs %s: %d - %d - %d  [%.3f] %d", a.c_str(), b.c_str(),
                t.wins, t.losses, t.draws, t.score(), t.games());
  return buf;
}

// The margin is that of the mean score per game (1, 0.5 or 0) at 1.96 standard errors, each end
// turned into Elo; a score of 0 or 1 has no finite difference.
std::string elo_line(const Tally& t) {
  const int n = t.games();
  const double mu = t.score();
  double var = 0;
  if (n > 0)
    var = (t.wins * std::pow(1 - mu, 2) + t.losses * std::pow(mu, 2) +
           t.draws * std::pow(0.5 - mu, 2)) / n;
  const double se = n > 0 ? std::sqrt(var / n) : 0;
  const double lo = mu - 1.96 * se, hi = mu + 1.96 * se;
  char buf[120];
  if (mu <= 0 || mu >= 1) {
    std::snprintf(buf, sizeof buf, "Elo difference: %s +/- nan", mu >= 1 ? "inf" : "-inf");
  } else {
    const double margin = (lo <= 0 || hi >= 1) ? INFINITY : (elo(hi) - elo(lo)) / 2;
    std::snprintf(buf, sizeof buf, "Elo difference: %.1f +/- %.1f", elo(mu), margin);
  }
  return buf;
}

}  // namespace hakuro::match
