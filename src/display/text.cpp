#include "display/text.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "display/draw.h"

namespace hakuro {

namespace {

const std::array<const char*, 10> kZenkaku = {"",   "１", "２", "３", "４",
                                              "５", "６", "７", "８", "９"};
const std::array<const char*, 10> kKanji = {"",   "一", "二", "三", "四",
                                            "五", "六", "七", "八", "九"};

// Every text of the window is printed in the bold face.
constexpr bool kBold = true;

void print(Form& f, double x, double y, const std::string& s, int colour, int size) {
  f.screen.text(cell_x(x), cell_y(y), s, colour, size, kBold);
}

std::size_t characters(const std::string& utf8) {
  std::size_t n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

// The shadow's place is rounded to whole tenths of a cell, the grid every text is placed on.
double tenth_more(double v) { return std::round((v + 0.1) * 10) / 10; }

template <class Print>
void shadowed(double x, double y, int colour, Print print) {
  print(tenth_more(x), tenth_more(y), IRO_KURO);
  print(x, y, colour);
}

std::string piece_name(int code) {
  switch (std::abs(code)) {
    case HU: return "歩";
    case HU_NARI: return "と";
    case KYOU: return "香";
    case KYOU_NARI: return "香成";
    case KEI: return "桂";
    case KEI_NARI: return "桂成";
    case GIN: return "銀";
    case GIN_NARI: return "銀成";
    case KIN: return "金";
    case KAKU: return "角";
    case KAKU_NARI: return "角成";
    case SYA: return "飛";
    case SYA_NARI: return "飛成";
    case OU: return "王";
    default: return "";
  }
}

}  // namespace

void draw_number(Form& f, double x, double y, int value, int colour, int mode, int size) {
  if (mode != 0) {
    if (value >= 1 && value <= 9) print(f, x, y, kKanji[value], colour, size);
    return;
  }
  // Plain numbers print with a blank where a plus sign would stand.
  std::string text = value < 0 ? "" : " ";
  text += std::to_string(value);
  print(f, x, y, text, colour, size);
}

void draw_number(Form& f, double x, double y, const std::string& value, int colour, int mode,
                 int size) {
  if (mode == 0) print(f, x, y, value, colour, size);
}

void shadowed_number(Form& f, double x, double y, int value, int colour, int mode, int size) {
  shadowed(x, y, colour,
           [&](double px, double py, int c) { draw_number(f, px, py, value, c, mode, size); });
}

void shadowed_text(Form& f, double x, double y, const std::string& s, int colour, int size) {
  shadowed(x, y, colour, [&](double px, double py, int c) { print(f, px, py, s, c, size); });
}

void shadowed_caption(Form& f, double x, double y, int code, int colour, int size) {
  shadowed(x, y, colour,
           [&](double px, double py, int c) { draw_caption(f, px, py, code, c, size); });
}

std::string handicap_name(int level) {
  static const std::array<const char*, 21> names = {
      "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段",
      "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級",
      "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級",
      "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",
      "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"};
  if (level < -10 || level > 10) return "";
  return names[static_cast<std::size_t>(level + 10)];
}

void draw_caption(Form& f, double x, double y, int code, int colour, int size) {
  std::string s = code == MOJI_TEME ? std::string("手目") : handicap_name(code);
  if (s.empty()) return;
  f.screen.text(cell_x(x) + 120, cell_y(y) + 160, s, colour, size, kBold);
}

std::string code_text(int value) {
  if (value >= 1 && value <= 9) return kZenkaku[static_cast<std::size_t>(value)];
  if (value > KANSUJI && value <= KANSUJI + 9)
    return kKanji[static_cast<std::size_t>(value - KANSUJI)];
  return piece_name(value);
}

double record_header_x(const std::string& text) {
  return ban_left + masu_w * (3 + (13 - static_cast<double>(characters(text))) / 5);
}

void draw_record_headers(Form& f, const std::string& title, const std::string& top_name,
                         const std::string& bottom_name) {
  // In window units: the title's place is moved left of where a name would stand, and the names
  // stand in the rows above and below the board.
  constexpr double title_shift = 3000, top_row = 100, bottom_row = 6350;
  f.screen.text(record_header_x(title) - title_shift, bottom_row, title, IRO_AKA, 12, kBold);
  f.screen.text(record_header_x(top_name), top_row, top_name, IRO_SHIRO, 12, kBold);
  f.screen.text(record_header_x(bottom_name), bottom_row, bottom_name, IRO_SHIRO, 12, kBold);
}

void draw_move_part(Form& f, double x, double y, const std::string& text, int colour) {
  print(f, x, y, text, colour, 12);
}

void draw_move_result(Form& f, int side, int to_x, int to_y, int piece, int colour) {
  keep_labels_current(f);
  erase_move_result(f, side);
  const bool turned = names_from_top(f);
  const std::string F = code_text(turned ? to_x : 10 - to_x),
                    R = code_text(KANSUJI + (turned ? 10 - to_y : to_y)), P = code_text(piece);
  auto show = [&](double x, double y, const std::string& text) {
    shadowed(x, y, colour,
             [&](double px, double py, int c) { draw_move_part(f, px, py, text, c); });
  };
  if (side == f.g.top_side) {
    show(-1.6, 8.4, F);
    show(-1.2, 8.4, R);
    show(-0.6, 8.4, P);
    draw_square_outline(f, f.look.background_colour, 1, 8);
    return;
  }
  if (side == f.g.bottom_side) {
    show(13.4, 3.4, F);
    show(13.8, 3.4, R);
    show(14.4, 3.4, P);
  }
}

void redraw_last_moves(Form& f) {
  const Game& g = f.g;
  bool top_shown = false, bottom_shown = false;
  for (int n = g.record.current_move(); n >= 1 && !(top_shown && bottom_shown); --n) {
    const Move& m = g.record.move(n).move;
    bool& shown = is_top(m.placed) ? top_shown : bottom_shown;
    if (shown) continue;
    draw_move_result(f, is_top(m.placed) ? g.top_side : g.bottom_side, m.to.x, m.to.y, m.placed,
                     f.look.text_colour);
    shown = true;
  }
}

void erase_move_result(Form& f, int side) {
  const int bg = f.look.background;
  if (side == f.g.top_side) {
    for (int x = -2; x <= 0; ++x) draw_picture(f, bg, x, 8);
    draw_square_outline(f, f.look.background_colour, -1, 7);
    draw_square_outline(f, f.look.background_colour, 1, 8);
  } else if (side == f.g.bottom_side) {
    for (int x = 13; x <= 15; ++x) draw_picture(f, bg, x, 3);
  }
}

void draw_move_number(Form& f, int n) {
  draw_picture(f, f.look.background, 13, 4);
  draw_picture(f, f.look.background, 14, 4);
  draw_square_outline(f, f.look.background_colour, 11, 4);
  const double x = n < 10 ? 13.2 : n < 100 ? 13.1 : 13.0;
  shadowed_number(f, x, 4.3, n, IRO_SHIRO, 0, 12);
  shadowed_caption(f, 13.8, 4.1, MOJI_TEME, IRO_SHIRO, 10);
}

void draw_level(Form& f, int level) {
  shadowed_text(f, -1.5, 0.1, "LEVEL", IRO_SHIRO, 10);
  shadowed_number(f, 0, 0, level, IRO_SHIRO, 0, 12);
}

void draw_handicap_level(Form& f, int level) {
  for (int x = 11; x <= 14; ++x) draw_picture(f, f.look.background, x, 2);
  shadowed_caption(f, 11, 2, level, IRO_SHIRO, 10);
}

}  // namespace hakuro
