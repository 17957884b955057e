// The program's window: the board view, the menu bar, message boxes, the clock timer, and
// every window event passed to the program.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include <QMainWindow>
#include <QTimer>

#include "form/form.h"
#include "platform/ports.h"
#include "qt/thread_thinker.h"
#include "qt/view/canvas.h"

class QAction;
class QMenu;

namespace hakuro {

struct Command;
class BoardView;
class GamePanels;
class RecordPanel;
class Review;
class UsiOpponentItems;

class MainWindow : public QMainWindow, public Window {
  Q_OBJECT

 public:
  explicit MainWindow(SoundLibrary& sound, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Start-up (on_load); false when it ended the program.
  bool load();
  // The loaded window made as it was when it last closed (window_settings.h), and kept again
  // when it closes.
  void remember_between_starts();
  // The program has ended; the window closes.
  bool ended() const { return form_.ended; }
  // A search's result has come back and waits for the event in progress to end.
  bool result_waiting() const { return arrived_ != nullptr; }

  Form& form() { return form_; }
  const view::Canvas& canvas() const { return canvas_; }
  BoardView* board() const { return board_; }
  RecordPanel* record_panel() const { return panel_; }
  GamePanels* game_panels() const { return game_panels_; }
  // The move list, the status bar and the title told the game as it stands now.
  void refresh_panels();
  // A mouse press at window point (X, Y) in twips.
  virtual void mouse_down(int button, int shift, double X, double Y);
  // SIGINT or SIGTERM: the program ends as when the window is closed. Inside an event its
  // message boxes close (answered No) and the window closes once the event is over.
  void end_by_signal();

  Answer message_box(const std::string& text, const std::string& title, Buttons buttons,
                     Icon icon) override;
  // Shown in the status bar for a few seconds, in place of whose turn it is.
  void notice(const std::string& text, const std::string& title) override;
  void set_checked(const std::string& item, bool on) override;
  // The check mark as the program last set it.
  bool checked(const std::string& item) const;
  void set_timer(bool on) override;
  double time_of_day() override;
  LocalTime local_time() override;
  int window_top() const override;
  void place(int left, int top, int width, int height) override;
  void show_lists(bool drive, bool dir, bool file) override;
  void show_record_io(bool shown) override;
  std::string text_box(int n) const override;
  void set_text_box(int n, const std::string& s) override;
  std::string panel_directory() const override;
  void set_panel_directory(const std::string& path) override;
  void refresh_files() override;
  std::optional<std::string> file_dialog(FileDialog kind, const std::string& title,
                                         const std::string& filter) override;
  std::string clipboard_text() override;
  void set_clipboard_text(const std::string& s) override;
  void quit() override;
  // ｵﾌﾟｼｮﾝ → USIエンジンの設定…: the dialog of the player's other engines.
  void usi_engine_settings() override;
  // 棋譜 → 解析, 検討 and 解析結果をKIFに書く (qt/review.h).
  void analyse_record() override;
  void switch_live_analysis() override;
  void switch_analysis_comments() override;
  std::vector<std::string> analysis_comments() override;
  Review* review() const { return review_; }
  // 対局 → 新規対局…: the dialog, opened with the last choices, which it keeps when accepted.
  std::optional<NewGameChoice> new_game_dialog() override;
  void find_usi_engine(const std::string& name, usi::EngineEntry& entry) override;

 protected:
  // Shows a message box and waits for the answer; tests answer without a person.
  virtual Answer ask(const QString& text, const QString& title, Buttons buttons, Icon icon);
  // Shows the desktop's file dialog in `folder` and waits for the path chosen (empty for
  // Cancel); tests answer without a person.
  virtual QString choose_file(FileDialog kind, const QString& title, const QString& filter,
                              const QString& folder);

  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  // Runs one window event; events never overlap (ticks during a message box are dropped).
  void run(const std::function<void()>& event);
  // The result of a search that ran on the thinker's thread: an event now, or once the event
  // in progress is over.
  void arrive(std::function<void()> result);
  void build_menus();
  // The menu bar made from the command table (control/commands.h).
  QMenu* add_menu(QWidget* parent, const Command& command);
  void add_item(QWidget* parent, const Command& command);
  // The other engines beside the levels, made afresh from those kept.
  void rebuild_usi_items();

  view::Canvas canvas_;
  ThreadThinker thinker_;
  Form form_;
  BoardView* board_;
  RecordPanel* panel_;
  GamePanels* game_panels_;
  Review* review_;
  QTimer timer1_;
  std::map<std::string, QAction*> items_;
  std::map<std::string, bool> checks_;
  std::unique_ptr<UsiOpponentItems> usi_items_;
  QTimer usi_info_timer_;          // what the engine playing tells, shown while it thinks
  std::function<void()> arrived_;  // a search's result waiting for the event in progress
  bool busy_ = false;
  bool closing_ = false;
  bool signalled_ = false;
  bool remembers_ = false;
};

}  // namespace hakuro
