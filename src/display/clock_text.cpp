#include "display/clock_text.h"

#include "display/draw.h"
#include "display/text.h"

namespace hakuro {

std::string two_digits(long long n) {
  const std::string s = std::to_string(n);
  if (s.size() == 1) return "0" + s;
  if (s.size() == 2) return s;
  return "";
}

std::string time_text(double s) {
  long long h = 0;
  if (s >= 3600) {
    h = static_cast<long long>(s / 3600);
    s -= 3600.0 * static_cast<double>(h);
  }
  const long long m = static_cast<long long>(s / 60);
  const double sec = s - 60.0 * static_cast<double>(m);
  return two_digits(h) + ":" + two_digits(m) + ":" + two_digits(static_cast<long long>(sec));
}

void erase_time_held(Form& f, int side) {
  int from = 0;
  if (side == f.g.bottom_side) from = 13;
  else if (side == f.g.top_side) from = -2;
  else return;
  for (int x = from; x < from + 3; ++x) draw_picture(f, f.look.background, x, 9);
}

void draw_time_held(Form& f, int side, double seconds) {
  if (!f.look.options.show_times) return;
  const std::string text = time_text(seconds);
  erase_time_held(f, side);
  if (side == f.g.bottom_side) {
    shadowed_text(f, 13, 9.2, text, IRO_SHIRO, 12);
  } else if (side == f.g.top_side) {
    shadowed_text(f, -1.6, 9.2, text, IRO_SHIRO, 12);
    draw_square_outline(f, f.look.background_colour, 1, 9);
  }
}

}  // namespace hakuro
