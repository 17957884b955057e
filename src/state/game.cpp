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

void set_starting_position(Position& p) {
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) p.ban[x][y] = KARA;
  for (int k = 1; k <= 7; ++k) p.mochi_sita[k] = p.mochi_ue[k] = KARA;

  constexpr int back[10] = {0, KYOU, KEI, GIN, KIN, OU, KIN, GIN, KEI, KYOU};
  for (int x = 1; x <= 9; ++x) {
    p.ban[x][1] = back[x];
    p.ban[x][3] = HU;
    p.ban[x][7] = -HU;
    p.ban[x][9] = -back[x];
  }
  p.ban[2][2] = SYA;
  p.ban[8][2] = KAKU;
  p.ban[2][8] = -KAKU;
  p.ban[8][8] = -SYA;

  p.mochi_sita_su = p.mochi_ue_su = 0;
  for (int k = 1; k <= 7; ++k) {
    if (p.mochi_sita[k] > 0) p.mochi_sita_su += p.mochi_sita[k];
    if (p.mochi_ue[k] > 0) p.mochi_ue_su += p.mochi_ue[k];
  }
}

void forget_missing_kings(Position& p) {
  bool top = false, bottom = false;
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) {
      top = top || p.ban[x][y] == OU;
      bottom = bottom || p.ban[x][y] == -OU;
    }
  if (!top) p.ou_ue_x = p.ou_ue_y = 0;
  if (!bottom) p.ou_sita_x = p.ou_sita_y = 0;
}

Position starting_position() {
  Position p;
  set_starting_position(p);
  return p;
}

bool Record::hirate() const {
  static const Position full = starting_position();
  return kaishi.ban == full.ban && kaishi.mochi_sita == full.mochi_sita &&
         kaishi.mochi_ue == full.mochi_ue;
}

}  // namespace hakuro
