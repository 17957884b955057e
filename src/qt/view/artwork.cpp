#include "qt/view/artwork.h"

#include <cstdlib>
#include <map>
#include <tuple>

#include <QPainter>

#include "qt/view/art_parts.h"
#include "state/game.h"

namespace hakuro::view {

namespace {

bool is_background(int id) { return id >= HAIKEI_MIDORI && id <= HAIKEI_RENGA; }

QImage draw(int id, QSize px) {
  const QSize natural = picture_pixels(id);
  QImage img(px, QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(static_cast<double>(px.width()) / natural.width(),
          static_cast<double>(px.height()) / natural.height());
  if (id == KARA) art::paint_board_square(p);
  else if (id == E_TITLE) art::paint_title(p);
  else if (is_background(id)) art::paint_background(p, id, px);
  else art::paint_piece(p, id);
  return img;
}

}  // namespace

QSize picture_pixels(int id) {
  const PictureSize size = hakuro::picture_pixels(id);
  return {size.w, size.h};
}

const QImage& picture_image(int id, QSize px) {
  static const QImage none;
  static std::map<std::tuple<int, int, int>, QImage> cache;
  if (picture_pixels(id).isEmpty() || px.isEmpty()) return none;
  const auto key = std::make_tuple(id, px.width(), px.height());
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  // Resizing the window leaves sizes behind that are never asked for again.
  if (cache.size() > 600) cache.clear();
  return cache.emplace(key, draw(id, px)).first->second;
}

}  // namespace hakuro::view
