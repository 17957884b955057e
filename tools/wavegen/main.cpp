// hakuro-wavegen FOLDER: writes the program's four wave files into FOLDER.
#include <cstdio>
#include <filesystem>

#include "bgm.h"
#include "effects.h"

int main(int argc, char** argv) {
  using namespace hakuro::wavegen;
  if (argc != 2) {
    std::fprintf(stderr, "usage: hakuro-wavegen FOLDER\n");
    return 2;
  }
  const std::filesystem::path dir(argv[1]);
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  struct Out {
    const char8_t* name;
    Sound sound;
  };
  const Out outs[] = {
      {u8"駒打音.wav", piece_click()},
      {u8"禁止.wav", refusal_buzz()},
      {u8"その他.wav", chime()},
      {u8"BGM.wav", background_music()},
  };
  for (const Out& o : outs) {
    if (!write_wave(dir / std::filesystem::path(o.name), o.sound)) {
      std::fprintf(stderr, "hakuro-wavegen: cannot write %s\n",
                   reinterpret_cast<const char*>(o.name));
      return 1;
    }
  }
  return 0;
}
