#include <QLinearGradient>
#include <QPainterPath>

#include "qt/view/art_parts.h"

namespace hakuro::view::art {

namespace {

constexpr double kW = 178, kH = 73;

QLinearGradient gold(double top, double bottom) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, QColor(0xff, 0xf1, 0xb8));
  g.setColorAt(0.45, QColor(0xe8, 0xbc, 0x4e));
  g.setColorAt(0.55, QColor(0xc8, 0x8e, 0x22));
  g.setColorAt(1, QColor(0xf6, 0xd8, 0x7a));
  return g;
}

// Text as a path centred on (cx, cy) and scaled to fit width; letter spacing in percent.
QPainterPath centred_text(const QString& s, QFont font, double cx, double cy, double width) {
  QPainterPath path;
  path.addText(0, 0, font, s);
  const QRectF box = path.boundingRect();
  const double fit = std::min(1.0, width / box.width());
  QTransform t;
  t.translate(cx, cy);
  t.scale(fit, fit);
  t.translate(-box.center().x(), -box.center().y());
  return t.map(path);
}

void paint_gilded(QPainter& p, const QPainterPath& path, double top, double bottom) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 150));
  p.drawPath(path.translated(0.8, 1.0));
  p.setPen(QPen(QColor(0x5a, 0x32, 0x08), 0.5));
  p.setBrush(gold(top, bottom));
  p.drawPath(path);
}

}  // namespace

void paint_title(QPainter& p) {
  QLinearGradient lacquer(0, 0, 0, kH);
  lacquer.setColorAt(0, QColor(0x5a, 0x10, 0x12));
  lacquer.setColorAt(0.5, QColor(0x3a, 0x06, 0x0a));
  lacquer.setColorAt(1, QColor(0x22, 0x03, 0x06));
  p.fillRect(QRectF(0, 0, kW, kH), lacquer);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(gold(0, kH), 1.6));
  p.drawRect(QRectF(1.6, 1.6, kW - 3.2, kH - 3.2));
  p.setPen(QPen(QColor(0xd8, 0xa8, 0x48), 0.5));
  p.drawRect(QRectF(4.2, 4.2, kW - 8.4, kH - 8.4));

  QFont latin;
  latin.setFamilies({"DejaVu Serif", "Nimbus Roman", "IPAMincho", "IPAGothic"});
  latin.setPixelSize(40);
  latin.setBold(true);
  latin.setLetterSpacing(QFont::PercentageSpacing, 112);
  paint_gilded(p, centred_text("HAKURO KAISEN", latin, kW / 2, 16.5, 150), 10, 23);

  // Thin rules on either side of the kanji.
  p.setPen(QPen(QColor(0xd8, 0xa8, 0x48), 0.7));
  p.drawLine(QPointF(14, 47), QPointF(52, 47));
  p.drawLine(QPointF(126, 47), QPointF(164, 47));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xe8, 0xbc, 0x4e));
  for (double x : {54.0, 124.0}) {
    QPolygonF diamond(
        {QPointF(x - 2.2, 47), QPointF(x, 44.8), QPointF(x + 2.2, 47), QPointF(x, 49.2)});
    p.drawPolygon(diamond);
  }
  paint_gilded(p, centred_text("将棋", mincho(80, true), kW / 2, 47.5, 62), 30, 65);
}

}  // namespace hakuro::view::art
