#include "display/draw.h"

#include "display/clock_text.h"
#include "display/text.h"
#include "record/move_list.h"

namespace hakuro {

void draw_picture(Form& f, int id, double x, double y) {
  if (has_picture(id)) f.screen.picture(id, cell_x(x), cell_y(y));
}

void draw_square_outline(Form& f, int colour, double x, double y) {
  f.screen.outline(colour, cell_x(x), cell_y(y), cell_x(x + 1), cell_y(y + 1));
}

void draw_grid(Form& f) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) draw_square_outline(f, f.look.grid_colour, x, y);
}

void draw_board(Form& f) {
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) {
      draw_picture(f, f.g.pos.board[x][y], x, y);
      draw_square_outline(f, f.look.background_colour, x, y);
    }
}

void draw_bottom_hand(Form& f) {
  Game& g = f.g;
  for (int k = 1; k <= 7; ++k) {
    const auto [x, r] = hand_cell(false, k);
    draw_picture(f, KARA, x, r);
    draw_picture(f, f.look.background, x + 1, r);
    draw_square_outline(f, f.look.background_colour, x, r);
    if (g.pos.bottom_hand[k] > 0) {
      draw_picture(f, -KIND_CODE[k], x, r);
      draw_square_outline(f, f.look.background_colour, x, r);
      shadowed_number(f, x + 1, r + 0.2, g.pos.bottom_hand[k], IRO_AKA, 0, 14);
    }
  }
}

void draw_top_hand(Form& f) {
  Game& g = f.g;
  for (int k = 7; k >= 1; --k) {
    const auto [x, r] = hand_cell(true, k);
    draw_picture(f, KARA, x, r);
    draw_picture(f, f.look.background, x + 1, r);
    draw_square_outline(f, f.look.background_colour, x, r);
    if (g.pos.top_hand[k] > 0) {
      draw_picture(f, KIND_CODE[k], x, r);
      draw_square_outline(f, f.look.background_colour, x, r);
      shadowed_number(f, x + 1, r + 0.2, g.pos.top_hand[k], IRO_AKA, 0, 14);
    }
    draw_square_outline(f, f.look.background_colour, 1, r);
  }
}

void draw_coordinates(Form& f) {
  const bool turned = f.look.labels_turned = names_from_top(f);
  for (int i = 1; i <= 9; ++i) {
    draw_picture(f, f.look.background, i, 0);
    shadowed_number(f, i + 0.1, 0.4, turned ? i : 10 - i, IRO_KIIRO, 0, 16);
    draw_picture(f, f.look.background, 10, i);
    shadowed_number(f, 10.1, i + 0.3, turned ? 10 - i : i, IRO_KIIRO, 1, 12);
    draw_square_outline(f, f.look.background_colour, 9, i);
  }
}

bool names_from_top(const Form& f) {
  return f.look.options.sente_coordinates && f.g.side_to_move != TEBAN_NASI &&
         game_sides(f.g).sente_top;
}

bool keep_labels_current(Form& f) {
  if (names_from_top(f) == f.look.labels_turned) return false;
  draw_coordinates(f);
  return true;
}

void draw_move(Form& f, const Move& m, bool captured) {
  const int outline = f.look.background_colour;
  if (captured) {
    draw_bottom_hand(f);
    draw_top_hand(f);
  }
  if (!m.is_drop()) {
    draw_picture(f, KARA, m.square().x, m.square().y);
    draw_square_outline(f, outline, m.square().x, m.square().y);
  } else if (m.by_top()) {
    draw_top_hand(f);
  } else {
    draw_bottom_hand(f);
  }
  draw_picture(f, m.placed, m.to.x, m.to.y);
  draw_square_outline(f, outline, m.to.x, m.to.y);
}

void draw_background(Form& f, int id) {
  for (int x = -3; x <= 20; ++x)
    for (int y = -2; y <= 15; ++y)
      if (x < 1 || x > 9 || y < 1 || y > 9) draw_picture(f, id, x, y);
}

void redraw_screen(Form& f) {
  Game& g = f.g;
  draw_background(f, f.look.background);
  draw_coordinates(f);
  draw_bottom_hand(f);
  draw_top_hand(f);
  draw_board(f);
  draw_clocks(f);
  if (g.play_mode == MODE_COM) draw_level(f, g.level);
  if (g.handicap_set == OK) draw_handicap_level(f, g.handicap_level);
  draw_picture(f, E_TITLE, 11.1, 0);
}

void erase_record_headers(Form& f) {
  draw_coordinates(f);
  draw_picture(f, f.look.background, -1, 10);
  draw_picture(f, f.look.background, 0, 10);
  for (int x = 1; x <= 9; ++x) {
    draw_picture(f, f.look.background, x, 10);
    draw_square_outline(f, f.look.background_colour, x, 9);
  }
}

}  // namespace hakuro
