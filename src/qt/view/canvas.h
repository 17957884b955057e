// What has been painted on the window, kept in window units so it can be shown at any size.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QTransform>
#include <vector>

#include "platform/ports.h"

class QPainter;

namespace hakuro::view {

// The part of the picture the window shows, in window units: from (0, 0) to here.
inline constexpr double kClientWidth = 9280;
inline constexpr double kClientHeight = 7240;
inline constexpr double kTwipsPerPixel = 15;

QColor palette_colour(int colour);

class Canvas : public Screen {
 public:
  void picture(int id, double x, double y) override;
  void outline(int colour, double x1, double y1, double x2, double y2) override;
  void text(double x, double y, const std::string& s, int colour, int size, bool bold) override;
  void background_colour(int colour) override;
  void refresh() override {}

  // The client area scaled uniformly to fit `target` (device pixels) and centred in it.
  static QTransform to_device(const QSizeF& target);
  // A point of the target back in window units.
  static QPointF to_window(const QSizeF& target, const QPointF& device);
  // Paints the kept picture into a target of the given size (device pixels).
  void render(QPainter& p, const QSizeF& target) const;
  // The client area's size in pixels at a scale (1 = 15 twips a pixel).
  static QSize client_pixels(double scale);
  QImage image(const QSize& pixels) const;

  std::size_t operations() const { return ops_.size(); }

 private:
  enum class Kind { Picture, Outline, Text };
  struct Op {
    Kind kind;
    QRectF rect;  // window units: picture or outline rectangle; text print point in topLeft
    int id_or_colour;
    int colour = 0, size = 0;
    bool bold = false;
    QString text;
  };
  void add_opaque(const QRectF& r);
  std::vector<Op> ops_;
  int background_ = 0;
};

}  // namespace hakuro::view
