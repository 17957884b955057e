#include "qt/board_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace hakuro {

namespace {

int button_code(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}

int shift_code(Qt::KeyboardModifiers m) {
  return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
         (m & Qt::AltModifier ? 4 : 0);
}

}  // namespace

BoardView::BoardView(const view::Canvas& canvas, PressHandler on_press, QWidget* parent)
    : QWidget(parent), canvas_(canvas), on_press_(std::move(on_press)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(160, 120);
}

void BoardView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  canvas_.render(p, QRectF(rect()));
  p.end();
  if (first_paint_) std::exchange(first_paint_, nullptr)();
}

void BoardView::mousePressEvent(QMouseEvent* e) {
  const int button = button_code(e->button());
  if (button == 0) return;
  const QPointF at = view::Canvas::to_twips(QSizeF(size()), e->position());
  on_press_(button, shift_code(e->modifiers()), at.x(), at.y());
}

}  // namespace hakuro
