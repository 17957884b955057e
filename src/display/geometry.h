// Where things stand on the window, in window units (twips), and how large the pictures are.
#pragma once

#include <optional>

#include "state/move.h"

namespace hakuro {

inline constexpr int TWIPS_PER_PIXEL = 15;

// Window point of a cell position (x, y may be fractional or off the board).
constexpr double cell_x(double x) { return ban_left + masu_w * x; }
constexpr double cell_y(double y) { return ban_top + masu_h * y; }

// The press point at the centre of cell (x, y), as the mouse handler rounds it.
constexpr double cell_centre_x(int x) { return ban_left + masu_w * x + masu_w / 2; }
constexpr double cell_centre_y(int y) { return ban_top + masu_h * y + masu_h / 2; }

// A picture's natural size in pixels: 33 x 41 for the pieces and the empty square, 34 x 41 for
// the five background tiles, 178 x 73 for the title; 0 x 0 for an id with no picture.
struct PictureSize {
  int w = 0, h = 0;
};
constexpr PictureSize picture_pixels(int id) {
  if (id == KARA || is_drawn_piece(id)) return {33, 41};
  if (id >= HAIKEI_MIDORI && id <= HAIKEI_RENGA) return {34, 41};
  if (id == E_TITLE) return {178, 73};
  return {};
}
constexpr bool has_picture(int id) { return picture_pixels(id).w > 0; }

// The hands' cells: kind k of the bottom hand in column 11, row k + 2 (pawn on row 3); of the
// top hand in column -1, row 8 - k (rook on row 1).
constexpr Square hand_cell(bool top, int kind) {
  return top ? Square{MOCHI_UE_X, 8 - kind} : Square{MOCHI_SITA_X, kind + 2};
}
// The hand and kind a cell of a hand's column stands for (the kind may be out of 1..7 off the
// hand's rows); nothing for a cell of another column.
struct HandPlace {
  bool top = false;
  int kind = 0;
};
constexpr std::optional<HandPlace> hand_at(Square cell) {
  if (cell.x == MOCHI_SITA_X) return HandPlace{false, cell.y - 2};
  if (cell.x == MOCHI_UE_X) return HandPlace{true, 8 - cell.y};
  return std::nullopt;
}
// The cell a move starts from: its square, or its mover's hand cell of the kind dropped.
constexpr Square source_cell(const Move& m) {
  return m.is_drop() ? hand_cell(m.by_top(), m.kind()) : m.square();
}

}  // namespace hakuro
