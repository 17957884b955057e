// Whether a block of bytes holds a whole RIFF/WAVE file: read before any of it goes to SDL, so a
// cut-short or foreign file is refused instead of half played.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace hakuro {

inline std::uint32_t little_endian(const unsigned char* p, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

// True when `data` holds "RIFF" … "WAVE" with a usable "fmt " chunk followed by a non-empty
// "data" chunk, every chunk up to and including the data lying wholly within `size` bytes.
inline bool whole_wave(const unsigned char* data, std::size_t size) {
  if (data == nullptr || size < 12) return false;
  if (std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) return false;
  bool fmt = false;
  for (std::size_t at = 12; at + 8 <= size;) {
    const unsigned char* chunk = data + at;
    const std::uint32_t len = little_endian(chunk + 4, 4);
    if (len > size - at - 8) return false;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      fmt = len >= 16 && little_endian(chunk + 10, 2) > 0 && little_endian(chunk + 12, 4) > 0 &&
            little_endian(chunk + 20, 2) > 0 && little_endian(chunk + 22, 2) > 0;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      return fmt && len > 0;
    }
    at += 8 + len + (len & 1);  // chunks are padded to an even length
  }
  return false;
}

}  // namespace hakuro
