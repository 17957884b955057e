#include "stats.h"

#include <cmath>
#include <cstdio>

namespace hakuro::match {

namespace {

constexpr double Z = 1.96;  // 95%

double elo(double score) { return -400.0 * std::log10(1.0 / score - 1.0); }

// The Wilson interval of a score of mu over n games: inside (0, 1) at both ends unless the score
// is 0 or 1 itself.
void wilson(double mu, int n, double& lo, double& hi) {
  const double z2n = Z * Z / n;
  const double centre = (mu + z2n / 2) / (1 + z2n);
  const double half = Z / (1 + z2n) * std::sqrt(mu * (1 - mu) / n + z2n / (4.0 * n));
  lo = centre - half;
  hi = centre + half;
}

}  // namespace

double Tally::score() const { return games() ? (wins + 0.5 * draws) / games() : 0.5; }

std::string score_line(const std::string& a, const std::string& b, const Tally& t) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "Score of %s vs %s: %d - %d - %d  [%.3f] %d", a.c_str(), b.c_str(),
                t.wins, t.losses, t.draws, t.score(), t.games());
  return buf;
}

// The margin is that of the mean score per game (1, 0.5 or 0) at 1.96 standard errors, each end
// turned into Elo. Where that interval reaches 0 or 1 (a score near either), the Wilson interval
// stands in for it, which stays inside. A score of 0 or 1 has no finite difference: the line then
// gives the bound the Wilson interval sets.
std::string elo_line(const Tally& t) {
  const int n = t.games();
  const double mu = t.score();
  char buf[120];
  if (n > 0 && (mu <= 0 || mu >= 1)) {
    double lo, hi;
    wilson(mu, n, lo, hi);
    if (mu >= 1)
      std::snprintf(buf, sizeof buf, "Elo difference: >= %.1f (95%% bound; every game won)",
                    elo(lo));
    else
      std::snprintf(buf, sizeof buf, "Elo difference: <= %.1f (95%% bound; every game lost)",
                    elo(hi));
    return buf;
  }
  double var = 0;
  if (n > 0)
    var = (t.wins * std::pow(1 - mu, 2) + t.losses * std::pow(mu, 2) +
           t.draws * std::pow(0.5 - mu, 2)) /
          n;
  const double se = n > 0 ? std::sqrt(var / n) : 0;
  double lo = mu - Z * se, hi = mu + Z * se;
  if (lo <= 0 || hi >= 1) wilson(mu, n, lo, hi);
  std::snprintf(buf, sizeof buf, "Elo difference: %.1f +/- %.1f", elo(mu), (elo(hi) - elo(lo)) / 2);
  return buf;
}

}  // namespace hakuro::match
