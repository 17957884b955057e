// hakuro-icon DIR: draws the program's icon, the bottom player's king on its board square in a
// rounded tile, as DIR/hakuro-N.png for N = 48, 64, 128 and 256.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "qt/view/art_parts.h"
#include "state/types.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString dir = QString::fromLocal8Bit(argv[1]);
  for (int n : {48, 64, 128, 256}) {
    QImage img(n, n, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0, 0, n, n), n * 0.16, n * 0.16);
    p.setClipPath(tile);
    // The piece's picture is 33 x 41; it fills the tile's height, the square's wood either side.
    const double scale = n / 41.0;
    p.save();
    p.scale(static_cast<double>(n) / 33.0, scale);
    hakuro::view::art::paint_board_square(p);
    p.restore();
    p.translate((n - 33 * scale) / 2, 0);
    p.scale(scale, scale);
    hakuro::view::art::paint_piece(p, -hakuro::OU);
    p.end();
    if (!img.save(dir + QStringLiteral("/hakuro-%1.png").arg(n), "PNG")) return 1;
  }
  return 0;
}
