#include "control/hint.h"

#include "control/mouse.h"
#include "control/resign.h"
#include "control/thinking.h"
#include "display/draw.h"
#include "options/sound.h"

namespace hakuro {

namespace {

constexpr const char* kTitle = "ヒント";
constexpr int kHintLevel = 5;

void refuse(Form& f, const char* text, const char* title) {
  play(f, f.refused_sound);
  msg_ok(f, text, title);
}

// A cell's outline as the board draws it: squares in the grid's colour, hand cells in the
// background's.
void plain_outline(Form& f, int x, int y) {
  draw_square_outline(f, on_board(x, y) ? f.look.grid_colour : f.look.background_colour, x, y);
}

void show_hint(Form& f, const Move& m) {
  f.hint = m;
  const Square from = source_cell(m);
  draw_square_outline(f, IRO_KIIRO, from.x, from.y);
  draw_square_outline(f, IRO_KIIRO, m.to.x, m.to.y);
}

}  // namespace

void on_hint(Form& f) {
  Game& g = f.g;
  if (g.record_mode == OK) return refuse(f, "棋譜ﾓｰﾄﾞではできません", kTitle);
  if (g.side_to_move == TEBAN_NASI) return refuse(f, "「対局」で始めて下さい", "開始");
  if (game_over(g)) return refuse(f, "勝負はついています", kTitle);
  if (g.play_mode == MODE_COM && g.side_to_move != g.bottom_side)
    return refuse(f, "COMの番です", kTitle);
  clear_hint(f);
  search_move(f, g.side_to_move == g.top_side, search_limits(f, kHintLevel),
              [&f](const std::optional<Move>& m) {
                if (m) show_hint(f, *m);
                else refuse(f, "指せる手がありません", kTitle);
              });
}

void clear_hint(Form& f) {
  if (!f.hint) return;
  const Square from = source_cell(*f.hint), to = f.hint->to;
  f.hint.reset();
  plain_outline(f, from.x, from.y);
  plain_outline(f, to.x, to.y);
  const Selection& s = f.sel;
  if (s.picked == 1) {
    outline_reachable_squares(f, s.from_x, s.from_y, f.look.guidance_colour, s.picked_piece);
    draw_square_outline(f, IRO_AKA, s.picked_x, s.picked_y);
  }
}

}  // namespace hakuro
