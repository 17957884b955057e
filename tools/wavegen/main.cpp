// Writes the program's four wave files into the folder given (first, plain version).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

constexpr int kRate = 22050;

void write_wave(const std::filesystem::path& path, const std::vector<float>& samples) {
  std::ofstream out(path, std::ios::binary);
  auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4); u32(36 + bytes); out.write("WAVEfmt ", 8);
  u32(16); u16(1); u16(1); u32(kRate); u32(kRate * 2); u16(2); u16(16);
  out.write("data", 4); u32(bytes);
  for (float s : samples) u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32000))));
}

std::vector<float> tone(double freq, double seconds, double decay) {
  std::vector<float> v(static_cast<std::size_t>(seconds * kRate));
  for (std::size_t i = 0; i < v.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    v[i] = static_cast<float>(0.5 * std::sin(2 * M_PI * freq * t) * std::exp(-decay * t));
  }
  return v;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path dir = argc > 1 ? argv[1] : ".";
  write_wave(dir / std::filesystem::u8path("駒打音.wav"), tone(1200, 0.08, 60));
  write_wave(dir / std::filesystem::u8path("禁止.wav"), tone(110, 0.25, 8));
  write_wave(dir / std::filesystem::u8path("その他.wav"), tone(880, 0.6, 5));
  write_wave(dir / std::filesystem::u8path("BGM.wav"), tone(440, 20, 0.2));
  return 0;
}
