#include "bgm.h"

#include <cmath>

#include "pluck.h"

namespace hakuro::wavegen {

namespace {

struct Note {
  double beat;
  int midi;
  double amp;
};

// D E G A B (yo scale). Five two-bar phrases, forty beats; the last phrase leads back into
// the first.
constexpr Note kMelody[] = {
    {0, 69, 1}, {1, 71, .8}, {1.5, 69, .7}, {2, 67, .9}, {3, 64, .8}, {4, 62, 1},
    {6, 64, .8}, {7, 67, .8},
    {8, 69, 1}, {9.5, 71, .7}, {10, 74, .9}, {11, 71, .8}, {12, 69, 1}, {15, 67, .7},
    {16, 76, .9}, {17, 74, .8}, {17.5, 71, .7}, {18, 74, .9}, {19, 69, .8}, {20, 71, .9},
    {21, 67, .8}, {22, 69, 1},
    {24, 67, .9}, {25, 69, .8}, {25.5, 67, .7}, {26, 64, .9}, {27, 62, .8}, {28, 64, .9},
    {29.5, 67, .7}, {30, 64, .8}, {31, 62, .8},
    {32, 64, .9}, {33, 67, .8}, {34, 69, 1}, {36, 62, .9}, {39, 64, .6}, {39.5, 67, .7},
};

// Low open fifths under each bar.
constexpr Note kBass[] = {
    {0, 50, 1}, {4, 45, 1}, {8, 43, 1}, {12, 50, 1}, {16, 52, 1},
    {20, 43, 1}, {24, 43, 1}, {28, 45, 1}, {32, 45, 1}, {36, 50, 1},
};

constexpr int kRate = 22050;
constexpr double kBeat = 60.0 / 76;  // seconds, 76 beats a minute
constexpr double kBeats = 40;

double hz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

}  // namespace

// The score is played twice into a longer buffer and the second pass is kept: every tail that
// rings past the end of the loop (strings and room alike) is then heard again at its start,
// so the file joins itself without a seam.
Sound background_music() {
  const auto loop = static_cast<std::size_t>(kBeats * kBeat * kRate);
  std::vector<float> buf(loop * 2, 0.0f);
  Noise noise(0x6b6f746f);
  for (int pass = 0; pass < 2; ++pass) {
    const double offset = pass * kBeats;
    for (const Note& n : kMelody) {
      const auto at = static_cast<std::size_t>((n.beat + offset) * kBeat * kRate);
      add_pluck(buf, kRate, at, hz(n.midi), 0.5 * n.amp, 2.2, 4.0, noise);
    }
    for (const Note& n : kBass) {
      const auto at = static_cast<std::size_t>((n.beat + offset) * kBeat * kRate);
      add_pluck(buf, kRate, at, hz(n.midi), 0.32, 3.5, 5.0, noise);
      add_pluck(buf, kRate, at + kRate / 40, hz(n.midi + 7), 0.16, 3.0, 5.0, noise);
    }
  }
  add_room(buf, kRate, 0.35f);
  Sound s;
  s.rate = kRate;
  s.samples.assign(buf.begin() + static_cast<std::ptrdiff_t>(loop), buf.end());
  normalise(s, 0.6f);
  return s;
}

}  // namespace hakuro::wavegen
