// A record's move in the numbers the `.棋譜` file and the replay tool write: moto_x moto_y saki_x
// saki_y koma ato_koma tori_koma. A drop's source is its hand's column, -1 for the top hand and
// 11 for the bottom one, with a row: kind + 2 in the bottom hand; 8 - kind in the top hand, or
// the kind itself where the computer made the move (DropRow::kind).
#pragma once

#include "state/game.h"

namespace hakuro {

struct Columns {
  int from_x = 0, from_y = 0, to_x = 0, to_y = 0;
  int piece = 0, placed = 0, captured = 0;
};

Columns columns_of(const Move& m, DropRow row);
inline Columns columns_of(const RecordMove& m) { return columns_of(m.move, m.drop_row); }

// Whether a source column is a hand's.
constexpr bool is_hand_column(int x) { return x == MOCHI_SITA_X || x == MOCHI_UE_X; }

// The move the columns tell, into m.move and m.drop_row (a drop's kind is its piece's); false
// when a hand's column holds a piece of the other player.
bool read_columns(const Columns& c, RecordMove& m);

// The source (x, y) names where a top-hand drop's row is as `row` says: the rules' numbered entry
// points (駒移動, 移動チェック) take the kind index there.
Source source_of(int x, int y, DropRow row);

}  // namespace hakuro
