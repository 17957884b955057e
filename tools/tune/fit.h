// Texel's method on a linear term: the weights of the king relations that make the evaluation
// best foretell the games' results, through a logistic curve of the evaluation.
#pragma once

#include <string>
#include <vector>

#include "samples.h"

namespace hakuro::tune {

// The expected score for the bottom player of evaluation v (bottom's view, centipawns).
double expected(double v, double scale);

// The samples' mean cross-entropy of result against expectation, with weights w on their
// features.
double loss(const Samples& s, const std::vector<double>& w, double scale);

// The curve's scale that fits the evaluation as it stands (weights w) best.
double fit_scale(const Samples& s, const std::vector<double>& w);

struct FitOptions {
  int epochs = 300;
  double rate = 2.0;     // Adam's step, centipawns
  double shrink = 1e-9;  // pull of each weight towards 0, against features seldom seen
};

// The weights, from w, after `epochs` full passes of Adam.
std::vector<double> fit_weights(const Samples& s, std::vector<double> w, double scale,
                                const FitOptions& o);

// The weights as relation_weights.h, rounded to whole centipawns.
std::string table_header(const std::vector<double>& w);

}  // namespace hakuro::tune
