// The window's sound library: the program's calls passed straight to ours. The program
// terminates it only as it ends, and then leaves the device for the process's end to close, so
// that the window closes without waiting for the sound system.
#pragma once

#include "platform/ports.h"
#include "sound/dsound.h"

namespace hakuro {

class SdlSoundLibrary : public SoundLibrary {
 public:
  std::int32_t dsInitialize(std::int32_t window) override { return ::dsInitialize(window); }
  std::int32_t dsTerminate(std::int32_t library) override { return ::dsAbandon(library); }
  std::int32_t dsCreateDSB(std::int32_t library, const unsigned char* data, std::size_t size,
                           std::int32_t count) override {
    return ::dsCreateDSB(library, data, size, count);
  }
  std::int32_t dsFree(std::int32_t buffer) override { return ::dsFree(buffer); }
  std::int32_t dsPlay(std::int32_t buffer) override { return ::dsPlay(buffer); }
  std::int32_t dsPlayLooping(std::int32_t buffer) override { return ::dsPlayLooping(buffer); }
  std::int32_t dsStop(std::int32_t buffer) override { return ::dsStop(buffer); }
};

}  // namespace hakuro
