#include "qt/box_place.h"

#include <algorithm>

#include <QScreen>

#include "display/geometry.h"
#include "qt/board_view.h"

namespace hakuro {

namespace {

constexpr int kGap = 6;  // between a box and the squares

// The start of a span of `length` centred on `centre`, kept inside [low, high) where it fits.
int centred(int centre, int length, int low, int high) {
  const int at = centre - length / 2;
  if (length >= high - low) return low;
  return std::clamp(at, low, high - length);
}

}  // namespace

BoxRoom room_around(const BoardView& view) {
  const QPoint origin = view.mapToGlobal(QPoint(0, 0));
  const QRectF result(QPointF(cell_x(-2), cell_y(8)), QSizeF(3 * masu_w, masu_h));
  BoxRoom room;
  room.board = view.squares().toAlignedRect().translated(origin);
  room.view = QRect(origin, view.size());
  room.move_result = view::Canvas::to_device(QSizeF(view.size()))
                         .mapRect(result)
                         .toAlignedRect()
                         .translated(origin);
  room.screen = view.screen()->availableGeometry();
  return room;
}

QPoint box_position(const BoxRoom& room, QSize box) {
  const QRect& b = room.board;
  const QRect& v = room.view;
  const int w = box.width() + 2 * kGap;
  const int left_margin = b.left() - v.left(), right_margin = v.right() - b.right();
  if (w <= left_margin)
    return {v.left() + (left_margin - box.width()) / 2,
            centred(room.move_result.center().y(), box.height(), v.top(), v.bottom() + 1)};
  if (w <= right_margin)
    return {b.right() + 1 + (right_margin - box.width()) / 2,
            centred(b.center().y(), box.height(), v.top(), v.bottom() + 1)};
  // Out of the window, on the side where the screen has more room.
  const QRect& s = room.screen;
  const int y = centred(b.center().y(), box.height(), s.top(), s.bottom() + 1);
  if (s.right() - b.right() >= b.left() - s.left())
    return {std::min(b.right() + 1 + kGap, s.right() + 1 - box.width()), y};
  return {std::max(b.left() - kGap - box.width(), s.left()), y};
}

BesideBoardBox::BesideBoardBox(QWidget* parent, const BoardView& view)
    : QMessageBox(parent), view_(view) {}

void BesideBoardBox::showEvent(QShowEvent* e) {
  QMessageBox::showEvent(e);  // which gives the box its size
  move(box_position(room_around(view_), frameGeometry().size()));
}

}  // namespace hakuro
