// The window's drawing area: the kept picture scaled to the widget, and mouse presses turned
// back into window units.
#pragma once

#include <functional>

#include <QWidget>

#include "qt/view/canvas.h"

namespace hakuro {

class BoardView : public QWidget {
  Q_OBJECT

 public:
  // on_press(button, shift, X, Y): button 1 left, 2 right, 4 middle; X, Y in twips.
  using PressHandler = std::function<void(int, int, double, double)>;

  BoardView(const view::Canvas& canvas, PressHandler on_press, QWidget* parent = nullptr);

  // Called once after the first full paint (start-up timing).
  void on_first_paint(std::function<void()> fn) { first_paint_ = std::move(fn); }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  const view::Canvas& canvas_;
  PressHandler on_press_;
  std::function<void()> first_paint_;
};

}  // namespace hakuro
