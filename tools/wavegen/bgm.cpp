#include "bgm.h"

#include <cmath>
#include <numbers>

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
    {0, 69, 1},     {1, 71, .8},  {1.5, 69, .7}, {2, 67, .9},   {3, 64, .8},    {4, 62, 1},
    {6, 64, .8},    {7, 67, .8},  {8, 69, 1},    {9.5, 71, .7}, {10, 74, .9},   {11, 71, .8},
    {12, 69, 1},    {15, 67, .7}, {16, 76, .9},  {17, 74, .8},  {17.5, 71, .7}, {18, 74, .9},
    {19, 69, .8},   {20, 71, .9}, {21, 67, .8},  {22, 69, 1},   {24, 67, .9},   {25, 69, .8},
    {25.5, 67, .7}, {26, 64, .9}, {27, 62, .8},  {28, 64, .9},  {29.5, 67, .7}, {30, 64, .8},
    {31, 62, .8},   {32, 64, .9}, {33, 67, .8},  {34, 69, 1},   {36, 62, .9},   {39, 64, .6},
    {39.5, 67, .7},
};

// Low open fifths under each bar.
constexpr Note kBass[] = {
    {0, 50, 1},  {4, 45, 1},  {8, 43, 1},  {12, 50, 1}, {16, 52, 1},
    {20, 43, 1}, {24, 43, 1}, {28, 45, 1}, {32, 45, 1}, {36, 50, 1},
};

constexpr int kRate = 22050;
constexpr double kBeat = 60.0 / 76;  // seconds, 76 beats a minute
constexpr double kBeats = 40;
// The first note sounds this long after the start of the file, so the loop's joint never
// falls on an attack.
constexpr double kLead = 0.1;

double hz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

std::size_t at(double beat) { return static_cast<std::size_t>((kLead + beat * kBeat) * kRate); }

// A soft sustained D–A fifth that swells and ebbs four times a loop. Every partial makes a
// whole number of turns in the loop, so the drone joins itself exactly.
void add_drone(std::vector<float>& buf) {
  const double loop = static_cast<double>(buf.size());
  const double turns_per_sample = 2 * std::numbers::pi / loop;
  struct Partial {
    int midi;
    double amp;
  };
  constexpr Partial kPartials[] = {{38, .05}, {45, .035}, {50, .02}, {57, .01}};
  for (const Partial& p : kPartials) {
    const double turns = std::round(hz(p.midi) * loop / kRate);
    for (std::size_t i = 0; i < buf.size(); ++i) {
      const double swell = 0.75 + 0.25 * std::sin(4 * turns_per_sample * i);
      buf[i] += static_cast<float>(p.amp * swell * std::sin(turns * turns_per_sample * i));
    }
  }
}

}  // namespace

// One pass of the score into a buffer exactly one loop long: the tails ringing past the end
// (strings and room alike) are heard again at the start, so the file joins itself without a
// seam.
Sound background_music() {
  Sound s;
  s.rate = kRate;
  s.samples.assign(static_cast<std::size_t>(kBeats * kBeat * kRate), 0.0f);
  Noise noise(0x6b6f746f);
  for (const Note& n : kMelody)
    add_pluck(s.samples, kRate, at(n.beat), hz(n.midi), 0.5 * n.amp, 2.2, 4.0, noise);
  for (const Note& n : kBass) {
    add_pluck(s.samples, kRate, at(n.beat), hz(n.midi), 0.32, 3.5, 5.0, noise);
    add_pluck(s.samples, kRate, at(n.beat) + kRate / 40, hz(n.midi + 7), 0.16, 3.0, 5.0, noise);
  }
  add_drone(s.samples);
  add_room(s.samples, kRate, 0.35f);
  normalise(s, 0.6f);
  return s;
}

}  // namespace hakuro::wavegen
