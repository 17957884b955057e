// How one bearing of a piece on a square enters the survey tables, for either player, and the
// long-range line that every lance, bishop and rook follows. Used only inside src/analysis.
#pragma once

#include <algorithm>

#include "analysis/survey.h"

namespace hakuro::bearing {

// A bottom piece with record code r on (x, y) bears on (tx, ty). Every bottom piece but the king
// marks a check when the square holds the top king.
template <bool Check>
inline void bottom(const Position& p, Survey& s, int r, int x, int y, int tx, int ty) {
  ++s.bottom_influence[tx][ty];
  const int b = p.board[tx][ty];
  if (b < 0) {
    if (s.bottom_defender[tx][ty] > r) s.bottom_defender[tx][ty] = r;
  } else if (b > 0) {
    ++s.bottom_attack_count[tx][ty];
    if (s.bottom_attacker[tx][ty] < r) {
      s.bottom_attacker[tx][ty] = r;
      s.bottom_attacker_x[tx][ty] = x;
      s.bottom_attacker_y[tx][ty] = y;
    }
    if (Check && b == OU) s.bottom_checks[x][y] = OUTE_KOMA;
  }
}

// Which parts of the record a top piece writes besides its influence count.
struct TopParts {
  bool defence, defence_square, attack, attack_square, check;
};
inline constexpr TopParts TOP_LINE{true, true, true, true, false};  // checks marked by the line
inline constexpr TopParts TOP_FULL{true, true, true, true, true};   // promoted rook's steps
inline constexpr TopParts TOP_PAWN{true, false, true, false, true};
inline constexpr TopParts TOP_MINOR{true, true, false, false, true};  // knight, silver
inline constexpr TopParts TOP_GOLD{true, false, false, false, true};
inline constexpr TopParts TOP_HORSE_STEP{false, false, false, false, true};
inline constexpr TopParts TOP_KING{true, false, false, false, false};

template <TopParts P>
inline void top(const Position& p, Survey& s, int r, int x, int y, int tx, int ty) {
  ++s.top_influence[tx][ty];
  const int b = p.board[tx][ty];
  if (b >= HU) {
    if (P.defence && s.top_defender[tx][ty] > r) {
      s.top_defender[tx][ty] = r;
      if (P.defence_square) {
        s.top_defender_x[tx][ty] = x;
        s.top_defender_y[tx][ty] = y;
      }
    }
  } else if (b <= -HU) {
    if (P.attack && s.top_attacker[tx][ty] > r) {
      s.top_attacker[tx][ty] = r;
      if (P.attack_square) {
        s.top_attacker_x[tx][ty] = x;
        s.top_attacker_y[tx][ty] = y;
      }
    }
  }
  if (P.check && b == -OU) s.top_checks[x][y] = OUTE_KOMA;
}

// Steps from (x, y) before leaving the board in direction d (0: no limit from this axis).
inline int room(int v, int d) { return d > 0 ? 9 - v : d < 0 ? v - 1 : 9; }

// The line from the piece of `code` on (x, y) in steps (dx, dy): every square is counted up to
// and including the first piece, except that the opposing king is counted and passed through.
// On meeting that king the squares between it and the piece get OUTE_AIDA and the piece's square
// OUTE_KOMA.
template <bool Top>
inline void line(const Position& p, Survey& s, int code, int x, int y, int dx, int dy) {
  const int king = Top ? -OU : OU;
  Table& oute = Top ? s.top_checks : s.bottom_checks;
  const int n = std::min(room(x, dx), room(y, dy));
  for (int i = 1; i <= n; ++i) {
    const int tx = x + i * dx, ty = y + i * dy;
    if constexpr (Top) top<TOP_LINE>(p, s, code, x, y, tx, ty);
    else bottom<false>(p, s, code, x, y, tx, ty);
    const int b = p.board[tx][ty];
    if (b == king) {
      for (int j = 1; j < i; ++j) oute[x + j * dx][y + j * dy] = OUTE_AIDA;
      oute[x][y] = OUTE_KOMA;
    } else if (b != KARA) {
      return;
    }
  }
}

template <bool Top>
inline void diagonals(const Position& p, Survey& s, int code, int x, int y) {
  line<Top>(p, s, code, x, y, -1, -1);
  line<Top>(p, s, code, x, y, 1, -1);
  line<Top>(p, s, code, x, y, -1, 1);
  line<Top>(p, s, code, x, y, 1, 1);
}

struct Step {
  int dx, dy;
};

// Applies `bear(tx, ty)` to each on-board square (x + dx, y + dy) of the pattern, in order.
template <std::size_t N, class Bear>
inline void steps(const Step (&pattern)[N], int x, int y, Bear&& bear) {
  for (const Step& s : pattern) {
    const int tx = x + s.dx, ty = y + s.dy;
    if (on_board(tx) && on_board(ty)) bear(tx, ty);
  }
}

// Gold patterns in the order they are visited; the bottom player's front is towards row 1.
inline constexpr Step GOLD_BOTTOM[] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 0}, {1, 0}};
inline constexpr Step GOLD_TOP[] = {{0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};

inline void gold_bottom(const Position& p, Survey& s, int code, int x, int y) {
  steps(GOLD_BOTTOM, x, y, [&](int tx, int ty) { bottom<true>(p, s, code, x, y, tx, ty); });
}

inline void gold_top(const Position& p, Survey& s, int x, int y) {
  steps(GOLD_TOP, x, y, [&](int tx, int ty) { top<TOP_GOLD>(p, s, KIN, x, y, tx, ty); });
}

}  // namespace hakuro::bearing
