#include "record/kifu.h"

namespace hakuro {

void 手順保存(Game& g, int from_x, int from_y, int to_x, int to_y, int piece, int after_piece,
              double sita_before, double sita_after, double ue_before, double ue_after) {
  const int n = ++g.kifu_tesu;
  ensure_record(g, n);
  const auto i = static_cast<std::size_t>(n);
  g.kifu_moto_x[i] = from_x;
  g.kifu_moto_y[i] = from_y;
  g.kifu_saki_x[i] = to_x;
  g.kifu_saki_y[i] = to_y;
  g.kifu_koma[i] = piece;
  g.kifu_ato_koma[i] = after_piece;
  g.kifu_tori_koma[i] = (to_x >= 1 && to_x <= 9 && to_y >= 1 && to_y <= 9) ? g.ban[to_x][to_y] : KARA;
  g.kifu_jikan_sita_mae[i] = sita_before;
  g.kifu_jikan_sita_ato[i] = sita_after;
  g.kifu_jikan_ue_mae[i] = ue_before;
  g.kifu_jikan_ue_ato[i] = ue_after;
  g.saigo_tesu = n;
}

}  // namespace hakuro
