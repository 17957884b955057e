#include "record/kifu.h"

namespace hakuro {

void 手順保存(Game& g, int from_x, int from_y, int to_x, int to_y, int piece, int after_piece,
              double sita_before, double sita_after, double ue_before, double ue_after) {
  const int n = ++g.record.kifu_tesu;
  KifuMove& m = g.record.at(n);
  m.moto_x = from_x;
  m.moto_y = from_y;
  m.saki_x = to_x;
  m.saki_y = to_y;
  m.koma = piece;
  m.ato_koma = after_piece;
  m.tori_koma = on_board(to_x, to_y) ? g.pos.ban[to_x][to_y] : KARA;
  m.jikan_sita_mae = sita_before;
  m.jikan_sita_ato = sita_after;
  m.jikan_ue_mae = ue_before;
  m.jikan_ue_ato = ue_after;
  g.record.saigo_tesu = n;
  g.record.end = {};
  if (n == 1) g.record.ue_sente = is_top(piece);
  // The level the computer began at stays; a level chosen later is noted by the move.
  const int began = n > 1 && g.record.com_level > 0 ? g.record.com_level : g.level;
  g.record.com_level = g.taikyoku_mode == MODE_COM ? began : 0;
}

GameEnd end_of(const std::vector<KifuMove>& moves) {
  if (moves.empty()) return {};
  const int taken = moves.back().tori_koma;
  if (taken == OU) return {EndReason::king_taken, false};
  if (taken == -OU) return {EndReason::king_taken, true};
  return {};
}

}  // namespace hakuro
