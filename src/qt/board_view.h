// The window's drawing area: the kept picture scaled to the widget, the last move outlined over
// it, and mouse presses turned back into window units.
#pragma once

#include <functional>

#include <QColor>
#include <QWidget>

#include "qt/view/canvas.h"
#include "state/game.h"

namespace hakuro {

class BoardView : public QWidget {
  Q_OBJECT

 public:
  // on_press(button, shift, X, Y): button 1 left, 2 right, 4 middle; X, Y in twips.
  using PressHandler = std::function<void(int, int, double, double)>;

  BoardView(const view::Canvas& canvas, PressHandler on_press, QWidget* parent = nullptr);

  // Called once after the first full paint (start-up timing).
  void on_first_paint(std::function<void()> fn) { first_paint_ = std::move(fn); }
  // The game whose last move is outlined; none until it is given.
  void show_last_move_of(const Game* g) { game_ = g; }

  // The 9 x 9 squares as the view shows them now, in widget coordinates.
  QRectF squares() const;
  // The frame round the last move's destination: its colour, and its width in the picture's
  // pixels, inside the square's own outline. The source is framed the same, half seen through.
  static QColor last_move_colour();
  static constexpr int kLastMoveFrame = 2;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void paint_last_move(QPainter& p) const;

  const view::Canvas& canvas_;
  PressHandler on_press_;
  std::function<void()> first_paint_;
  const Game* game_ = nullptr;
};

}  // namespace hakuro
