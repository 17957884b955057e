// Placeholder pictures until the artwork lands: flat colours with the piece's kanji.
#include "qt/view/artwork.h"

#include <QPainter>
#include <cstdlib>

#include "state/game.h"

namespace hakuro::view {

QSizeF picture_size(int id) {
  if (id == E_TITLE) return {178 * 15, 73 * 15};
  if (id >= HAIKEI_MIDORI && id <= HAIKEI_RENGA) return {34 * 15, 41 * 15};
  if (id == KARA || (std::abs(id) >= HU && std::abs(id) <= OU)) return {33 * 15, 41 * 15};
  return {};
}

void paint_picture(QPainter& p, int id, const QRectF& rect) {
  if (id >= HAIKEI_MIDORI && id <= HAIKEI_RENGA) p.fillRect(rect, QColor(0, 110, 40));
  else if (id == E_TITLE) p.fillRect(rect, QColor(60, 30, 10));
  else p.fillRect(rect, id == KARA ? QColor(220, 180, 110) : QColor(240, 210, 150));
}

}  // namespace hakuro::view
