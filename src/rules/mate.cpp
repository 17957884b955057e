#include "rules/mate.h"

#include <cstdlib>

#include "analysis/survey.h"
#include "rules/legality.h"
#include "rules/move.h"

namespace hakuro {

namespace {

// What differs between the two kings' mate tests.
struct Side {
  int kx, ky;
  int hand_total, hand_pawns;
  int pawn, king;
  const Table& enemy_influence;  // how many enemy pieces bear on a square
  const Table& checks;           // the enemy's check map against this king
};

// A piece of the defending side (the side of `pawn`) other than its king.
bool is_defender(int code, int pawn) {
  return pawn < 0 ? (code >= -SYA_NARI && code <= -HU) : (code >= HU && code <= SYA_NARI);
}

// Step 2: a drop between a long-range checker and the king parries every check.
bool drop_interposes(Game& g, const Side& s) {
  if (s.hand_total <= 0) return false;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int mark = s.checks[x][y];
      if (mark == OUTE_KOMA && std::abs(x - s.kx) < 2 && std::abs(y - s.ky) < 2) return false;
      if (mark != OUTE_AIDA) continue;
      if (s.hand_total == s.hand_pawns && may_move(g.pos, FromHand{1}, {x, y}, s.pawn) == NG)
        return false;
      g.pos.board[x][y] = s.pawn;
      for (int x2 = 1; x2 <= 9; ++x2)
        for (int y2 = 1; y2 <= 9; ++y2)
          if (s.checks[x2][y2] == OUTE_KOMA &&
              may_move(g.pos, x2, y2, s.kx, s.ky, g.pos.board[x2][y2]) == OK) {
            g.pos.board[x][y] = KARA;
            return false;
          }
      g.pos.board[x][y] = KARA;
    }
  return true;
}

// Step 3: the king steps to a square no enemy piece bears on (an own piece there may be taken).
bool king_escapes(const Game& g, const Side& s) {
  for (int x = s.kx - 1; x <= s.kx + 1; ++x)
    for (int y = s.ky - 1; y <= s.ky + 1; ++y)
      if (on_board(x, y) && may_move(g.pos, s.kx, s.ky, x, y, s.king) == OK &&
          s.enemy_influence[x][y] == 0)
        return true;
  return false;
}

// Step 4: some own piece takes a checker or blocks a line, judged by `parried` on the trial.
template <class Parried>
bool piece_defends(Game& g, const Side& s, Parried parried) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int piece = g.pos.board[x][y];
      if (!is_defender(piece, s.pawn)) continue;
      for (int x2 = 1; x2 <= 9; ++x2)
        for (int y2 = 1; y2 <= 9; ++y2) {
          if ((x2 == x && y2 == y) || s.checks[x2][y2] <= 0 ||
              may_move(g.pos, x, y, x2, y2, piece) == NG)
            continue;
          const int there = g.pos.board[x2][y2];
          g.pos.board[x2][y2] = piece;
          g.pos.board[x][y] = KARA;
          const bool ok = parried();
          g.pos.board[x][y] = piece;
          g.pos.board[x2][y2] = there;
          if (ok) return true;
        }
    }
  return false;
}

template <class Parried>
int mated(Game& g, const Side& s, Parried parried) {
  if (s.enemy_influence[s.kx][s.ky] == 0) return NG;
  // The pawn-drop test reads the two-pawn flags, which may predate the last move.
  set_nifu_flags(g.pos);
  if (drop_interposes(g, s)) return NG;
  if (king_escapes(g, s)) return NG;
  if (piece_defends(g, s, parried)) return NG;
  return OK;
}

// The king stands on its square: one side of a tsume has none.
bool king_on(const Position& p, int x, int y, int king) {
  return on_board(x, y) && p.board[x][y] == king;
}

}  // namespace

int human_king_attacked(const Game& g) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (g.pos.board[x][y] >= HU &&
          may_move(g.pos, x, y, g.pos.bottom_king_x, g.pos.bottom_king_y, g.pos.board[x][y]) == OK)
        return OK;
  return NG;
}

int human_mated(Game& g, const Survey& survey) {
  if (!king_on(g.pos, g.pos.bottom_king_x, g.pos.bottom_king_y, -OU)) return NG;
  const Position& p = g.pos;
  const Side s{
      p.bottom_king_x,      p.bottom_king_y,  p.bottom_hand_total, p.bottom_hand[1], -HU, -OU,
      survey.top_influence, survey.top_checks};
  return mated(g, s, [&] { return human_king_attacked(g) == NG; });
}

int computer_mated(Game& g, Survey& survey) {
  if (!king_on(g.pos, g.pos.top_king_x, g.pos.top_king_y, OU)) return NG;
  const Position& p = g.pos;
  // Each trial is judged by a whole survey, so the checks to parry are kept from before them.
  const Table checks = survey.bottom_checks;
  const Side s{p.top_king_x, p.top_king_y, p.top_hand_total,        p.top_hand[1],
               HU,           OU,           survey.bottom_influence, checks};
  return mated(g, s, [&] {
    survey_influence(g.pos, survey);
    return survey.bottom_influence[g.pos.top_king_x][g.pos.top_king_y] == 0;
  });
}

}  // namespace hakuro
