// The whole-wave-file check every wave file passes before it reaches the sound library.
#include <cstddef>
#include <cstdint>

#include "sound/wave_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  hakuro::whole_wave(data, size);
  return 0;
}
