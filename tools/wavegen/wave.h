// Mono sample buffers and the 16-bit PCM wave files written from them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace hakuro::wavegen {

struct Sound {
  int rate = 44100;
  std::vector<float> samples;
};

// A deterministic noise source (xorshift), so every build writes the same files.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
  // Uniform in [-1, 1).
  float next();

 private:
  std::uint32_t state_;
};

// Scales the sound so that its loudest sample has magnitude peak.
void normalise(Sound& s, float peak);

// Writes a 16-bit mono PCM wave file; false when the file cannot be written.
bool write_wave(const std::filesystem::path& path, const Sound& s);

}  // namespace hakuro::wavegen
