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

void show_hint(Form& f, const engine::PlayedMove& m) {
  // The engine names a top-hand drop by its kind index; the hand shows kind k in row 8 - k.
  const int from_y = m.from_x == MOCHI_UE_X ? 8 - m.from_y : m.from_y;
  f.hint = {m.from_x, from_y, m.to_x, m.to_y};
  draw_square_outline(f, IRO_KIIRO, m.from_x, from_y);
  draw_square_outline(f, IRO_KIIRO, m.to_x, m.to_y);
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
              [&f](const std::optional<engine::PlayedMove>& m) {
                if (m) show_hint(f, *m);
                else refuse(f, "指せる手がありません", kTitle);
              });
}

void clear_hint(Form& f) {
  if (!f.hint) return;
  const auto [from_x, from_y, to_x, to_y] = *f.hint;
  f.hint.reset();
  plain_outline(f, from_x, from_y);
  plain_outline(f, to_x, to_y);
  const Selection& s = f.sel;
  if (s.picked == 1) {
    outline_reachable_squares(f, s.from_x, s.from_y, f.look.guidance_colour, s.picked_piece);
    draw_square_outline(f, IRO_AKA, s.picked_x, s.picked_y);
  }
}

}  // namespace hakuro
