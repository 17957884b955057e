#include "display/draw.h"

#include "display/clock_text.h"
#include "display/text.h"
#include "record/move_list.h"

namespace hakuro {

void 描画_絵(Form& f, int id, double x, double y) {
  if (has_picture(id)) f.screen.picture(id, cell_x(x), cell_y(y));
}

void 描画_桝輪郭(Form& f, int colour, double x, double y) {
  f.screen.outline(colour, cell_x(x), cell_y(y), cell_x(x + 1), cell_y(y + 1));
}

void 描画_将棋盤桝(Form& f) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) 描画_桝輪郭(f, f.g.look.masu_iro, x, y);
}

void 描画_盤(Form& f) {
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) {
      描画_絵(f, f.g.pos.ban[x][y], x, y);
      描画_桝輪郭(f, f.g.look.haikei_iro, x, y);
    }
}

void 描画_自持盤(Form& f) {
  Game& g = f.g;
  for (int k = 1; k <= 7; ++k) {
    const int r = k + 2;
    描画_絵(f, KARA, 11, r);
    描画_絵(f, g.look.haikei, 12, r);
    描画_桝輪郭(f, g.look.haikei_iro, 11, r);
    if (g.pos.mochi_sita[k] > 0) {
      描画_絵(f, -KIND_CODE[k], 11, r);
      描画_桝輪郭(f, g.look.haikei_iro, 11, r);
      shadowed_number(f, 12, r + 0.2, g.pos.mochi_sita[k], IRO_AKA, 0, 14);
    }
  }
}

void 描画_敵持盤(Form& f) {
  Game& g = f.g;
  for (int r = 1; r <= 7; ++r) {
    const int k = 8 - r;
    描画_絵(f, KARA, -1, r);
    描画_絵(f, g.look.haikei, 0, r);
    描画_桝輪郭(f, g.look.haikei_iro, -1, r);
    if (g.pos.mochi_ue[k] > 0) {
      描画_絵(f, KIND_CODE[k], -1, r);
      描画_桝輪郭(f, g.look.haikei_iro, -1, r);
      shadowed_number(f, 0, r + 0.2, g.pos.mochi_ue[k], IRO_AKA, 0, 14);
    }
    描画_桝輪郭(f, g.look.haikei_iro, 1, r);
  }
}

void 描画_桝_数値(Form& f) {
  const bool turned = f.g.look.labels_turned = names_from_top(f.g);
  for (int i = 1; i <= 9; ++i) {
    描画_絵(f, f.g.look.haikei, i, 0);
    shadowed_number(f, i + 0.1, 0.4, turned ? i : 10 - i, IRO_KIIRO, 0, 16);
    描画_絵(f, f.g.look.haikei, 10, i);
    shadowed_number(f, 10.1, i + 0.3, turned ? 10 - i : i, IRO_KIIRO, 1, 12);
    描画_桝輪郭(f, f.g.look.haikei_iro, 9, i);
  }
}

bool names_from_top(const Game& g) {
  return g.look.options.zahyo && g.teban != TEBAN_NASI && game_sides(g).sente_top;
}

bool keep_labels_current(Form& f) {
  if (names_from_top(f.g) == f.g.look.labels_turned) return false;
  描画_桝_数値(f);
  return true;
}

void draw_move(Form& f, int from_x, int from_y, int to_x, int to_y, int piece, bool captured) {
  const int outline = f.g.look.haikei_iro;
  if (captured) {
    描画_自持盤(f);
    描画_敵持盤(f);
  }
  描画_絵(f, KARA, from_x, from_y);
  描画_桝輪郭(f, outline, from_x, from_y);
  if (from_x == MOCHI_UE_X) 描画_敵持盤(f);
  else if (from_x == MOCHI_SITA_X) 描画_自持盤(f);
  描画_絵(f, piece, to_x, to_y);
  描画_桝輪郭(f, outline, to_x, to_y);
}

void 描画_背景(Form& f, int id) {
  for (int x = -3; x <= 20; ++x)
    for (int y = -2; y <= 15; ++y)
      if (x < 1 || x > 9 || y < 1 || y > 9) 描画_絵(f, id, x, y);
}

void 画面_再描画(Form& f) {
  Game& g = f.g;
  描画_背景(f, g.look.haikei);
  描画_桝_数値(f);
  描画_自持盤(f);
  描画_敵持盤(f);
  描画_盤(f);
  描画_所有時間(f, g.ue, g.clock.mochi_jikan_ue);
  描画_所有時間(f, g.sita, g.clock.mochi_jikan_sita);
  if (g.taikyoku_mode == MODE_COM) 描画_レベル(f, g.level);
  if (g.hande_settei == OK) 描画_ハンデレベル(f, g.hande_level);
  描画_絵(f, E_TITLE, 11.1, 0);
}

void 描画_棋譜読込み部分消去(Form& f) {
  描画_桝_数値(f);
  描画_絵(f, f.g.look.haikei, -1, 10);
  描画_絵(f, f.g.look.haikei, 0, 10);
  for (int x = 1; x <= 9; ++x) {
    描画_絵(f, f.g.look.haikei, x, 10);
    描画_桝輪郭(f, f.g.look.haikei_iro, x, 9);
  }
}

}  // namespace hakuro
