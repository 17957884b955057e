// The settings file as the program reads it at start-up: the bytes become HAKURO将棋1.ini in a
// scratch folder, and a window object with the replay tool's ports reads and applies it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "form/form.h"
#include "options/settings.h"
#include "ports.h"

namespace {

namespace fs = std::filesystem;
using namespace hakuro;

// The scratch folder, removed when the fuzzer ends: in memory where the system has a place for
// it (a file written and read on disk each run makes the fuzzer ten times slower).
struct Scratch {
  fs::path dir;
  Scratch() {
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                              ? fs::path("/dev/shm")
                              : fs::temp_directory_path();
    dir = base / ("hakuro-fuzz-settings-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

// The settings code reads and writes the current folder, while the fuzzer's own paths are
// relative to the folder it started in: each run goes there and back.
class InFolder {
 public:
  explicit InFolder(const fs::path& dir) : old_(fs::current_path()) { fs::current_path(dir); }
  ~InFolder() { fs::current_path(old_); }

 private:
  fs::path old_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Scratch scratch;
  InFolder in(scratch.dir);
  std::ofstream(fs::u8path("HAKURO将棋1.ini"), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

  std::ostringstream out;
  replay::ReplayScreen screen;
  replay::ReplayWindow window(out);
  replay::ReplaySound sound(out);
  Form f(screen, window, sound);
  f.ds_handle = 1;  // the music is started when the file asks for it
  read_settings(f);
  return 0;
}
