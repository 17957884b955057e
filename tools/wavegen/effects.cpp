#include "effects.h"

#include <cmath>
#include <numbers>

namespace hakuro::wavegen {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

Sound silence(int rate, double seconds) {
  Sound s;
  s.rate = rate;
  s.samples.assign(static_cast<std::size_t>(rate * seconds), 0.0f);
  return s;
}

// A decaying sine partial added from sample `start` on.
void add_partial(Sound& s, std::size_t start, double hz, double amp, double decay_s,
                 double attack_s = 0.0005) {
  for (std::size_t i = start; i < s.samples.size(); ++i) {
    const double t = static_cast<double>(i - start) / s.rate;
    const double env = std::min(1.0, t / attack_s) * std::exp(-t / decay_s);
    s.samples[i] += static_cast<float>(amp * env * std::sin(kTwoPi * hz * t));
  }
}

}  // namespace

Sound piece_click() {
  Sound s = silence(44100, 0.2);
  // The hard wood's few inharmonic modes ring only for milliseconds.
  add_partial(s, 0, 170, 0.35, 0.020);
  add_partial(s, 0, 640, 0.55, 0.016);
  add_partial(s, 0, 1390, 0.45, 0.011);
  add_partial(s, 0, 2530, 0.30, 0.007);
  add_partial(s, 0, 3870, 0.18, 0.004);
  // The contact itself: a brief burst of high noise.
  Noise noise(0x5eed);
  float last = 0;
  for (std::size_t i = 0; i < 220; ++i) {
    const float n = noise.next();
    const double env = std::exp(-static_cast<double>(i) / 40.0);
    s.samples[i] += static_cast<float>(0.6 * env) * (n - last);
    last = n;
  }
  normalise(s, 0.85f);
  return s;
}

Sound refusal_buzz() {
  Sound s = silence(44100, 0.32);
  const double len = static_cast<double>(s.samples.size()) / s.rate;
  for (std::size_t i = 0; i < s.samples.size(); ++i) {
    const double t = static_cast<double>(i) / s.rate;
    double v = 0;
    // Band-limited square waves at two slightly different pitches give the rasp.
    for (int k = 1; k * 103.0 < 4000; k += 2)
      v += (std::sin(kTwoPi * k * 98.0 * t) + 0.6 * std::sin(kTwoPi * k * 103.0 * t)) / k;
    const double env = std::min(1.0, t / 0.006) * std::min(1.0, (len - t) / 0.05);
    s.samples[i] = static_cast<float>(v * env);
  }
  normalise(s, 0.5f);
  return s;
}

Sound chime() {
  Sound s = silence(44100, 1.5);
  const double notes[2] = {783.99, 1046.50};  // G5, then C6
  for (int n = 0; n < 2; ++n) {
    const auto start = static_cast<std::size_t>(n * 0.17 * s.rate);
    add_partial(s, start, notes[n], 0.50, 0.42, 0.004);
    add_partial(s, start, notes[n] * 2.0, 0.12, 0.20, 0.004);
    add_partial(s, start, notes[n] * 3.01, 0.04, 0.10, 0.004);
  }
  // Close the file on a clean zero.
  const std::size_t fade = 2000;
  for (std::size_t i = 0; i < fade; ++i)
    s.samples[s.samples.size() - 1 - i] *= static_cast<float>(i) / fade;
  normalise(s, 0.45f);
  return s;
}

}  // namespace hakuro::wavegen
