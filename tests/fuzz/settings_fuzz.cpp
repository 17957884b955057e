// The settings file as the program reads it at start-up: the bytes become HAKURO将棋1.ini in a
// scratch folder, and a window object whose ports draw and sound nothing reads and applies it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "form/form.h"
#include "options/settings.h"
#include "platform/ports.h"

namespace {

namespace fs = std::filesystem;
using namespace hakuro;

class QuietScreen : public Screen {
 public:
  void picture(int, double, double) override {}
  void outline(int, double, double, double, double) override {}
  void text(double, double, const std::string&, int, int, bool) override {}
  void background_colour(int) override {}
  void refresh() override {}
};

// Keeps the menu checks; answers every box with OK or Yes.
class QuietWindow : public Window {
 public:
  Answer message_box(const std::string&, const std::string&, Buttons b, Icon) override {
    return b == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  void set_checked(const std::string& item, bool on) override { checks_[item] = on; }
  bool checked(const std::string& item) const override {
    auto it = checks_.find(item);
    return it != checks_.end() && it->second;
  }
  void set_timer(bool) override {}
  double time_of_day() override { return 0; }
  int window_top() const override { return 0; }
  void place(int, int, int, int) override {}
  void show_lists(bool, bool, bool) override {}
  void show_record_io(bool) override {}
  std::string text_box(int) const override { return {}; }
  void set_text_box(int, const std::string&) override {}
  std::string panel_directory() const override { return "."; }
  void set_panel_directory(const std::string&) override {}
  void refresh_files() override {}
  void quit() override {}

 private:
  std::map<std::string, bool> checks_;
};

class QuietSound : public SoundLibrary {
 public:
  std::int32_t dsInitialize(std::int32_t) override { return 1; }
  std::int32_t dsTerminate(std::int32_t) override { return 0; }
  std::int32_t dsCreateDSB(std::int32_t, const unsigned char*, std::size_t,
                           std::int32_t) override {
    return 1;
  }
  std::int32_t dsFree(std::int32_t) override { return 0; }
  std::int32_t dsPlay(std::int32_t) override { return 0; }
  std::int32_t dsPlayLooping(std::int32_t) override { return 0; }
  std::int32_t dsStop(std::int32_t) override { return 0; }
};

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

  QuietScreen screen;
  QuietWindow window;
  QuietSound sound;
  Form f(screen, window, sound);
  f.ds_handle = 1;  // the music is started when the file asks for it
  読込_環境設定ファイル(f);
  return 0;
}
