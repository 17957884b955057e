// The replay tool's ports: a surface that remembers what is visible, a window that answers its
// message boxes from the script, and a sound library that only says what it is asked to play.
#pragma once

#include <array>
#include <atomic>
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "form/form.h"
#include "platform/ports.h"

namespace hakuro::replay {

struct ShownText {
  double x, y;
  std::string s;
  int colour, size;
  bool bold;
};

class ReplayScreen : public Screen {
 public:
  // Every call is also passed on to `also` (the kept picture for `png`), when given.
  explicit ReplayScreen(Screen* also = nullptr) : also_(also) {}

  void picture(int id, double x, double y) override;
  void outline(int colour, double x1, double y1, double x2, double y2) override;
  void text(double x, double y, const std::string& s, int colour, int size, bool bold) override;
  void background_colour(int colour) override;
  void refresh() override {}

  const std::vector<ShownText>& texts() const { return texts_; }
  // The last picture painted at, and the colour of the last outline drawn round, a cell.
  const int* picture_at(int x, int y) const;
  const int* outline_at(int x, int y) const;
  int background() const { return background_; }

 private:
  Screen* also_;
  std::vector<ShownText> texts_;
  std::map<std::pair<int, int>, int> pictures_, outlines_;
  int background_ = 0;
};

class ReplayWindow : public Window {
 public:
  explicit ReplayWindow(std::ostream& out) : out_(out) {}

  Answer message_box(const std::string& text, const std::string& title, Buttons buttons,
                     Icon icon) override;
  void set_checked(const std::string& item, bool on) override { checks_[item] = on; }
  // The check mark as the program last set it.
  bool checked(const std::string& item) const;
  // Every check mark the program has set, by item name.
  const std::map<std::string, bool>& checks() const { return checks_; }
  void set_timer(bool) override {}
  double time_of_day() override { return now_; }
  // Always 2000/01/01, at the time of day the script set, so that outputs stay the same.
  LocalTime local_time() override;
  int window_top() const override { return 0; }
  void place(int, int, int, int) override {}
  void show_lists(bool drive, bool dir, bool file) override;
  void show_record_io(bool shown) override { io_ = shown; }
  std::string text_box(int n) const override;
  void set_text_box(int n, const std::string& s) override;
  std::string panel_directory() const override { return panel_dir_; }
  void set_panel_directory(const std::string& path) override { panel_dir_ = path; }
  void refresh_files() override {}
  // Answered from the queue of `file_answer` lines; cancelled when it is empty.
  std::optional<std::string> file_dialog(FileDialog kind, const std::string& title,
                                         const std::string& filter) override;
  // Answered by the `dialog` lines queued since the last one, over the last choices; cancelled
  // when none is queued.
  std::optional<NewGameChoice> new_game_dialog() override;
  // NAME is the engine's path, or a program's name looked up on PATH.
  void find_usi_engine(const std::string& name, usi::EngineEntry& entry) override;
  std::string clipboard_text() override { return clipboard_; }
  void set_clipboard_text(const std::string& s) override { clipboard_ = s; }
  void quit() override { quit_ = true; }

  // The file list: the "*.棋譜" files of the panel's folder, by name.
  std::vector<std::string> files() const;

  void queue_answer(bool yes) { answers_.push_back(yes); }
  // "" cancels the dialog it answers.
  void queue_file_answer(const std::string& path) { file_answers_.push_back(path); }
  // What the last file dialog answered ("" for Cancel).
  const std::string& last_file_answer() const { return last_file_answer_; }
  // One answer of the next new-game dialog; an unknown key or a value it cannot take throws
  // std::invalid_argument.
  void queue_dialog(const std::string& key, const std::string& value);
  void set_time(double seconds) { now_ = seconds; }
  // drive, dir, file, io
  std::array<bool, 4> panel() const { return {drive_, dir_, file_, io_}; }
  bool has_quit() const { return quit_; }

 private:
  std::ostream& out_;
  std::deque<bool> answers_;
  std::deque<std::string> file_answers_;
  std::vector<std::pair<std::string, std::string>> dialog_answers_;
  NewGameChoice last_choice_;
  std::string last_file_answer_, clipboard_;
  std::map<std::string, bool> checks_;
  std::array<std::string, 5> boxes_;
  double now_ = 0;
  std::string panel_dir_ = ".";
  bool drive_ = false, dir_ = false, file_ = false, io_ = false, quit_ = false;
};

class ReplaySound : public SoundLibrary {
 public:
  explicit ReplaySound(std::ostream& out) : out_(out) {}
  // The window object whose buffer fields name the handles in the output.
  void watch(const Form* f) { form_ = f; }

  std::int32_t dsInitialize(std::int32_t) override { return 1; }
  std::int32_t dsTerminate(std::int32_t) override { return 0; }
  std::int32_t dsCreateDSB(std::int32_t, const unsigned char*, std::size_t, std::int32_t) override {
    return ++last_;
  }
  std::int32_t dsFree(std::int32_t b) override { return say("dsFree", b); }
  std::int32_t dsPlay(std::int32_t b) override { return say("dsPlay", b); }
  std::int32_t dsPlayLooping(std::int32_t b) override { return say("dsPlayLooping", b); }
  std::int32_t dsStop(std::int32_t b) override { return say("dsStop", b); }

 private:
  std::int32_t say(const char* op, std::int32_t buffer);
  std::ostream& out_;
  const Form* form_ = nullptr;
  std::int32_t last_ = 0;
};

// Holds each job until `finish()`, as the window's thinker does until the search ends: the tests
// and the soak give events while the computer thinks.
class HeldThinker : public Thinker {
 public:
  void start(Work work, std::function<void()> done) override {
    work_ = std::move(work);
    done_ = std::move(done);
  }
  bool busy() const override { return static_cast<bool>(done_); }
  void cancel() override {
    cancelled_ += busy();
    work_ = nullptr;
    done_ = nullptr;
  }
  // The held search runs, and its result arrives (as an event of the window, which the caller
  // runs it in).
  void finish() {
    const std::atomic<bool> never{false};
    const Work work = std::move(work_);
    const std::function<void()> done = std::move(done_);
    work_ = nullptr;
    done_ = nullptr;
    work(never);
    done();
  }
  // How many held jobs were cancelled.
  int cancelled() const { return cancelled_; }

 private:
  Work work_;
  std::function<void()> done_;
  int cancelled_ = 0;
};

}  // namespace hakuro::replay
