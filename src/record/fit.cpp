#include "record/fit.h"

#include <cstdlib>

#include "rules/legality.h"
#include "rules/move.h"

namespace hakuro {

namespace {

constexpr int kTop = 1, kBottom = -1;  // the scratch game's side values

int mover_of(const KifuMove& m) { return is_top(m.ato_koma) ? kTop : kBottom; }

bool same_owner(int a, int b) { return (is_top(a) && is_top(b)) || (is_bottom(a) && is_bottom(b)); }

bool drop_fits(Game& g, const KifuMove& m, int mover) {
  const int k = kind_index(m.koma);
  const Hand& hand = mover == kTop ? g.pos.mochi_ue : g.pos.mochi_sita;
  if (m.moto_x != (mover == kTop ? MOCHI_UE_X : MOCHI_SITA_X)) return false;
  if (m.ato_koma != m.koma || k == 0 || KIND_CODE[static_cast<std::size_t>(k)] != std::abs(m.koma))
    return false;
  if (hand[static_cast<std::size_t>(k)] < 1 || m.tori_koma != KARA) return false;
  set_nifu_flags(g.pos);
  return may_move(g.pos, m.moto_x, m.moto_y, m.saki_x, m.saki_y, m.koma) == OK;
}

bool board_move_fits(Game& g, const KifuMove& m) {
  if (!on_board(m.moto_x, m.moto_y) || !on_board(m.saki_x, m.saki_y)) return false;
  if (g.pos.ban[m.moto_x][m.moto_y] != m.koma || g.pos.ban[m.saki_x][m.saki_y] != m.tori_koma)
    return false;
  if (may_move(g.pos, m.moto_x, m.moto_y, m.saki_x, m.saki_y, m.koma) != OK) return false;
  const bool may_promote = check_promotion(g, m.moto_x, m.moto_y, m.saki_x, m.saki_y, m.koma) == OK;
  if (m.ato_koma == m.koma) return may_stay_unpromoted(m.saki_y, m.koma) == OK;
  return may_promote && m.ato_koma == g.nari_koma;
}

}  // namespace

Game scratch_game(const Position& start) {
  Game g;
  g.pos = start;
  g.sita = kBottom;
  g.ue = kTop;
  g.teban = TEBAN_NASI;
  g.ou_tori = TEBAN_NASI;
  return g;
}

bool move_fits(Game& g, const KifuMove& m) {
  const int mover = mover_of(m);
  if (g.ou_tori != TEBAN_NASI || g.teban == mover) return false;
  if (!same_owner(m.koma, m.ato_koma) || !on_board(m.saki_x, m.saki_y)) return false;
  return is_drop(m.moto_x) ? drop_fits(g, m, mover) : board_move_fits(g, m);
}

void play_fitting(Game& g, const KifuMove& m) {
  g.teban = mover_of(m);
  const int k = kind_index(m.koma);
  int from_y = m.moto_y;
  if (m.moto_x == MOCHI_UE_X) from_y = k;
  else if (m.moto_x == MOCHI_SITA_X) from_y = k + 2;
  make_move(g, m.moto_x, from_y, m.saki_x, m.saki_y, m.ato_koma);
}

std::size_t fitting_moves(const Position& start, const std::vector<KifuMove>& moves) {
  Game g = scratch_game(start);
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (!move_fits(g, moves[i])) return i;
    play_fitting(g, moves[i]);
  }
  return moves.size();
}

}  // namespace hakuro
