#include "fit.h"

#include <cmath>
#include <sstream>

#include "engine/king_relation.h"

namespace hakuro::tune {

namespace {

double evaluation(const Samples& s, const Sample& x, const std::vector<double>& w) {
  double v = x.fixed;
  for (uint32_t i = x.first; i < x.end; ++i) {
    const int f = s.features[i];
    v += f > 0 ? w[std::size_t(f - 1)] : -w[std::size_t(-f - 1)];
  }
  return v;
}

// Each table's weights shifted to average 0 over the pieces seen (the places never seen keep their
// weights), so that the relations say where a
// piece stands well and leave what it is worth to the pieces' weights.
void center(std::vector<double>& w, const std::vector<double>& seen) {
  const std::size_t block = engine::relation::PLACE_N;
  for (std::size_t b = 0; b + block <= w.size(); b += block) {
    double sum = 0, count = 0;
    for (std::size_t i = b; i < b + block; ++i) {
      sum += seen[i] * w[i];
      count += seen[i];
    }
    if (count == 0) continue;
    for (std::size_t i = b; i < b + block; ++i)
      if (seen[i] > 0) w[i] -= sum / count;
  }
}

}  // namespace

double expected(double v, double scale) { return 1 / (1 + std::exp(-scale * v)); }

double loss(const Samples& s, const std::vector<double>& w, double scale) {
  if (s.list.empty()) return 0;
  double total = 0;
  for (const Sample& x : s.list) {
    const double p = std::clamp(expected(evaluation(s, x, w), scale), 1e-9, 1 - 1e-9);
    total -= x.result * std::log(p) + (1 - x.result) * std::log(1 - p);
  }
  return total / double(s.list.size());
}

double fit_scale(const Samples& s, const std::vector<double>& w) {
  // The loss is convex in the scale: golden-section search over a wide bracket.
  double lo = 1e-5, hi = 0.05;
  const double g = (std::sqrt(5.0) - 1) / 2;
  for (int i = 0; i < 60; ++i) {
    const double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
    if (loss(s, w, a) < loss(s, w, b)) hi = b;
    else lo = a;
  }
  return (lo + hi) / 2;
}

std::vector<double> fit_weights(const Samples& s, std::vector<double> w, double scale,
                                const FitOptions& o) {
  const std::size_t n = w.size();
  std::vector<double> m(n), v(n), grad(n), seen(n);
  for (const int f : s.features) seen[std::size_t(std::abs(f) - 1)] += 1;
  const double b1 = 0.9, b2 = 0.999;
  for (int epoch = 1; epoch <= o.epochs; ++epoch) {
    std::fill(grad.begin(), grad.end(), 0.0);
    for (const Sample& x : s.list) {
      // The cross-entropy's slope in the evaluation.
      const double d = (expected(evaluation(s, x, w), scale) - x.result) * scale;
      for (uint32_t i = x.first; i < x.end; ++i) {
        const int f = s.features[i];
        if (f > 0) grad[std::size_t(f - 1)] += d;
        else grad[std::size_t(-f - 1)] -= d;
      }
    }
    const double count = double(std::max<std::size_t>(1, s.list.size()));
    for (std::size_t i = 0; i < n; ++i) {
      const double gi = grad[i] / count + 2 * o.shrink * w[i];
      m[i] = b1 * m[i] + (1 - b1) * gi;
      v[i] = b2 * v[i] + (1 - b2) * gi * gi;
      const double mh = m[i] / (1 - std::pow(b1, epoch)), vh = v[i] / (1 - std::pow(b2, epoch));
      w[i] -= o.rate * mh / (std::sqrt(vh) + 1e-12);
    }
    center(w, seen);
  }
  return w;
}

std::string table_header(const std::vector<double>& w) {
  namespace rel = engine::relation;
  static const char* const whose[] = {"its own king", "the opponent's king"};
  static const char* const groups[] = {"pawn",   "lance", "knight", "silver", "gold and promoted",
                                       "bishop", "rook",  "horse",  "dragon"};
  std::ostringstream out;
  out << "// Written by hakuro-tune: the worth of a piece by where it stands against the kings\n"
         "// (king_relation.h), in hundredths of a pawn. Each group's rows are columns away from\n"
         "// the king, 0 to "
      << rel::REACH << "; each row runs from " << rel::REACH << " rows behind the king to "
      << rel::REACH
      << " ahead,\n// seen from the piece's owner.\n#pragma once\n\n"
         "#include \"engine/king_relation.h\"\n\n"
         "namespace hakuro::engine::weights {\n\n"
         "// clang-format off\n"
         "inline constexpr relation::Table RELATION = {{\n";
  std::size_t i = 0;
  for (int k = 0; k < 2; ++k) {
    out << "  {{  // against " << whose[k] << '\n';
    for (int g = 0; g < rel::GROUP_N; ++g) {
      out << "    {{  // " << groups[g] << '\n';
      for (int dx = 0; dx <= rel::REACH; ++dx) {
        out << "      ";
        for (int r = 0; r < rel::ROWS; ++r) {
          out << std::lround(w[i++]) << ',';
          if (r + 1 < rel::ROWS) out << ' ';
        }
        out << '\n';
      }
      out << "    }},\n";
    }
    out << "  }},\n";
  }
  out << "}};\n// clang-format on\n\n}  // namespace hakuro::engine::weights\n";
  return out.str();
}

}  // namespace hakuro::tune
