#include <cmath>
#include <cstdlib>

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include "qt/view/art_parts.h"
#include "state/game.h"

namespace hakuro::view::art {

namespace {

constexpr double kW = 33, kH = 41;

struct Face {
  const char* kanji;
  double scale;  // real sets have bigger kings than pawns
  bool promoted;
};

Face face_of(int code) {
  switch (std::abs(code)) {
    case HU: return {"歩", 0.86, false};
    case HU_NARI: return {"と", 0.86, true};
    case KYOU: return {"香", 0.89, false};
    case KYOU_NARI: return {"杏", 0.89, true};
    case KEI: return {"桂", 0.90, false};
    case KEI_NARI: return {"圭", 0.90, true};
    case GIN: return {"銀", 0.93, false};
    case GIN_NARI: return {"全", 0.93, true};
    case KIN: return {"金", 0.93, false};
    case KAKU: return {"角", 0.97, false};
    case KAKU_NARI: return {"馬", 0.97, true};
    case SYA: return {"飛", 0.97, false};
    case SYA_NARI: return {"龍", 0.97, true};
    default: return {"王", 1.0, false};
  }
}

// The wedge: apex, shoulders and base, standing on the square's lower edge.
QPolygonF wedge(double scale) {
  const double cx = kW / 2, base = kH - 3.2;
  const double half_base = 13.2 * scale, half_shoulder = 11.0 * scale;
  const double height = 34.5 * scale, shoulder = base - height * 0.80;
  return QPolygonF({QPointF(cx, base - height), QPointF(cx + half_shoulder, shoulder),
                    QPointF(cx + half_base, base), QPointF(cx - half_base, base),
                    QPointF(cx - half_shoulder, shoulder)});
}

QPainterPath kanji_path(const Face& face, const QPolygonF& shape) {
  QPainterPath path;
  path.addText(0, 0, mincho(21 * face.scale, true), QString::fromUtf8(face.kanji));
  const QRectF box = path.boundingRect();
  const QRectF body = shape.boundingRect();
  const double cy = body.top() + body.height() * 0.58;
  const double fit = std::min(1.0, body.width() * 0.80 / box.width());
  QTransform t;
  t.translate(kW / 2, cy);
  t.scale(fit, fit);
  t.translate(-box.center().x(), -box.center().y());
  return t.map(path);
}

void paint_wood_grain(QPainter& p, QRectF area, unsigned seed, QColor line, int lines) {
  p.save();
  p.setClipRect(area);
  QPen pen(line);
  for (int i = 0; i < lines; ++i) {
    const double x0 = area.left() + area.width() * (i + hash01(i, 1, seed)) / lines;
    const double wave = 0.25 + 0.5 * hash01(i, 2, seed);
    const double lean = 1.2 * (hash01(i, 5, seed) - 0.5);
    pen.setWidthF(0.3 + 0.45 * hash01(i, 3, seed));
    QColor c = line;
    c.setAlphaF(0.12 + 0.3 * hash01(i, 4, seed));
    pen.setColor(c);
    p.setPen(pen);
    QPainterPath path(QPointF(x0, area.top()));
    for (double y = area.top(); y <= area.bottom() + 2; y += 2) {
      const double k = (y - area.top()) / area.height();
      path.lineTo(x0 + lean * k + wave * std::sin((y + 11 * i) * 0.11), y);
    }
    p.drawPath(path);
  }
  p.restore();
}

}  // namespace

void paint_board_square(QPainter& p) {
  QLinearGradient g(0, 0, kW, kH);
  g.setColorAt(0, QColor(0xe8, 0xb6, 0x62));
  g.setColorAt(1, QColor(0xd6, 0x9e, 0x4c));
  p.fillRect(QRectF(0, 0, kW, kH), g);
  paint_wood_grain(p, QRectF(0, 0, kW, kH), 11, QColor(0xa0, 0x68, 0x28), 9);
}

void paint_piece(QPainter& p, int code) {
  paint_board_square(p);
  const Face face = face_of(code);
  // The top player's pieces face the bottom player, as across a real board.
  const QTransform turn = code > 0 ? QTransform(-1, 0, 0, -1, kW, kH) : QTransform();
  const QPolygonF shape = turn.map(wedge(face.scale));

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 30, 5, 110));
  p.drawPolygon(shape.translated(0.9, 1.1));

  QLinearGradient body(0, 0, kW, kH);
  body.setColorAt(0, QColor(0xfd, 0xf0, 0xcc));
  body.setColorAt(0.55, QColor(0xf5, 0xdc, 0xa2));
  body.setColorAt(1, QColor(0xe2, 0xbd, 0x7c));
  p.setBrush(body);
  p.setPen(QPen(QColor(0x7a, 0x4c, 0x1e), 0.7));
  p.drawPolygon(shape);
  p.save();
  QPainterPath clip;
  clip.addPolygon(shape);
  p.setClipPath(clip);
  paint_wood_grain(p, shape.boundingRect(), 23 + static_cast<unsigned>(std::abs(code)),
                   QColor(0xc8, 0x98, 0x50), 5);
  p.restore();

  const QPainterPath glyph = turn.map(kanji_path(face, wedge(face.scale)));
  p.setPen(Qt::NoPen);
  p.setBrush(face.promoted ? QColor(0xc0, 0x12, 0x1a) : QColor(0x1c, 0x14, 0x10));
  p.drawPath(glyph);
}

}  // namespace hakuro::view::art
