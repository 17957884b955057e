#include "wave.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace hakuro::wavegen {

float Noise::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ >> 8) / 8388608.0f - 1.0f;
}

void normalise(Sound& s, float peak) {
  float top = 0;
  for (float v : s.samples) top = std::max(top, std::fabs(v));
  if (top <= 0) return;
  for (float& v : s.samples) v *= peak / top;
}

namespace {

void put16(std::ofstream& out, std::uint16_t v) {
  const char b[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
  out.write(b, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
  put16(out, static_cast<std::uint16_t>(v & 0xffff));
  put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

bool write_wave(const std::filesystem::path& path, const Sound& s) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const auto data_bytes = static_cast<std::uint32_t>(s.samples.size() * 2);
  const auto rate = static_cast<std::uint32_t>(s.rate);
  out.write("RIFF", 4);
  put32(out, 36 + data_bytes);
  out.write("WAVEfmt ", 8);
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, 1);  // mono
  put32(out, rate);
  put32(out, rate * 2);
  put16(out, 2);
  put16(out, 16);
  out.write("data", 4);
  put32(out, data_bytes);
  for (float v : s.samples) {
    const float c = std::clamp(v, -1.0f, 1.0f);
    put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(c * 32767.0f))));
  }
  return static_cast<bool>(out);
}

}  // namespace hakuro::wavegen
