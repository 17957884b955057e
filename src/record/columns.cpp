#include "record/columns.h"

namespace hakuro {

namespace {

int hand_row(bool top, int kind, DropRow row) {
  if (!top) return kind + 2;
  return row == DropRow::kind ? kind : 8 - kind;
}

}  // namespace

Columns columns_of(const Move& m, DropRow row) {
  Columns c{0, 0, m.to.x, m.to.y, m.piece, m.placed, m.captured};
  if (m.is_drop()) {
    c.from_x = m.by_top() ? MOCHI_UE_X : MOCHI_SITA_X;
    c.from_y = hand_row(m.by_top(), m.kind(), row);
  } else {
    c.from_x = m.square().x;
    c.from_y = m.square().y;
  }
  return c;
}

bool read_columns(const Columns& c, RecordMove& m) {
  m.move = {Square{c.from_x, c.from_y}, {c.to_x, c.to_y}, c.piece, c.placed, c.captured};
  m.drop_row = DropRow::cell;
  if (!is_hand_column(c.from_x)) return true;
  const bool top = c.from_x == MOCHI_UE_X;
  if (top != is_top(c.placed)) return false;
  const int kind = kind_index(c.piece);
  m.move.from = FromHand{kind};
  // A row that names neither the cell nor the kind is taken as the cell's.
  if (top && c.from_y == kind && kind != 8 - kind) m.drop_row = DropRow::kind;
  return true;
}

Source source_of(int x, int y, DropRow row) {
  if (x == MOCHI_SITA_X) return FromHand{y - 2};
  if (x == MOCHI_UE_X) return FromHand{row == DropRow::kind ? y : 8 - y};
  return Square{x, y};
}

}  // namespace hakuro
