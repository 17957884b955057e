// Reviewing a record in the window: 棋譜 → 解析 runs the engine over every position in the
// background, then the evaluation graph under the move list, the marks after the moves and each
// player's count in the status bar show its verdict; 棋譜 → 検討 analyses the position shown
// continuously while a record is stepped through. Neither runs while the computer thinks for a
// game: the analysis is cancelled, 検討 waits.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QObject>

#include "qt/background_job.h"
#include "review/analyse.h"
#include "state/game.h"

class QDockWidget;
class QLabel;
class QMainWindow;
class QProgressBar;
class QPushButton;

namespace hakuro {

class EvalGraph;
class MoveListModel;

// The search's budget for each position of 解析, so that it gives the same verdicts every time.
inline constexpr uint64_t kReviewNodes = 100000;

class Review : public QObject {
  Q_OBJECT

 public:
  // Docks the graph under `list_dock` and puts the progress and the counts in the status bar.
  // A click on the graph calls show_move(n), as one on the move list does.
  Review(QMainWindow& window, QDockWidget& list_dock, MoveListModel& moves,
         std::function<void(int)> show_move);

  // 棋譜 → 解析: refused, with a notice, while `game_busy` or when the record holds no move.
  void start(const Game& g, bool game_busy);
  // The analysis running stopped; nothing of it is kept.
  void cancel();
  bool running() const { return job_.busy(); }
  // 検討 switched on or off; whether it is on now.
  bool switch_live();
  bool live() const { return live_; }

  // After every event: the verdict shown while the record is the game analysed, the analysis
  // cancelled and 検討 stopped while the computer thinks for a game, 検討 following the move
  // shown.
  void refresh(const Game& g, bool game_busy);

  // The analysis's comments for an exported KIF file (analyse::kif_comments); none when the
  // record is not the game analysed.
  std::vector<std::string> kif_comments(const Game& g) const;

  EvalGraph* graph() const { return graph_; }
  QLabel* live_line() const { return live_line_; }
  QLabel* summary() const { return summary_; }
  QProgressBar* progress() const { return progress_; }
  QPushButton* cancel_button() const { return cancel_button_; }
  // Whether the verdict on the record shown is complete and shown.
  bool shown() const { return shown_; }

 private:
  // The analysis that came back whole.
  void finished(const analyse::GameMoves& game, analyse::Analysed a);
  void show_verdict(bool on);
  void stop_live();
  void start_live(const analyse::GameMoves& game, Rules rules, int n);
  void notice(const QString& text);

  QMainWindow& window_;
  MoveListModel& moves_;
  EvalGraph* graph_;
  QLabel* live_line_;
  QLabel* summary_;
  QProgressBar* progress_;
  QPushButton* cancel_button_;
  BackgroundJob job_;
  BackgroundJob live_job_;

  std::optional<analyse::GameMoves> game_;  // the game analysed, once its analysis is whole
  analyse::Analysis analysis_;
  bool shown_ = false;
  analyse::GameMoves record_;  // the record's game at the last refresh
  bool live_ = false;
  // What 検討 analyses: the game and the move shown.
  std::optional<analyse::GameMoves> live_game_;
  int live_move_ = -1;
};

}  // namespace hakuro
