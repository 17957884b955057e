// What the window shows around the board besides the program's own picture: the move list
// docked beside it with the comment of the move shown under it, the status bar and the window
// title. All of it is refreshed at once from
// the game record.
#pragma once

#include <functional>

#include <QObject>

#include "state/game.h"

class QDockWidget;
class QLabel;
class QListView;
class QMainWindow;
class QPlainTextEdit;

namespace hakuro {

class MoveListModel;

class GamePanels : public QObject {
  Q_OBJECT

 public:
  // Adds the panels to the window. A click on the row of move n calls show_move(n).
  GamePanels(QMainWindow& window, std::function<void(int)> show_move);

  void refresh(const Game& g);

  // The room the panels take beside and below the board view.
  QSize extra_size() const;

  MoveListModel* moves() const { return model_; }
  QListView* list() const { return list_; }
  QPlainTextEdit* comment() const { return comment_; }
  QDockWidget* dock() const { return dock_; }

 private:
  QMainWindow& window_;
  MoveListModel* model_;
  QListView* list_;
  QPlainTextEdit* comment_;
  QDockWidget* dock_;
  QLabel* state_;
  QLabel* handicap_;
};

}  // namespace hakuro
