#include "qt/view/canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>

#include "qt/view/artwork.h"

namespace hakuro::view {

namespace {

constexpr double kTwipsPerPoint = 20;

QFont window_font(double pixel_size, bool bold) {
  QFont font;
  font.setFamilies({"IPAGothic", "IPAPGothic", "IPAexGothic", "Noto Sans CJK JP",
                    "Noto Sans Mono CJK JP", "Droid Sans Fallback"});
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel_size))));
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

// A text's extent in window units, measured with the font at its size in twips.
QRectF text_bounds(const QPointF& at, const QString& s, int size, bool bold) {
  const QFontMetricsF m(window_font(size * kTwipsPerPoint, bold));
  return QRectF(at, QSizeF(m.horizontalAdvance(s), m.height()));
}

bool same(const QRectF& a, const QRectF& b) {
  return std::fabs(a.left() - b.left()) < 1e-6 && std::fabs(a.top() - b.top()) < 1e-6 &&
         std::fabs(a.width() - b.width()) < 1e-6 && std::fabs(a.height() - b.height()) < 1e-6;
}

}  // namespace

QColor palette_colour(int colour) {
  static const std::array<QRgb, 16> vga = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                           0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                           0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  return QColor(vga[static_cast<std::size_t>(colour & 15)]);
}

void Canvas::add_opaque(const QRectF& r) {
  std::erase_if(ops_, [&](const Op& op) {
    if (op.kind == Kind::Text)
      return r.contains(text_bounds(op.rect.topLeft(), op.text, op.size, op.bold));
    if (op.kind == Kind::Picture) return r.contains(op.rect);
    return false;
  });
}

void Canvas::picture(int id, double x, double y) {
  const QSizeF size = picture_size(id);
  if (size.isEmpty()) return;
  const QRectF r(QPointF(x, y), size);
  add_opaque(r);
  ops_.push_back({Kind::Picture, r, id, 0, 0, false, {}});
}

void Canvas::outline(int colour, double x1, double y1, double x2, double y2) {
  const QRectF r(QPointF(x1, y1), QPointF(x2, y2));
  std::erase_if(ops_, [&](const Op& op) { return op.kind == Kind::Outline && same(op.rect, r); });
  ops_.push_back({Kind::Outline, r, colour, 0, 0, false, {}});
}

void Canvas::text(double x, double y, const std::string& s, int colour, int size, bool bold) {
  Op op{Kind::Text, QRectF(x, y, 0, 0), 0, colour, size, bold, QString::fromStdString(s)};
  ops_.push_back(std::move(op));
}

void Canvas::background_colour(int colour) { background_ = colour; }

QTransform Canvas::to_device(const QSizeF& target) {
  const double scale =
      std::min(target.width() / kClientWidth, target.height() / kClientHeight);
  QTransform t;
  t.translate((target.width() - kClientWidth * scale) / 2,
              (target.height() - kClientHeight * scale) / 2);
  t.scale(scale, scale);
  return t;
}

QPointF Canvas::to_window(const QSizeF& target, const QPointF& device) {
  return to_device(target).inverted().map(device);
}

QSize Canvas::client_pixels(double scale) {
  return QSize(static_cast<int>(std::lround(kClientWidth / kTwipsPerPixel * scale)),
               static_cast<int>(std::lround(kClientHeight / kTwipsPerPixel * scale)));
}

void Canvas::render(QPainter& p, const QSizeF& target) const {
  const QTransform t = to_device(target);
  const double scale = t.m11();
  const double line = std::max(1.0, std::round(scale * kTwipsPerPixel));
  p.save();
  p.fillRect(QRectF(QPointF(0, 0), target), palette_colour(background_));
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  for (const Op& op : ops_) {
    // Device rectangles are snapped to whole pixels so neighbouring pictures meet exactly.
    const QRectF d = t.mapRect(op.rect);
    const QRectF snapped(QPointF(std::round(d.left()), std::round(d.top())),
                         QPointF(std::round(d.right()), std::round(d.bottom())));
    switch (op.kind) {
      case Kind::Picture:
        paint_picture(p, op.id_or_colour, snapped);
        break;
      case Kind::Outline: {
        QPen pen(palette_colour(op.id_or_colour));
        pen.setWidthF(line);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        const double h = line / 2;
        // Edges one line wide on the pixels at and right of / below each edge, as shared cell edges are.
        p.drawRect(QRectF(snapped.left() + h, snapped.top() + h, snapped.width(), snapped.height()));
        break;
      }
      case Kind::Text: {
        const QFont font = window_font(op.size * kTwipsPerPoint * scale, op.bold);
        p.setFont(font);
        p.setPen(palette_colour(op.colour));
        const QFontMetricsF m(font);
        p.drawText(QPointF(d.left(), d.top() + m.ascent()), op.text);
        break;
      }
    }
  }
  p.restore();
}

QImage Canvas::image(const QSize& pixels) const {
  QImage img(pixels, QImage::Format_RGB32);
  QPainter p(&img);
  render(p, QSizeF(pixels));
  return img;
}

}  // namespace hakuro::view
