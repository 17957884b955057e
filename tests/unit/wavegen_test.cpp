// The synthesised wave files in the build's run folder, and the check that keeps anything but a
// whole wave file away from the sound library.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sound/wave_check.h"

namespace hakuro {

namespace {

using Bytes = std::vector<unsigned char>;

// The run folder lies beside the tests folder that holds this binary.
Bytes read_wave(const std::string& utf8_name) {
  const auto dir =
      std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "run";
  std::ifstream in(dir / std::filesystem::u8path(utf8_name), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Pcm {
  std::uint32_t rate = 0;
  std::vector<int> samples;
};

// Our files are 16-bit mono PCM with the plain 44-byte header.
Pcm decode(const Bytes& b) {
  Pcm p;
  EXPECT_TRUE(whole_wave(b.data(), b.size()));
  if (b.size() < 44) return p;
  EXPECT_EQ(little_endian(&b[4], 4), b.size() - 8);
  EXPECT_EQ(little_endian(&b[20], 2), 1u);  // PCM
  EXPECT_EQ(little_endian(&b[22], 2), 1u);  // mono
  EXPECT_EQ(little_endian(&b[34], 2), 16u);
  EXPECT_EQ(little_endian(&b[40], 4), b.size() - 44);
  p.rate = little_endian(&b[24], 4);
  for (std::size_t i = 44; i + 1 < b.size(); i += 2)
    p.samples.push_back(static_cast<std::int16_t>(little_endian(&b[i], 2)));
  return p;
}

double seconds(const Pcm& p) { return p.rate ? double(p.samples.size()) / p.rate : 0; }

TEST(WaveFiles, AreMonoPcmOfTheRightLengths) {
  struct Want {
    const char* name;
    double min_s, max_s;
  } const wants[] = {{"駒打音.wav", 0.08, 0.15},
                     {"禁止.wav", 0.2, 0.3},
                     {"その他.wav", 0.5, 2.0},
                     {"BGM.wav", 20, 40}};
  for (const Want& w : wants) {
    SCOPED_TRACE(w.name);
    const Pcm p = decode(read_wave(w.name));
    EXPECT_TRUE(p.rate == 22050 || p.rate == 44100);
    EXPECT_GE(seconds(p), w.min_s);
    EXPECT_LE(seconds(p), w.max_s);
    // Loud enough to hear, never clipped, and no click at the end of a short effect.
    const auto [lo, hi] = std::minmax_element(p.samples.begin(), p.samples.end());
    ASSERT_NE(lo, p.samples.end());
    EXPECT_GT(std::max(-*lo, *hi), 8000);
    EXPECT_LT(std::max(-*lo, *hi), 32000);
    if (std::string(w.name) != "BGM.wav") {
      EXPECT_LT(std::abs(p.samples.back()), 100);
    }
  }
}

TEST(WaveFiles, MusicJoinsItselfWithoutASeam) {
  const Pcm p = decode(read_wave("BGM.wav"));
  ASSERT_EQ(p.rate, 22050u);
  std::vector<int> steps;
  for (std::size_t i = 1; i < p.samples.size(); ++i)
    steps.push_back(std::abs(p.samples[i] - p.samples[i - 1]));
  std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
  const int usual = steps[steps.size() * 99 / 100];
  const int seam = std::abs(p.samples.front() - p.samples.back());
  EXPECT_LT(seam, 1600);  // under 5 % of full scale
  EXPECT_LE(seam, usual);
  // Notes ringing at the end go on at the start: the level holds across the joint.
  const std::size_t n = 1000;
  const auto level = [&](std::size_t from) {
    double sum = 0;
    for (std::size_t i = from; i < from + n; ++i) sum += double(p.samples[i]) * p.samples[i];
    return std::sqrt(sum / n);
  };
  EXPECT_NEAR(level(0), level(p.samples.size() - n), 0.05 * level(0));
}

TEST(WaveCheck, AcceptsOnlyWholeWaveFiles) {
  const Bytes good = read_wave("禁止.wav");
  ASSERT_GT(good.size(), 100u);
  EXPECT_TRUE(whole_wave(good.data(), good.size()));

  EXPECT_FALSE(whole_wave(nullptr, 100));
  EXPECT_FALSE(whole_wave(good.data(), 0));
  // Cut short inside the header, at the data chunk's header, and inside the samples.
  for (std::size_t cut : {11u, 30u, 40u, 44u, 45u}) EXPECT_FALSE(whole_wave(good.data(), cut));
  EXPECT_FALSE(whole_wave(good.data(), good.size() - 1));

  Bytes huge = good;  // a data chunk claiming four gigabytes
  huge[40] = huge[41] = huge[42] = huge[43] = 0xff;
  EXPECT_FALSE(whole_wave(huge.data(), huge.size()));
  Bytes no_fmt = good;
  no_fmt[12] = 'X';
  EXPECT_FALSE(whole_wave(no_fmt.data(), no_fmt.size()));
  Bytes garbage(64, 0x5a);
  std::copy_n("RIFF", 4, garbage.begin());
  EXPECT_FALSE(whole_wave(garbage.data(), garbage.size()));
}

}  // namespace

}  // namespace hakuro
