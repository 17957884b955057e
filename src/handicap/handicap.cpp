#include "handicap/handicap.h"

#include <array>
#include <cstdlib>

#include "display/draw.h"
#include "display/text.h"
#include "options/sound.h"
#include "record/panel.h"

namespace hakuro {

namespace {

// Bishop, rook, the two lances, knights, silvers and golds, in the order they are taken.
constexpr std::array<HandicapSquare, 10> kBottom = {{{2, 8, -KAKU}, {8, 8, -SYA}, {1, 9, -KYOU},
                                                     {9, 9, -KYOU}, {2, 9, -KEI}, {8, 9, -KEI},
                                                     {3, 9, -GIN}, {7, 9, -GIN}, {4, 9, -KIN},
                                                     {6, 9, -KIN}}};
constexpr std::array<HandicapSquare, 10> kTop = {{{8, 2, KAKU}, {2, 2, SYA}, {9, 1, KYOU},
                                                  {1, 1, KYOU}, {8, 1, KEI}, {2, 1, KEI},
                                                  {7, 1, GIN}, {3, 1, GIN}, {6, 1, KIN},
                                                  {4, 1, KIN}}};

void click(Form& f, int step) {
  Game& g = f.g;
  hide_record_panel(f.win);
  int reason = 0;
  if (g.kifu_mode == OK) reason = 1;
  else if (g.record.kifu_tesu > 0) reason = 2;
  else if (g.hanten == OK) reason = 3;
  if (reason != 0) {
    play(f, f.snd_kinshi);
    描画_メッセージ(f, reason);
    return;
  }
  g.record.saigo_tesu = 0;
  const int level = g.hande_level + step;
  if (level >= -10 && level <= 10) {
    g.hande_level = level;
    描画_ハンデレベル(f, level);
    const HandicapSquare s = step_handicap(g.pos, level - step, step);
    描画_絵(f, g.pos.ban[s.x][s.y], s.x, s.y);
    描画_桝輪郭(f, g.look.haikei_iro, s.x, s.y);
    play(f, f.snd_komaoto);
  }
  g.hande_settei = OK;
}

}  // namespace

HandicapSquare handicap_square(int level) {
  const auto i = static_cast<std::size_t>(std::abs(level) - 1);
  return level < 0 ? kBottom[i] : kTop[i];
}

HandicapSquare step_handicap(Position& p, int level, int step) {
  const int to = level + step;
  // Away from 0 a piece goes; towards 0 the piece of the level left comes back.
  const bool removes = std::abs(to) > std::abs(level);
  const HandicapSquare s = handicap_square(removes ? to : level);
  p.ban[s.x][s.y] = removes ? KARA : s.piece;
  return s;
}

void LBEL_UP_Click(Form& f) { click(f, 1); }
void LEBEL_DOWN_Click(Form& f) { click(f, -1); }

}  // namespace hakuro
