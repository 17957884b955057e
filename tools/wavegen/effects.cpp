#include "effects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace hakuro::wavegen {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kRate = 44100;

Sound silence(double seconds) {
  Sound s;
  s.rate = kRate;
  s.samples.assign(static_cast<std::size_t>(kRate * seconds), 0.0f);
  return s;
}

// A decaying sine partial added from sample `start` on.
void add_partial(Sound& s, std::size_t start, double hz, double amp, double decay_s,
                 double attack_s) {
  for (std::size_t i = start; i < s.samples.size(); ++i) {
    const double t = static_cast<double>(i - start) / s.rate;
    const double env = std::min(1.0, t / attack_s) * std::exp(-t / decay_s);
    s.samples[i] += static_cast<float>(amp * env * std::sin(kTwoPi * hz * t));
  }
}

// A two-pole resonator: one mode of the wooden body, ringing at hz and dying away with time
// constant decay_s once struck.
void add_mode(Sound& s, const std::vector<float>& strike, double hz, double gain, double decay_s) {
  const double r = std::exp(-1.0 / (decay_s * s.rate));
  const double a1 = 2 * r * std::cos(kTwoPi * hz / s.rate), a2 = -r * r;
  const double norm = (1 - r) * gain;  // keeps the modes comparable across frequencies
  double y1 = 0, y2 = 0;
  for (std::size_t i = 0; i < s.samples.size(); ++i) {
    const double y = a1 * y1 + a2 * y2 + norm * strike[i];
    y2 = y1;
    y1 = y;
    s.samples[i] += static_cast<float>(y);
  }
}

// Ends the sound on a clean zero.
void fade_out(Sound& s, double seconds) {
  const auto n = std::min(s.samples.size(), static_cast<std::size_t>(seconds * s.rate));
  for (std::size_t i = 0; i < n; ++i)
    s.samples[s.samples.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(n);
}

}  // namespace

Sound piece_click() {
  Sound s = silence(0.13);
  // The contact: a quarter-millisecond push of the piece with a rough, dulled edge of noise.
  Noise noise(0x5eed);
  std::vector<float> strike(s.samples.size(), 0.0f);
  const std::size_t push = 9;
  float dull = 0;
  for (std::size_t i = 0; i < 150; ++i) {
    dull += 0.7f * (noise.next() - dull);
    const double rough = std::exp(-static_cast<double>(i) / 30.0) * dull;
    const double body = i < push ? std::sin(std::numbers::pi * i / push) : 0.0;
    strike[i] = static_cast<float>(body + 1.2 * rough);
  }
  // The hard wood of board and piece: a few inharmonic modes ringing only for milliseconds,
  // the board's low knock the longest.
  add_mode(s, strike, 240, 0.35, 0.016);
  add_mode(s, strike, 610, 0.8, 0.011);
  add_mode(s, strike, 1130, 1.6, 0.008);
  add_mode(s, strike, 1870, 2.2, 0.006);
  add_mode(s, strike, 2940, 2.4, 0.004);
  add_mode(s, strike, 4300, 2.0, 0.003);
  for (std::size_t i = 0; i < strike.size(); ++i) s.samples[i] += 0.15f * strike[i];
  fade_out(s, 0.02);
  normalise(s, 0.85f);
  return s;
}

Sound refusal_buzz() {
  Sound s = silence(0.25);
  const double len = static_cast<double>(s.samples.size()) / s.rate;
  for (std::size_t i = 0; i < s.samples.size(); ++i) {
    const double t = static_cast<double>(i) / s.rate;
    double v = 0;
    // Two dull square waves a semitone apart: low, rough and plainly "no".
    for (int k = 1; k * 116.5 < 3000; k += 2) {
      const double soft = 1.0 / (k * (1.0 + k * 110.0 / 900.0));
      v += soft * (std::sin(kTwoPi * k * 110.0 * t) + 0.6 * std::sin(kTwoPi * k * 116.5 * t));
    }
    const double env =
        std::min(1.0, t / 0.006) * std::min(1.0, (len - t) / 0.06) * (1.0 - 0.3 * t / len);
    s.samples[i] = static_cast<float>(v * env);
  }
  normalise(s, 0.5f);
  return s;
}

Sound chime() {
  Sound s = silence(1.4);
  const double notes[2] = {783.99, 1046.50};  // G5, then C6
  for (int n = 0; n < 2; ++n) {
    const auto start = static_cast<std::size_t>(n * 0.17 * s.rate);
    add_partial(s, start, notes[n], 0.50, 0.42, 0.004);
    add_partial(s, start, notes[n] * 1.003, 0.10, 0.42, 0.004);  // a slow shimmer
    add_partial(s, start, notes[n] * 2.0, 0.12, 0.20, 0.004);
    add_partial(s, start, notes[n] * 3.01, 0.04, 0.10, 0.004);
  }
  fade_out(s, 0.05);
  normalise(s, 0.45f);
  return s;
}

}  // namespace hakuro::wavegen
