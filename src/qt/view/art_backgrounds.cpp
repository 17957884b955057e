#include <algorithm>
#include <cmath>
#include <functional>

#include <QRadialGradient>

#include "qt/view/art_parts.h"
#include "state/game.h"

namespace hakuro::view::art {

namespace {

// Tiles are drawn every 33 pixels across although they are 34 wide, so every pattern here
// repeats every 33 x 41 pixels.
constexpr double kPeriodX = 33, kPeriodY = 41, kTileW = 34;

using Shader = std::function<QColor(double u, double v, double px)>;

QColor shade(QColor c, double k) {
  const auto ch = [k](int v) { return std::clamp(static_cast<int>(v * k), 0, 255); };
  return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

QColor mix(QColor a, QColor b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  const auto ch = [t](int x, int y) { return static_cast<int>(x + (y - x) * t); };
  return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()));
}

double smooth_edge(double distance, double px) { return std::clamp(distance / px, 0.0, 1.0); }

// Evaluates the shader at the centre of every device pixel (u, v in natural pixels, px the
// size of one device pixel in natural pixels) and paints the result over the tile.
void paint_shader(QPainter& p, QSize device, const Shader& colour) {
  QImage img(device, QImage::Format_RGB32);
  const double sx = kTileW / device.width(), sy = kPeriodY / device.height();
  for (int j = 0; j < device.height(); ++j) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(j));
    const double v = (j + 0.5) * sy;
    for (int i = 0; i < device.width(); ++i) {
      const double u = std::fmod((i + 0.5) * sx, kPeriodX);
      line[i] = colour(u, v, sx).rgb();
    }
  }
  p.drawImage(QRectF(0, 0, kTileW, kPeriodY), img);
}

QColor felt(double u, double v, double) {
  const double coarse = periodic_noise(u / 11, v / 41 * 4, 3, 4, 3);
  const double fine = periodic_noise(u, v, 33, 41, 5);
  const double fibre = periodic_noise(u / 3, v * 1.5, 11, 61, 9);
  return shade(QColor(0x1f, 0x78, 0x38),
               0.84 + 0.16 * coarse + 0.16 * (fine - 0.5) + 0.1 * (fibre - 0.5));
}

QColor tatami(double u, double v, double px) {
  constexpr double band = kPeriodY / 20;
  const int row = static_cast<int>(v / band);
  const double f = v / band - row;
  const double profile = 0.80 + 0.22 * std::sin(f * M_PI);
  const double strand = 0.92 + 0.12 * hash01(row, static_cast<int>(u / 11), 17);
  const double grain = 0.95 + 0.1 * periodic_noise(u / 1.5, row, 22, 20, 4);
  QColor c = shade(QColor(0xd2, 0xc4, 0x84), profile * strand * grain);
  const double warp = std::abs(std::remainder(u, 11.0));
  return mix(shade(c, 0.84), c, smooth_edge(warp - 0.2, px));
}

QColor bamboo(double u, double v, double px) {
  constexpr double half = 7.4;
  const double centres[2] = {8.25, 24.75};
  const double nodes[2] = {11.5, 31.0};
  for (int s = 0; s < 2; ++s) {
    const double t = (u - centres[s]) / half;
    if (std::abs(t) > 1) continue;
    const double round = std::sqrt(1 - t * t);
    const double light = 0.45 + 0.45 * round + 0.25 * std::exp(-std::pow((t + 0.45) * 4, 2));
    const double streak = 0.94 + 0.1 * periodic_noise(u * 1.3, v / 20, 43, 2, 21 + s);
    QColor c = shade(QColor(0x8c, 0xb4, 0x44), light * streak);
    const double dv = std::remainder(v - nodes[s], kPeriodY);
    if (std::abs(dv) < 1.4) {
      const double ridge = dv < 0 ? 1.18 : 0.55;
      c = mix(shade(c, ridge), c, smooth_edge(std::abs(dv) - 0.6, px * 1.5));
    }
    return mix(QColor(0x1a, 0x2e, 0x14), c, smooth_edge(1 - std::abs(t), px / half * 1.2));
  }
  return QColor(0x1a, 0x2e, 0x14);
}

QColor space(double u, double v, double) {
  const double cloud = periodic_noise(u / 11, v / 41 * 3, 3, 3, 31);
  const double wisp = periodic_noise(u / 5.5, v / 41 * 6, 6, 6, 37);
  const double glow = std::pow(cloud * 0.7 + wisp * 0.3, 3);
  return mix(QColor(0x04, 0x05, 0x16), QColor(0x4a, 0x22, 0x6e), glow * 1.3);
}

QColor brick(double u, double v, double px) {
  constexpr double row_h = kPeriodY / 4, brick_w = kPeriodX / 2, mortar = 1.1;
  const int row = static_cast<int>(v / row_h);
  const double fv = v - row * row_h;
  const double uu = std::fmod(u + (row % 2) * brick_w / 2, kPeriodX);
  const int col = static_cast<int>(uu / brick_w);
  const double fu = uu - col * brick_w;
  const double tone = 0.86 + 0.22 * hash01(col, row, 41);
  const double grain = 0.9 + 0.2 * periodic_noise(u * 1.2, v * 1.2, 40, 49, 43);
  double k = tone * grain;
  if (fv < 2.2) k *= 1.08;
  if (fv > row_h - 2.0) k *= 0.85;
  const QColor face = shade(QColor(0xa4, 0x4a, 0x30), k);
  const QColor joint = shade(QColor(0xb9, 0xb0, 0xa0), 0.9 + 0.15 * grain - 0.1);
  const double edge = std::min(fu - mortar, fv - mortar);
  return mix(joint, face, smooth_edge(edge, px));
}

// Many faint stars and one brighter one; few enough that the repeat is not obvious.
void paint_stars(QPainter& p) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 14; ++i) {
    const double x = kPeriodX * hash01(i, 1, 59), y = kPeriodY * hash01(i, 2, 59);
    const double r = i == 0 ? 0.75 : 0.18 + 0.3 * std::pow(hash01(i, 3, 59), 3);
    const int alpha = i == 0 ? 255 : static_cast<int>(90 + 150 * hash01(i, 4, 59));
    const QColor tint = i % 3 == 0   ? QColor(0xd8, 0xe4, 0xff, alpha)
                        : i % 3 == 1 ? QColor(0xff, 0xf0, 0xd0, alpha)
                                     : QColor(0xff, 0xff, 0xff, alpha);
    for (double dx : {-kPeriodX, 0.0, kPeriodX})
      for (double dy : {-kPeriodY, 0.0, kPeriodY}) {
        const QPointF c(x + dx, y + dy);
        QRadialGradient g(c, r * 2.5);
        g.setColorAt(0, tint);
        g.setColorAt(0.3, tint);
        g.setColorAt(1, QColor(tint.red(), tint.green(), tint.blue(), 0));
        p.setBrush(g);
        p.drawEllipse(c, r * 2.5, r * 2.5);
      }
  }
}

}  // namespace

void paint_background(QPainter& p, int id, QSize device_px) {
  switch (id) {
    case HAIKEI_MIDORI: paint_shader(p, device_px, felt); break;
    case HAIKEI_TATAMI: paint_shader(p, device_px, tatami); break;
    case HAIKEI_TAKE: paint_shader(p, device_px, bamboo); break;
    case HAIKEI_UCHU:
      paint_shader(p, device_px, space);
      p.save();
      p.setClipRect(QRectF(0, 0, kTileW, kPeriodY));
      paint_stars(p);
      p.restore();
      break;
    default: paint_shader(p, device_px, brick); break;
  }
}

}  // namespace hakuro::view::art
