#include <cmath>
#include <cstdint>

#include "qt/view/art_parts.h"

namespace hakuro::view::art {

double hash01(int x, int y, unsigned seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xffffff) / 16777216.0;
}

double periodic_noise(double x, double y, int period_x, int period_y, unsigned seed) {
  const double fx = std::floor(x), fy = std::floor(y);
  const double tx = x - fx, ty = y - fy;
  const auto wrap = [](int v, int period) { return ((v % period) + period) % period; };
  const int x0 = wrap(static_cast<int>(fx), period_x), x1 = wrap(x0 + 1, period_x);
  const int y0 = wrap(static_cast<int>(fy), period_y), y1 = wrap(y0 + 1, period_y);
  const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
  const double top = hash01(x0, y0, seed) * (1 - sx) + hash01(x1, y0, seed) * sx;
  const double bottom = hash01(x0, y1, seed) * (1 - sx) + hash01(x1, y1, seed) * sx;
  return top * (1 - sy) + bottom * sy;
}

QFont mincho(double pixel_size, bool bold) {
  QFont f;
  f.setFamilies({"IPAMincho", "IPAexMincho", "Noto Serif CJK JP", "IPAGothic", "IPAexGothic",
                 "Noto Sans CJK JP"});
  f.setPixelSize(static_cast<int>(std::lround(pixel_size)));
  f.setBold(bold);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

}  // namespace hakuro::view::art
