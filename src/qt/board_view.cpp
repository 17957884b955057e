#include "qt/board_view.h"

#include <array>

#include <QMouseEvent>
#include <QPainter>

#include "display/geometry.h"

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

// A frame of `width` inside the outline of cell (x, y), in twips, as four bars.
std::array<QRectF, 4> frame_bars(int x, int y, double width) {
  const QRectF in(cell_x(x) + TWIPS_PER_PIXEL, cell_y(y) + TWIPS_PER_PIXEL,
                  masu_w - TWIPS_PER_PIXEL, masu_h - TWIPS_PER_PIXEL);
  return {QRectF(in.left(), in.top(), in.width(), width),
          QRectF(in.left(), in.bottom() - width, in.width(), width),
          QRectF(in.left(), in.top(), width, in.height()),
          QRectF(in.right() - width, in.top(), width, in.height())};
}

}  // namespace

BoardView::BoardView(const view::Canvas& canvas, PressHandler on_press, QWidget* parent)
    : QWidget(parent), canvas_(canvas), on_press_(std::move(on_press)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(160, 120);
}

QRectF BoardView::squares() const {
  const QRectF twips(QPointF(cell_x(1), cell_y(1)),
                     QPointF(cell_x(10) + TWIPS_PER_PIXEL, cell_y(10) + TWIPS_PER_PIXEL));
  return view::Canvas::to_device(QSizeF(size())).mapRect(twips);
}

QColor BoardView::last_move_colour() { return QColor(0x1e, 0x64, 0xff); }

void BoardView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  canvas_.render(p, QRectF(rect()));
  paint_last_move(p);
  p.end();
  if (first_paint_) std::exchange(first_paint_, nullptr)();
}

// Over the picture, never in it: the program's own outlines stay as they are drawn.
void BoardView::paint_last_move(QPainter& p) const {
  if (!game_ || game_->record.current_move() < 1) return;
  const Move& m = game_->record.move(game_->record.current_move()).move;
  const QTransform t = view::Canvas::to_device(QSizeF(size()));
  const double dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
  const auto frame = [&](int x, int y, QColor colour) {
    if (!on_board(x, y)) return;
    for (const QRectF& bar : frame_bars(x, y, kLastMoveFrame * TWIPS_PER_PIXEL))
      p.fillRect(view::Canvas::snapped(t.mapRect(bar), dpr), colour);
  };
  QColor source = last_move_colour();
  source.setAlphaF(0.5);
  frame(m.square().x, m.square().y, source);
  frame(m.to.x, m.to.y, last_move_colour());
}

void BoardView::mousePressEvent(QMouseEvent* e) {
  const int button = button_code(e->button());
  if (button == 0) return;
  const QPointF at = view::Canvas::to_twips(QSizeF(size()), e->position());
  on_press_(button, shift_code(e->modifiers()), at.x(), at.y());
}

}  // namespace hakuro
