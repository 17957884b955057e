#include "state/game.h"

#include <cstdlib>

namespace hakuro {

int kind_index(int code) {
  switch (std::abs(code)) {
    case HU: case HU_NARI: return 1;
    case KYOU: case KYOU_NARI: return 2;
    case KEI: case KEI_NARI: return 3;
    case GIN: case GIN_NARI: return 4;
    case KIN: case KIN_NARI: return 5;
    case KAKU: case KAKU_NARI: return 6;
    case SYA: case SYA_NARI: return 7;
    default: return 0;
  }
}

void set_starting_position(Game& g) {
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) g.ban[x][y] = KARA;
  for (int k = 1; k <= 7; ++k) g.mochi_sita[k] = g.mochi_ue[k] = KARA;

  constexpr int back[10] = {0, KYOU, KEI, GIN, KIN, OU, KIN, GIN, KEI, KYOU};
  for (int x = 1; x <= 9; ++x) {
    g.ban[x][1] = back[x];
    g.ban[x][3] = HU;
    g.ban[x][7] = -HU;
    g.ban[x][9] = -back[x];
  }
  g.ban[2][2] = SYA;
  g.ban[8][2] = KAKU;
  g.ban[2][8] = -KAKU;
  g.ban[8][8] = -SYA;

  g.mochi_sita_su = g.mochi_ue_su = 0;
  for (int k = 1; k <= 7; ++k) {
    if (g.mochi_sita[k] > 0) g.mochi_sita_su += g.mochi_sita[k];
    if (g.mochi_ue[k] > 0) g.mochi_ue_su += g.mochi_ue[k];
  }
}

void ensure_record(Game& g, int n) {
  if (n < 0) return;
  std::size_t need = static_cast<std::size_t>(n) + 1;
  if (g.kifu_ato_koma.size() >= need && g.kifu_moto_x.size() >= need) return;
  for (auto* v : {&g.kifu_moto_x, &g.kifu_moto_y, &g.kifu_saki_x, &g.kifu_saki_y, &g.kifu_koma,
                  &g.kifu_ato_koma, &g.kifu_tori_koma})
    if (v->size() < need) v->resize(need, 0);
  for (auto* v : {&g.kifu_jikan_sita_mae, &g.kifu_jikan_sita_ato, &g.kifu_jikan_ue_mae,
                  &g.kifu_jikan_ue_ato})
    if (v->size() < need) v->resize(need, 0.0);
}

}  // namespace hakuro
