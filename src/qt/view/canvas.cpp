#include "qt/view/canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include <QFontMetricsF>
#include <QPaintDevice>

#include "qt/language/core_texts.h"
#include "qt/view/artwork.h"
#include "state/game.h"

namespace hakuro::view {

namespace {

constexpr double kPixel = kTwipsPerPixel;  // an outline's line is one pixel wide
constexpr double kTwipsPerPoint = 20;

QFont text_font(double pixel_size, bool bold, const QPaintDevice* device) {
  QFont f;
  f.setFamilies(gothic_families());
  const int dpi = device ? device->logicalDpiY() : 96;
  f.setPointSizeF(std::max(0.5, pixel_size * 72.0 / dpi));
  f.setBold(bold);
  return f;
}

// Width of a text in ems: the Japanese font sets half-width forms (ASCII, half-width kana) in
// half an em and everything else in a whole one.
double text_ems(const QString& s) {
  double ems = 0;
  for (const QChar c : s) {
    if (c.isLowSurrogate()) continue;
    const char16_t u = c.unicode();
    ems += (u < 0x80 || (u >= 0xff61 && u <= 0xff9f)) ? 0.5 : 1.0;
  }
  return ems;
}

// Device pixel edges of a span, at least one pixel wide.
std::pair<int, int> snap(double from, double to, double dpr) {
  const int a = static_cast<int>(std::lround(from * dpr));
  const int b = static_cast<int>(std::lround(to * dpr));
  return {a, std::max(b, a + 1)};
}

QRectF snapped(const QRectF& logical, double dpr) {
  const auto [l, r] = snap(logical.left(), logical.right(), dpr);
  const auto [t, b] = snap(logical.top(), logical.bottom(), dpr);
  return QRectF(l / dpr, t / dpr, (r - l) / dpr, (b - t) / dpr);
}

// Whole twips inside, respectively covering, a rectangle.
QRect inner(const QRectF& r) {
  const int l = static_cast<int>(std::ceil(r.left())), t = static_cast<int>(std::ceil(r.top()));
  return QRect(QPoint(l, t), QPoint(static_cast<int>(std::floor(r.right())) - 1,
                                    static_cast<int>(std::floor(r.bottom())) - 1));
}

QRect outer(const QRectF& r) {
  const int l = static_cast<int>(std::floor(r.left())), t = static_cast<int>(std::floor(r.top()));
  return QRect(QPoint(l, t), QPoint(static_cast<int>(std::ceil(r.right())) - 1,
                                    static_cast<int>(std::ceil(r.bottom())) - 1));
}

// An outline's pixels: its corners' pixels and the lines between them.
QRectF outline_area(const QRectF& corners) { return corners.adjusted(0, 0, kPixel, kPixel); }

}  // namespace

QStringList gothic_families() {
  return {"IPAGothic", "IPAexGothic", "Noto Sans CJK JP", "Droid Sans Fallback"};
}

QColor palette_colour(int n) {
  static constexpr std::array<QRgb, 16> kPalette = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
      0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  if (n < 0 || n > 15) return QColor(Qt::black);
  return QColor::fromRgb(kPalette[static_cast<std::size_t>(n)]);
}

void Canvas::picture(int id, double x, double y) {
  if (id >= HAIKEI_MIDORI && id <= HAIKEI_RENGA) margin_tile_ = id;
  const QSize px = picture_pixels(id);
  if (px.isEmpty()) return;
  const QRectF rect(x, y, px.width() * kPixel, px.height() * kPixel);
  cover(rect);
  add({Kind::Picture, id, rect, QRegion(outer(rect)), {}, 0, false});
}

void Canvas::outline(int colour, double x1, double y1, double x2, double y2) {
  const QRectF corners = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
  std::erase_if(ops_, [&](const Op& o) { return o.kind == Kind::Outline && o.rect == corners; });
  add({Kind::Outline, colour, corners, QRegion(outer(outline_area(corners))), {}, 0, false});
}

void Canvas::text(double x, double y, const std::string& s, int colour, int size, bool bold) {
  const QString q = board_text(s);
  if (q.isEmpty() || size <= 0) return;
  // Generous bounds, so that a text counts as painted over only when it surely is.
  const double em = size * kTwipsPerPoint;
  const QRectF rect(x, y, em * (text_ems(q) + 0.25), em * 1.25);
  // The same text printed again at the same place covers the earlier one exactly.
  std::erase_if(ops_, [&](const Op& o) {
    return o.kind == Kind::Text && o.rect == rect && o.s == q && o.value == colour &&
           o.size == size && o.bold == bold;
  });
  add({Kind::Text, colour, rect, QRegion(outer(rect)), q, size, bold});
}

QStringList Canvas::texts() const {
  QStringList out;
  for (const Op& op : ops_)
    if (op.kind == Kind::Text) out << op.s;
  return out;
}

void Canvas::background_colour(int colour) {
  background_ = palette_colour(colour);
  changed();
}

void Canvas::refresh() {
  if (refreshed_) refreshed_();
}

void Canvas::set_listeners(std::function<void()> changed, std::function<void()> refreshed) {
  changed_ = std::move(changed);
  refreshed_ = std::move(refreshed);
}

void Canvas::add(Op op) {
  ops_.push_back(std::move(op));
  changed();
}

// Whatever lies wholly under later opaque pictures can never show again.
void Canvas::cover(const QRectF& opaque) {
  const QRect under = inner(opaque);
  if (under.isEmpty()) return;
  std::erase_if(ops_, [&](Op& o) {
    if (!o.visible.intersects(under)) return false;
    o.visible -= under;
    return o.visible.isEmpty();
  });
}

void Canvas::changed() {
  if (changed_) changed_();
}

QTransform Canvas::to_device(const QRectF& target) {
  const double s = std::min(target.width() / kClientWidth, target.height() / kClientHeight);
  QTransform t;
  t.translate(target.x() + (target.width() - kClientWidth * s) / 2,
              target.y() + (target.height() - kClientHeight * s) / 2);
  t.scale(s, s);
  return t;
}

QPointF Canvas::to_twips(QSizeF widget, QPointF point) {
  return to_device(widget).inverted().map(point);
}

QRectF Canvas::snapped(const QRectF& logical, double dpr) { return view::snapped(logical, dpr); }

QSize Canvas::client_pixels(double scale) {
  return QSize(static_cast<int>(std::lround(kClientWidth / kPixel * scale)),
               static_cast<int>(std::lround(kClientHeight / kPixel * scale)));
}

void Canvas::render(QPainter& p, const QRectF& target) const {
  p.save();
  p.setClipRect(target);
  p.fillRect(target, background_);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QTransform t = to_device(target);
  const double dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
  tile_margins(p, target, t, dpr);
  for (const Op& op : ops_) paint_op(p, op, t, dpr);
  p.restore();
}

// A window wider or taller than the picture shows the background tiles continued on the cell
// grid beyond what the program painted, rather than a flat colour.
void Canvas::tile_margins(QPainter& p, const QRectF& target, const QTransform& t,
                          double dpr) const {
  if (margin_tile_ == 0) return;
  const QRectF seen = t.inverted().mapRect(target);
  const QSizeF tile = QSizeF(picture_pixels(margin_tile_)) * kPixel;
  const int x0 = static_cast<int>(std::floor((seen.left() - ban_left) / masu_w)) - 1;
  const int y0 = static_cast<int>(std::floor((seen.top() - ban_top) / masu_h)) - 1;
  for (int x = x0; ban_left + masu_w * x < seen.right(); ++x)
    for (int y = y0; ban_top + masu_h * y < seen.bottom(); ++y) {
      const QRectF r(QPointF(ban_left + masu_w * x, ban_top + masu_h * y), tile);
      paint_op(p, Op{Kind::Picture, margin_tile_, r, QRegion(), QString(), 0, false}, t, dpr);
    }
}

void Canvas::paint_op(QPainter& p, const Op& op, const QTransform& t, double dpr) const {
  switch (op.kind) {
    case Kind::Picture: {
      const QRectF at = snapped(t.mapRect(op.rect), dpr);
      const QSize px(static_cast<int>(std::lround(at.width() * dpr)),
                     static_cast<int>(std::lround(at.height() * dpr)));
      const QImage& img = picture_image(op.value, px);
      if (!img.isNull()) p.drawImage(at, img);
      break;
    }
    case Kind::Outline: {
      const QRectF c = op.rect;
      const QColor colour = palette_colour(op.value);
      const QRectF bars[4] = {QRectF(c.left(), c.top(), c.width() + kPixel, kPixel),
                              QRectF(c.left(), c.bottom(), c.width() + kPixel, kPixel),
                              QRectF(c.left(), c.top(), kPixel, c.height() + kPixel),
                              QRectF(c.right(), c.top(), kPixel, c.height() + kPixel)};
      for (const QRectF& bar : bars) p.fillRect(snapped(t.mapRect(bar), dpr), colour);
      break;
    }
    case Kind::Text: {
      const QFont font = text_font(op.size * kTwipsPerPoint * t.m11(), op.bold, p.device());
      const QPointF at = t.map(op.rect.topLeft());
      p.setFont(font);
      p.setPen(palette_colour(op.value));
      p.drawText(QPointF(at.x(), at.y() + QFontMetricsF(font, p.device()).ascent()), op.s);
      break;
    }
  }
}

QImage Canvas::image(QSize px) const {
  QImage img(px, QImage::Format_RGB32);
  img.fill(background_);
  QPainter p(&img);
  render(p, QRectF(QPointF(0, 0), QSizeF(px)));
  return img;
}

}  // namespace hakuro::view
