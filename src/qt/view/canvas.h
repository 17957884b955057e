// The kept picture of the window: everything the program has painted, as a short list of
// pictures, outlines and texts in window units (twips), ready to be painted at any size.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QRegion>
#include <QSize>
#include <QStringList>
#include <QTransform>

#include "platform/ports.h"

namespace hakuro::view {

// The window's client area below the menu bar, in twips: a 9400 x 8000 window less its frame,
// caption and menu bar (619 x 483 pixels, so that at whole scales every picture edge falls on a
// pixel). Everything the program draws on purpose lies inside it.
inline constexpr double kClientWidth = 9285;
inline constexpr double kClientHeight = 7245;

// Palette colour 0..15 (the classic 16-colour palette); black for any other number.
QColor palette_colour(int n);
// The Japanese gothic faces the window's texts are set in, best first.
QStringList gothic_families();

class Canvas : public Screen {
 public:
  void picture(int id, double x, double y) override;
  void outline(int colour, double x1, double y1, double x2, double y2) override;
  // The program's captions (思考中, 手目, the handicap levels) in the window's language.
  void text(double x, double y, const std::string& s, int colour, int size, bool bold) override;
  void background_colour(int colour) override;
  void refresh() override;

  // changed: after every drawing call (the window schedules a repaint);
  // refreshed: on refresh() (the window repaints at once).
  void set_listeners(std::function<void()> changed, std::function<void()> refreshed);

  // Paints the client area scaled uniformly to fit target and centred in it; the margins
  // show whatever was painted beyond the client area, else the background colour.
  void render(QPainter& p, const QRectF& target) const;
  // Twips to target coordinates, as render() places them, and back.
  static QTransform to_device(const QRectF& target);
  static QTransform to_device(QSizeF widget) { return to_device(QRectF(QPointF(0, 0), widget)); }
  static QPointF to_twips(QSizeF widget, QPointF point);
  // A rectangle in target coordinates with its edges on the nearest device pixels, as every
  // picture and outline is painted.
  static QRectF snapped(const QRectF& logical, double dpr);
  // The client area at `scale` pixels per pixel (1.0: 15 twips a pixel).
  static QSize client_pixels(double scale);
  // The whole picture rendered into an image of px pixels (for PNG files).
  QImage image(QSize px) const;

  std::size_t op_count() const { return ops_.size(); }
  // The texts kept, in the order printed.
  QStringList texts() const;
  QColor background() const { return background_; }

 private:
  enum class Kind { Picture, Outline, Text };
  struct Op {
    Kind kind;
    int value;        // picture id, or palette colour
    QRectF rect;      // picture bounds, outline corners, or text print point and estimated size
    QRegion visible;  // twips of it not yet painted over by a later picture
    QString s;
    int size = 0;
    bool bold = false;
  };

  void add(Op op);
  void cover(const QRectF& opaque);
  void changed();
  void paint_op(QPainter& p, const Op& op, const QTransform& t, double dpr) const;
  void tile_margins(QPainter& p, const QRectF& target, const QTransform& t, double dpr) const;

  std::vector<Op> ops_;
  QColor background_ = palette_colour(0);
  int margin_tile_ = 0;  // the background tile painted last
  std::function<void()> changed_, refreshed_;
};

}  // namespace hakuro::view
