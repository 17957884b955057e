#include "display/clock_text.h"

#include <cmath>

#include "display/draw.h"
#include "display/text.h"

namespace hakuro {

double elapsed_seconds(double start, double now) {
  return start <= now ? now - start : now + 86400 - start;
}

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

namespace {

// The side's clock: `text`, and after it `word` when there is one.
void draw_clock_text(Form& f, int side, const std::string& text, int colour,
                     const char* word = nullptr) {
  erase_time_held(f, side);
  double x = 0;
  if (side == f.g.bottom_side) x = 13;
  else if (side == f.g.top_side) x = -1.6;
  else return;
  shadowed_text(f, x, 9.2, text, colour, 12);
  if (word) shadowed_text(f, x + 0.6, 9.2, word, colour, 12);
  if (side == f.g.top_side) draw_square_outline(f, f.look.background_colour, 1, 9);
}

}  // namespace

void draw_time_held(Form& f, int side, double seconds) {
  if (!f.look.options.show_times) return;
  draw_clock_text(f, side, time_text(seconds), IRO_SHIRO);
}

void draw_clock(Form& f, int side) {
  const Game& g = f.g;
  const bool top = side == g.top_side;
  if (!g.time_control.on()) return draw_time_held(f, side, top ? g.top_time : g.bottom_time);
  const bool to_move = side == g.side_to_move;
  const double spent =
      to_move && f.timer1 ? elapsed_seconds(f.clock.turn_start, f.win.time_of_day()) : 0;
  const ClockReading r = clock_reading(g.time_control, top ? g.top_left : g.bottom_left, spent);
  const double shown = std::ceil(r.seconds);
  const int colour = to_move ? IRO_KIIRO : IRO_SHIRO;
  if (r.in_byoyomi)
    draw_clock_text(f, side, std::to_string(static_cast<int>(shown)), colour, "秒読み");
  else draw_clock_text(f, side, time_text(shown), colour);
}

void draw_clocks(Form& f) {
  draw_clock(f, f.g.top_side);
  draw_clock(f, f.g.bottom_side);
}

}  // namespace hakuro
