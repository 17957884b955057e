#include "analysis/survey.h"

#include "analysis/bearing.h"

namespace hakuro {

namespace {

using bearing::Step;

inline constexpr Step PAWN_BOTTOM[] = {{0, -1}};
inline constexpr Step PAWN_TOP[] = {{0, 1}};
inline constexpr Step KNIGHT_BOTTOM[] = {{-1, -2}, {1, -2}};
inline constexpr Step KNIGHT_TOP[] = {{-1, 2}, {1, 2}};
inline constexpr Step SILVER_BOTTOM[] = {{0, -1}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
inline constexpr Step SILVER_TOP[] = {{0, 1}, {-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
inline constexpr Step CROSS[] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
inline constexpr Step CORNERS[] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
inline constexpr Step KING[] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1},
                                {-1, 1}, {1, 1},   {-1, 0}, {1, 0}};

// The tables every survey starts from; the attackers' and defenders' squares of the top player
// are kept from the last survey.
void reset(Survey& s) {
  static constexpr Table zero{}, none_sita = filled(NO_PIECE_LOW), none_ue = filled(NO_PIECE_HIGH);
  s.bottom_influence = s.top_influence = s.bottom_attack_count = zero;
  s.bottom_checks = s.top_checks = zero;
  s.bottom_attacker_x = s.bottom_attacker_y = zero;
  s.bottom_attacker = none_sita;
  s.top_attacker = s.bottom_defender = s.top_defender = none_ue;
}

// One straight line from the piece of `code`, recorded for its player.
void line_of(Game& g, int code, int x, int y, int dx, int dy) {
  if (code > 0)
    bearing::line<true>(g, code, x, y, dx, dy);
  else
    bearing::line<false>(g, code, x, y, dx, dy);
}

// A rook's four lines, in the order down, up, right, left.
void rook_lines(Game& g, int code, int x, int y) {
  influence_line_down(g, code, x, y);
  influence_line_up(g, code, x, y);
  influence_line_right(g, code, x, y);
  influence_line_left(g, code, x, y);
}

// The bottom player's piece c on (x, y); every bearing gets the full bottom record.
void bottom_piece(Game& g, int c, int x, int y) {
  auto bear = [&](int r) {
    return [&g, r, x, y](int tx, int ty) { bearing::bottom<true>(g, r, x, y, tx, ty); };
  };
  switch (c) {
    case -HU: bearing::steps(PAWN_BOTTOM, x, y, bear(c)); break;
    case -KYOU: influence_line_up(g, c, x, y); break;
    case -KEI:
      bearing::steps(KNIGHT_BOTTOM, x, y, [&](int tx, int ty) {
        bearing::bottom<true>(g, c, x, y, tx, ty);
        if (g.pos.board[tx][ty] == OU) g.survey.bottom_checks[tx][ty] = OUTE_KOMA;
      });
      break;
    case -GIN: bearing::steps(SILVER_BOTTOM, x, y, bear(c)); break;
    case -KIN:
    case -HU_NARI:
    case -KYOU_NARI:
    case -KEI_NARI:
    case -GIN_NARI: influence_bottom_gold(g, c, x, y); break;
    case -KAKU: influence_bottom_bishop(g, x, y); break;
    case -KAKU_NARI:
      bearing::steps(CROSS, x, y, bear(c));
      influence_bottom_bishop(g, x, y);
      break;
    case -SYA: rook_lines(g, c, x, y); break;
    case -SYA_NARI:
      rook_lines(g, c, x, y);
      bearing::steps(CORNERS, x, y, bear(c));
      break;
    case -OU:
      g.pos.bottom_king_x = x;
      g.pos.bottom_king_y = y;
      bearing::steps(KING, x, y,
                     [&](int tx, int ty) { bearing::bottom<false>(g, c, x, y, tx, ty); });
      break;
    default: break;
  }
}

// The top player's piece c on (x, y); the kind decides which parts of the record it writes.
void top_piece(Game& g, int c, int x, int y) {
  using namespace bearing;
  switch (c) {
    case HU:
      steps(PAWN_TOP, x, y, [&](int tx, int ty) { top<TOP_PAWN>(g, c, x, y, tx, ty); });
      break;
    case KYOU: influence_line_down(g, c, x, y); break;
    case KEI:
      steps(KNIGHT_TOP, x, y, [&](int tx, int ty) {
        top<TOP_MINOR>(g, c, x, y, tx, ty);
        if (g.pos.board[tx][ty] == -OU) g.survey.top_checks[tx][ty] = OUTE_KOMA;
      });
      break;
    case GIN:
      steps(SILVER_TOP, x, y, [&](int tx, int ty) { top<TOP_MINOR>(g, c, x, y, tx, ty); });
      break;
    case KIN:
    case HU_NARI:
    case KYOU_NARI:
    case KEI_NARI:
    case GIN_NARI: influence_top_gold(g, x, y); break;
    case KAKU: influence_top_bishop(g, c, x, y); break;
    case KAKU_NARI:
      steps(CROSS, x, y, [&](int tx, int ty) { top<TOP_HORSE_STEP>(g, c, x, y, tx, ty); });
      influence_top_bishop(g, c, x, y);
      break;
    case SYA: rook_lines(g, c, x, y); break;
    case SYA_NARI:
      rook_lines(g, c, x, y);
      steps(CORNERS, x, y, [&](int tx, int ty) { top<TOP_FULL>(g, c, x, y, tx, ty); });
      break;
    case OU:
      g.pos.top_king_x = x;
      g.pos.top_king_y = y;
      steps(KING, x, y, [&](int tx, int ty) { top<TOP_KING>(g, c, x, y, tx, ty); });
      break;
    default: break;
  }
}

}  // namespace

// The lines, golds and bishops the survey below is built of, for either player.
void influence_line_up(Game& g, int code, int x, int y) { line_of(g, code, x, y, 0, -1); }
void influence_line_down(Game& g, int code, int x, int y) { line_of(g, code, x, y, 0, 1); }
void influence_line_right(Game& g, int code, int x, int y) { line_of(g, code, x, y, 1, 0); }
void influence_line_left(Game& g, int code, int x, int y) { line_of(g, code, x, y, -1, 0); }

void influence_bottom_gold(Game& g, int code, int x, int y) { bearing::gold_bottom(g, code, x, y); }
void influence_top_gold(Game& g, int x, int y) { bearing::gold_top(g, x, y); }

void influence_bottom_bishop(Game& g, int x, int y) { bearing::diagonals<false>(g, -KAKU, x, y); }
void influence_top_bishop(Game& g, int code, int x, int y) {
  bearing::diagonals<true>(g, code, x, y);
}

void survey_influence(Game& g) {
  reset(g.survey);
  for (int x = 1; x <= MASU_SU; ++x) {
    for (int y = 1; y <= MASU_SU; ++y) {
      const int c = g.pos.board[x][y];
      if (c < 0)
        bottom_piece(g, c, x, y);
      else if (c > 0)
        top_piece(g, c, x, y);
    }
  }
}

}  // namespace hakuro
