// What the program needs from the outside world: the window's surface and controls, the time of
// day, and the sound library. The real window, the replay tool and the tests each plug in theirs.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace hakuro {

namespace usi {
struct EngineEntry;
}

// The window's surface. Points are window units (twips); colours are palette numbers 0..15.
class Screen {
 public:
  virtual ~Screen() = default;
  // A picture at its own size with its top-left corner at (x, y): a piece code, KARA (the empty
  // square), E_TITLE or a background identifier 2..6.
  virtual void picture(int id, double x, double y) = 0;
  // An unfilled rectangle.
  virtual void outline(int colour, double x1, double y1, double x2, double y2) = 0;
  // A text with its top-left corner at (x, y); size in points.
  virtual void text(double x, double y, const std::string& s, int colour, int size, bool bold) = 0;
  virtual void background_colour(int colour) = 0;
  // Shows what has been painted now, even in the middle of an event.
  virtual void refresh() = 0;
};

// A date and time of day on the local clock.
struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// A file dialog chooses a file to read, or a name to save under.
enum class FileDialog { open, save };

enum class Buttons { Ok, YesNo };

// What the new-game dialog chooses. A player is "man" (a person), "level1" … "level5" (the
// computer at that level) or "usi:NAME" (an added USI engine); the rules are the program's own
// or standard shogi's; the handicap is the ladder's level (-10 … 10); the time control is in
// seconds (all 0: none).
struct NewGameChoice {
  std::string sente = "man", gote = "level3";
  bool standard_rules = false;
  int handicap = 0;
  int main = 0, byoyomi = 0, increment = 0;
  bool operator==(const NewGameChoice&) const = default;
};
enum class Icon { None, Exclamation };
enum class Answer { Ok, Yes, No };

// The window's controls and the system services around it.
class Window {
 public:
  virtual ~Window() = default;
  virtual Answer message_box(const std::string& text, const std::string& title, Buttons buttons,
                             Icon icon = Icon::None) = 0;
  // A passing notice (a file written, a position copied): the window may show it for a few
  // seconds where it does not interrupt; by default it is a message box with an OK button.
  virtual void notice(const std::string& text, const std::string& title) {
    message_box(text, title, Buttons::Ok);
  }
  // Menu check marks, by item name (LEVEL3, SIDOU, ...), set from the game record; the program
  // never reads them back.
  virtual void set_checked(const std::string& item, bool on) = 0;
  // The clock timer (Timer1), ticking every 50 ms while on.
  virtual void set_timer(bool on) = 0;
  // Seconds since midnight.
  virtual double time_of_day() = 0;
  // The date and the time of day.
  virtual LocalTime local_time() = 0;
  // The window's top edge (-60 when maximised) and its placement, in window units.
  virtual int window_top() const = 0;
  virtual void place(int left, int top, int width, int height) = 0;
  // The record panel: drive, directory and file lists, and the text boxes with labels and button.
  virtual void show_lists(bool drive, bool dir, bool file) = 0;
  virtual void show_record_io(bool shown) = 0;
  virtual std::string text_box(int n) const = 0;
  virtual void set_text_box(int n, const std::string& s) = 0;
  // The folder the directory and file lists show (UTF-8 path; the current directory at first),
  // and the file list read afresh from it.
  virtual std::string panel_directory() const = 0;
  virtual void set_panel_directory(const std::string& path) = 0;
  virtual void refresh_files() = 0;
  // The desktop's file dialog, showing the files that `filter` names ("KIF (*.kif *.kifu)"):
  // the UTF-8 path chosen, nothing when it is cancelled.
  virtual std::optional<std::string> file_dialog(FileDialog kind, const std::string& title,
                                                 const std::string& filter) = 0;
  // The clipboard's text (UTF-8), read and replaced.
  virtual std::string clipboard_text() = 0;
  virtual void set_clipboard_text(const std::string& s) = 0;
  // The program has ended; the front end closes.
  virtual void quit() = 0;
  // The player's list of other engines, where the front end keeps one (the window's dialog).
  virtual void usi_engine_settings() {}
  // 棋譜 → 解析: the engine's verdict on every position of the record, where the front end
  // analyses records (the window does, in the background).
  virtual void analyse_record() {}
  // 棋譜 → 検討: the position shown analysed continuously, switched on or off.
  virtual void switch_live_analysis() {}
  // 棋譜 → 解析結果をKIFに書く: whether an exported KIF file carries the analysis, switched.
  virtual void switch_analysis_comments() {}
  // The comment lines an analysis adds to an exported KIF file when the player asks for them:
  // [n] after move n (0 before the first), "解析 評価値 123 最善 ▲７六歩"; empty when none are
  // asked for.
  virtual std::vector<std::string> analysis_comments() { return {}; }
  // The new-game dialog, opened with the last choices: the choices made, nothing when it is
  // cancelled (or the front end has none).
  virtual std::optional<NewGameChoice> new_game_dialog() { return std::nullopt; }
  // The engine a new-game choice names ("usi:NAME"): `entry`, which comes with the name as its
  // path, takes the front end's settings for it (the window's list of engines; the replay tool
  // looks the name up on PATH).
  virtual void find_usi_engine(const std::string& name, usi::EngineEntry& entry) {
    (void)name;
    (void)entry;
  }
};

// The sound library's entry points, as the program uses them. Handles are 32-bit; 0 is none.
class SoundLibrary {
 public:
  virtual ~SoundLibrary() = default;
  virtual std::int32_t dsInitialize(std::int32_t window) = 0;
  virtual std::int32_t dsTerminate(std::int32_t library) = 0;
  // A buffer from a whole wave file held in memory (size bytes from data).
  virtual std::int32_t dsCreateDSB(std::int32_t library, const unsigned char* data,
                                   std::size_t size, std::int32_t count) = 0;
  virtual std::int32_t dsFree(std::int32_t buffer) = 0;
  virtual std::int32_t dsPlay(std::int32_t buffer) = 0;
  virtual std::int32_t dsPlayLooping(std::int32_t buffer) = 0;
  virtual std::int32_t dsStop(std::int32_t buffer) = 0;
};

// Long thinking (the search of levels 4 and 5, the hint) away from the window's events. The
// window runs the work on a thread of its own and hands the result back to its own thread; the
// replay tool and the tests run both in place.
class Thinker {
 public:
  using Work = std::function<void(const std::atomic<bool>& stop)>;
  virtual ~Thinker() = default;
  // Runs `work`, which ends soon after `stop` turns true, then `done` as an event of the window,
  // on its thread. One job at a time: no job may start while another is busy.
  virtual void start(Work work, std::function<void()> done) = 0;
  // A job has started and its `done` has not run yet.
  virtual bool busy() const = 0;
  // Stops the job in progress, waits for its work to end and drops its `done`.
  virtual void cancel() = 0;
};

// Runs each job whole inside the event that starts it.
class InPlaceThinker : public Thinker {
 public:
  void start(Work work, std::function<void()> done) override {
    const std::atomic<bool> never{false};
    work(never);
    done();
  }
  bool busy() const override { return false; }
  void cancel() override {}
};

}  // namespace hakuro
