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
void line_of(const Position& p, Survey& s, int code, int x, int y, int dx, int dy) {
  if (code > 0) bearing::line<true>(p, s, code, x, y, dx, dy);
  else bearing::line<false>(p, s, code, x, y, dx, dy);
}

// A rook's four lines, in the order down, up, right, left.
void rook_lines(const Position& p, Survey& s, int code, int x, int y) {
  influence_line_down(p, s, code, x, y);
  influence_line_up(p, s, code, x, y);
  influence_line_right(p, s, code, x, y);
  influence_line_left(p, s, code, x, y);
}

// The bottom player's piece c on (x, y); every bearing gets the full bottom record.
void bottom_piece(Position& p, Survey& s, int c, int x, int y) {
  auto bear = [&](int r) {
    return [&p, &s, r, x, y](int tx, int ty) { bearing::bottom<true>(p, s, r, x, y, tx, ty); };
  };
  switch (c) {
    case -HU: bearing::steps(PAWN_BOTTOM, x, y, bear(c)); break;
    case -KYOU: influence_line_up(p, s, c, x, y); break;
    case -KEI:
      bearing::steps(KNIGHT_BOTTOM, x, y, [&](int tx, int ty) {
        bearing::bottom<true>(p, s, c, x, y, tx, ty);
        if (p.board[tx][ty] == OU) s.bottom_checks[tx][ty] = OUTE_KOMA;
      });
      break;
    case -GIN: bearing::steps(SILVER_BOTTOM, x, y, bear(c)); break;
    case -KIN:
    case -HU_NARI:
    case -KYOU_NARI:
    case -KEI_NARI:
    case -GIN_NARI: influence_bottom_gold(p, s, c, x, y); break;
    case -KAKU: influence_bottom_bishop(p, s, x, y); break;
    case -KAKU_NARI:
      bearing::steps(CROSS, x, y, bear(c));
      influence_bottom_bishop(p, s, x, y);
      break;
    case -SYA: rook_lines(p, s, c, x, y); break;
    case -SYA_NARI:
      rook_lines(p, s, c, x, y);
      bearing::steps(CORNERS, x, y, bear(c));
      break;
    case -OU:
      p.bottom_king_x = x;
      p.bottom_king_y = y;
      bearing::steps(KING, x, y,
                     [&](int tx, int ty) { bearing::bottom<false>(p, s, c, x, y, tx, ty); });
      break;
    default: break;
  }
}

// The top player's piece c on (x, y); the kind decides which parts of the record it writes.
void top_piece(Position& p, Survey& s, int c, int x, int y) {
  using namespace bearing;
  switch (c) {
    case HU:
      steps(PAWN_TOP, x, y, [&](int tx, int ty) { top<TOP_PAWN>(p, s, c, x, y, tx, ty); });
      break;
    case KYOU: influence_line_down(p, s, c, x, y); break;
    case KEI:
      steps(KNIGHT_TOP, x, y, [&](int tx, int ty) {
        top<TOP_MINOR>(p, s, c, x, y, tx, ty);
        if (p.board[tx][ty] == -OU) s.top_checks[tx][ty] = OUTE_KOMA;
      });
      break;
    case GIN:
      steps(SILVER_TOP, x, y, [&](int tx, int ty) { top<TOP_MINOR>(p, s, c, x, y, tx, ty); });
      break;
    case KIN:
    case HU_NARI:
    case KYOU_NARI:
    case KEI_NARI:
    case GIN_NARI: influence_top_gold(p, s, x, y); break;
    case KAKU: influence_top_bishop(p, s, c, x, y); break;
    case KAKU_NARI:
      steps(CROSS, x, y, [&](int tx, int ty) { top<TOP_HORSE_STEP>(p, s, c, x, y, tx, ty); });
      influence_top_bishop(p, s, c, x, y);
      break;
    case SYA: rook_lines(p, s, c, x, y); break;
    case SYA_NARI:
      rook_lines(p, s, c, x, y);
      steps(CORNERS, x, y, [&](int tx, int ty) { top<TOP_FULL>(p, s, c, x, y, tx, ty); });
      break;
    case OU:
      p.top_king_x = x;
      p.top_king_y = y;
      steps(KING, x, y, [&](int tx, int ty) { top<TOP_KING>(p, s, c, x, y, tx, ty); });
      break;
    default: break;
  }
}

}  // namespace

// The lines, golds and bishops the survey below is built of, for either player.
void influence_line_up(const Position& p, Survey& s, int code, int x, int y) {
  line_of(p, s, code, x, y, 0, -1);
}
void influence_line_down(const Position& p, Survey& s, int code, int x, int y) {
  line_of(p, s, code, x, y, 0, 1);
}
void influence_line_right(const Position& p, Survey& s, int code, int x, int y) {
  line_of(p, s, code, x, y, 1, 0);
}
void influence_line_left(const Position& p, Survey& s, int code, int x, int y) {
  line_of(p, s, code, x, y, -1, 0);
}

void influence_bottom_gold(const Position& p, Survey& s, int code, int x, int y) {
  bearing::gold_bottom(p, s, code, x, y);
}
void influence_top_gold(const Position& p, Survey& s, int x, int y) {
  bearing::gold_top(p, s, x, y);
}

void influence_bottom_bishop(const Position& p, Survey& s, int x, int y) {
  bearing::diagonals<false>(p, s, -KAKU, x, y);
}
void influence_top_bishop(const Position& p, Survey& s, int code, int x, int y) {
  bearing::diagonals<true>(p, s, code, x, y);
}

void survey_influence(Position& p, Survey& s) {
  reset(s);
  for (int x = 1; x <= MASU_SU; ++x) {
    for (int y = 1; y <= MASU_SU; ++y) {
      const int c = p.board[x][y];
      if (c < 0) bottom_piece(p, s, c, x, y);
      else if (c > 0) top_piece(p, s, c, x, y);
    }
  }
}

}  // namespace hakuro
