#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "sound/dsound.h"

namespace hakuro {

namespace {

std::vector<unsigned char> read_all(const char* name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SoundLibrary, LoadsOurWavesAndRefusesAnythingElse) {
  // SDL's silent driver stands in for a sound card.
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const std::int32_t lib = dsInitialize(1);
  ASSERT_NE(lib, 0);
  std::vector<std::int32_t> buffers;
  for (const char* name : {"駒打音.wav", "禁止.wav", "その他.wav", "BGM.wav"}) {
    const std::vector<unsigned char> bytes = read_all(name);
    ASSERT_FALSE(bytes.empty()) << name;
    buffers.push_back(dsCreateDSB(lib, bytes.data(), bytes.size(), 3));
    EXPECT_NE(buffers.back(), 0) << name;
    // Cut short inside the header, or not a wave at all: no buffer.
    EXPECT_EQ(dsCreateDSB(lib, bytes.data(), 30, 3), 0);
  }
  const unsigned char junk[64] = {'R', 'I', 'F', 'F', 0xff, 0xff, 0xff, 0x7f};
  EXPECT_EQ(dsCreateDSB(lib, junk, sizeof junk, 1), 0);
  EXPECT_EQ(dsCreateDSB(lib, nullptr, 10, 1), 0);
  EXPECT_EQ(dsCreateDSB(0, junk, sizeof junk, 1), 0);

  EXPECT_NE(dsPlay(buffers[0]), 0);
  EXPECT_NE(dsPlayLooping(buffers[3]), 0);
  EXPECT_NE(dsStop(buffers[3]), 0);
  EXPECT_EQ(dsPlay(0), 0);
  EXPECT_EQ(dsPlay(9999), 0);
  EXPECT_NE(dsFree(buffers[0]), 0);
  EXPECT_EQ(dsPlay(buffers[0]), 0);  // freed
  EXPECT_EQ(dsFree(buffers[0]), 0);
  EXPECT_NE(dsTerminate(lib), 0);
  EXPECT_EQ(dsPlay(buffers[1]), 0);  // everything went with the library
}

// At the program's end the window silences and frees everything without waiting for the device.
TEST(SoundLibrary, AbandoningItAtTheEndStopsAndFreesEverything) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const std::int32_t lib = dsInitialize(1);
  ASSERT_NE(lib, 0);
  const std::vector<unsigned char> bytes = read_all("BGM.wav");
  const std::int32_t bgm = dsCreateDSB(lib, bytes.data(), bytes.size(), 1);
  ASSERT_NE(dsPlayLooping(bgm), 0);
  EXPECT_NE(dsAbandon(lib), 0);
  EXPECT_EQ(dsStop(bgm), 0);
  EXPECT_EQ(dsCreateDSB(lib, bytes.data(), bytes.size(), 1), 0);
  EXPECT_EQ(dsAbandon(lib), 0);
}

}  // namespace

}  // namespace hakuro
