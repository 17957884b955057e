#include "computer/surveys.h"

#include <cstdlib>

#include "rules/legality.h"

namespace hakuro {

namespace {

bool is_line_piece_top(int c) {
  return c == KYOU || c == KAKU || c == KAKU_NARI || c == SYA || c == SYA_NARI;
}
bool is_line_piece_bottom(int c) { return is_line_piece_top(-c); }

// Some piece of `is_line` on the board reaches the king on (kx, ky).
template <class IsLine>
bool line_reaches(const Position& p, int kx, int ky, IsLine is_line) {
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y)
      if (is_line(p.board[x][y]) && may_move(p, x, y, kx, ky, p.board[x][y]) == OK) return true;
  return false;
}

// Both the human's bishop, horse, rook or dragon attack the pawn and nothing else does.
bool only_long_range_attackers(const Survey& s, int x, int y) {
  const int a = s.bottom_attacker[x][y];
  return a >= -SYA_NARI && a <= -KAKU;
}

}  // namespace

int human_king_escapes(const Game& g, const Survey& s) {
  const Position& p = g.pos;
  const int x = p.bottom_king_x, y = p.bottom_king_y;
  int n = 0;
  auto count = [&](int tx, int ty) {
    if (on_board(tx, ty) && p.board[tx][ty] == KARA && s.top_influence[tx][ty] == 0) ++n;
  };
  if (y > 1) {
    count(x, y - 1);
    if (x > 1) count(x - 1, y - 1);
    if (x < 9) count(x + 1, y - 1);
  }
  if (y < 9) {
    count(x, y + 1);
    if (x > 1) count(x - 1, y + 1);
    if (x < 9) count(x + 1, y + 1);
  }
  if (x > 1) count(x - 1, y);
  if (x < 9) count(x + 1, y);
  return n;
}

void mark_bishop_aims(const Game& g, Computer& com) {
  const Position& p = g.pos;
  const Table& U = com.survey.top_influence;
  const int kx = p.top_king_x, ky = p.top_king_y;
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) {
      com.scratch.bishop_aims_at_top[x][y] = 0;
      const bool uncovered =
          U[x][y] == 0 || (std::abs(x - kx) < 2 && std::abs(y - ky) < 2 && U[x][y] == 1);
      if (p.board[x][y] == KARA && uncovered && may_move(p, x, y, kx, ky, -KAKU) == OK)
        com.scratch.bishop_aims_at_top[x][y] = 1;
    }
}

void mark_pinned_pieces(Position& p, ComputerScratch& c) {
  c.top_pinned_any = NG;
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) {
      c.bottom_pinned[x][y] = c.top_pinned[x][y] = 0;
      const int piece = p.board[x][y];
      if (piece == KARA) continue;
      p.board[x][y] = KARA;
      if (is_bottom(piece) && line_reaches(p, p.bottom_king_x, p.bottom_king_y, is_line_piece_top))
        c.bottom_pinned[x][y] = 1;
      if (is_top(piece) && line_reaches(p, p.top_king_x, p.top_king_y, is_line_piece_bottom)) {
        c.top_pinned[x][y] = 1;
        c.top_pinned_any = OK;
      }
      p.board[x][y] = piece;
    }
}

int safe_move_count(const Game& g, const Survey& s, int x, int y, int piece) {
  const Table& other = piece >= HU ? s.bottom_influence : s.top_influence;
  int n = 0;
  for (int tx = 1; tx <= MASU_SU; ++tx)
    for (int ty = 1; ty <= MASU_SU; ++ty)
      if (within_reach(piece, tx - x, ty - y) && other[tx][ty] == 0 &&
          may_move(g.pos, x, y, tx, ty, piece) == OK)
        ++n;
  return n;
}

int surroundings(const Game& g, int x, int y) {
  int r = 0;
  for_each_neighbour(x, y, [&](int tx, int ty) {
    if (crowds(g.pos.board[tx][ty])) --r;
  });
  return r;
}

int human_straight_guard(Game& g, int x, int y) {
  if (!on_board(x, y)) return NG;
  Position& p = g.pos;
  const int here = p.board[x][y];
  p.board[x][y] = KARA;
  int result = NG;
  for (int y2 = y + 1; y2 <= MASU_SU; ++y2) {
    const int c = p.board[x][y2];
    if (is_top(c)) break;
    if (c == -KYOU || c == -SYA || c == -SYA_NARI) {
      result = may_move(p, x, y2, x, y, c);
      break;
    }
  }
  p.board[x][y] = here;
  return result;
}

int knight_aim(const Game& g, const Survey& s, int x, int y) {
  if (!on_board(x, y) || !only_long_range_attackers(s, x, y) || y <= 5) return 0;
  const Table& ban = g.pos.board;
  const Table& S = s.bottom_influence;
  const int attacker_x = s.bottom_attacker_x[x][y];
  int gain = 0;
  if (x > 2 && ban[x - 1][y - 2] == KARA && S[x - 1][y - 2] == 0 && ban[x - 2][y] <= -KAKU &&
      attacker_x != x - 2)
    gain += std::abs(ban[x - 2][y]);
  if (x < 8 && ban[x + 1][y - 2] == KARA && S[x + 1][y - 2] == 0 && ban[x + 2][y] <= -KAKU &&
      attacker_x != x + 2)
    gain += std::abs(ban[x + 2][y]);
  return gain;
}

int lance_aim(const Game& g, const Survey& s, int x, int y) {
  if (!on_board(x, y) || y <= 6) return 0;
  const Table& S = s.bottom_influence;
  const Table& U = s.top_influence;
  if (U[x][y - 1] <= 0 || S[x][y - 1] != 0 || !only_long_range_attackers(s, x, y)) return 0;
  for (int y2 = y + 1; y2 <= MASU_SU; ++y2) {
    const int c = g.pos.board[x][y2];
    if (c == KARA) continue;
    return may_move(g.pos, x, y, x, y2, KYOU) == OK ? std::abs(c) : 0;
  }
  return 0;
}

}  // namespace hakuro
