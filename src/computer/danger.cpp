// The danger scan and the bishop caution of the computer's evaluation.
#include <algorithm>
#include <cstdlib>

#include "computer/evaluate.h"
#include "computer/look.h"
#include "computer/surveys.h"
#include "rules/legality.h"

namespace hakuro {

namespace {

struct Scan {
  Game& g;
  const Computer& com;
  Look v;
  int piece, tx, ty;
  Score r = 0;
  int forks = 0;
  int least_fork = 9999;
  // What the human holds, the kings, and whether the destination is attacked, read once.
  bool holds_silver_or_gold = v.human_holds_silver_or_gold();
  bool holds_lance = g.pos.bottom_hand_total > 0 && v.bottom_hand(2) > 0;
  bool holds_knight = v.bottom_hand(3) > 0, holds_silver = v.bottom_hand(4) > 0;
  bool holds_pawn = v.bottom_hand(1) > 0;
  int kx = g.pos.top_king_x, ky = g.pos.top_king_y;
  bool destination_safe = v.S(tx, ty) == 0;
  // surroundings() of every square, counted from the few pieces that crowd (the scan asks it of
  // most empty squares, which would cost a turn a quarter more).
  Table crowd{};

  void count_crowds() {
    for (int x = 1; x <= MASU_SU; ++x)
      for (int y = 1; y <= MASU_SU; ++y)
        if (crowds(g.pos.board[x][y]))
          for_each_neighbour(x, y, [&](int nx, int ny) { --crowd[nx][ny]; });
  }

  // An empty square: weak spots near the computer's king and forks the human could drop into.
  void empty(int X, int Y, int S, int U) {
    if (S > 0) {
      if (std::abs(X - kx) < 2 && std::abs(Y - ky) < 2) {
        r -= 5 * S;
        if (U == 1 && S > 1) r -= points(10);
        if (holds_silver_or_gold) r -= points(10);
      }
      if (U == 0 && Y < 4) {
        r -= 1;
        if (human_straight_guard(g, X, Y) == OK) r -= points(10);
      }
      if (Y < 4 && v.board(X, Y + 1) == -HU && S >= U) {
        r -= points(30);
        if (human_straight_guard(g, X, Y + 1) == OK) r -= points(70);
      }
    }
    if (holds_lance) lance_skewer(X, Y, S, U);
    if (holds_knight && (U == 0 || (S > 0 && v.top_attacker(X, Y) > 30)) && Y > 2 && X > 1 &&
        X < 9 && v.board(X - 1, Y - 2) > HU && v.board(X + 1, Y - 2) > HU)
      r -= points(20);
    if (holds_silver_or_gold && U <= 1) {
      if (crowd[X][Y] < -1) r -= points(5);
      if (U == 0 && crowd[X][Y] < 0) {
        r -= points(1);
        if (Y < 4) r -= points(10);
      }
    }
    if (U == 0) {
      if (Y == 2 && v.board(X, 1) == KEI) r -= points(5);
      if (Y < 4) r -= 1;
      if (holds_silver && X > 1 && X < 9 && Y > 1 && Y < 9) {
        if (silver_fork(X - 1, Y - 1, X + 1, Y + 1)) r -= points(20);
        if (silver_fork(X - 1, Y + 1, X + 1, Y - 1)) r -= points(20);
      }
    }
  }

  // A lance dropped on (X, Y) would skewer a computer piece above it and the one behind.
  void lance_skewer(int X, int Y, int S, int U) {
    if (Y <= 2 || v.board(X, Y - 1) <= KYOU || !(S > 0 || U == 0)) return;
    for (int y = Y - 2; y >= 1; --y) {
      const int c = v.board(X, y);
      if (c == KARA) continue;
      if (c > KYOU) r -= points(100) + 5 * c;
      return;
    }
  }

  bool silver_fork(int x1, int y1, int x2, int y2) const {
    return v.board(x1, y1) >= HU && v.board(x2, y2) >= HU && v.U(x1, y1) == 0 && v.U(x2, y2) == 0;
  }

  // A computer piece: the king's head, pawns held by a rook, and pieces attacked.
  void computer_piece(int X, int Y, int t, int S, int U) {
    if (t == OU && Y == 1 && v.S(X, 2) > 0) {
      r -= points(50);
      if (v.S(X, 2) >= v.U(X, 2)) r -= points(250);
      if (holds_silver_or_gold) r -= points(700);
    } else if (t == HU && holds_pawn && v.bottom_attacker(X, Y) == -SYA && S >= U && Y < 9 &&
               v.U(X, Y + 1) == 1) {
      r -= points(5);
    }
    if (S <= 0) return;
    const int ax = com.survey.bottom_attacker_x[X][Y], ay = com.survey.bottom_attacker_y[X][Y];
    const int a = std::abs(v.bottom_attacker(X, Y));
    const bool attacker_free = v.bottom_pinned(ax, ay) == 0;
    if (v.top_defender(X, Y) == OU && (S > 1 || t > a)) r -= points(100);
    if (attacker_free && t > a) r += points(a - t);
    if (U > 0 && attacker_free) {
      if (S > U && v.top_defender(X, Y) >= a) r -= points(t);
      if (Y <= 3 && U == S && v.board(X, Y + 1) != KARA && human_straight_guard(g, X, Y + 1) == OK)
        r -= points(t + std::abs(v.bottom_attacker(X, Y + 1)));
    }
    if (U == 0) {
      r -= points(t);
      if (Y <= 3) r -= points(10);
      if (v.board_before(X, Y) <= -HU) r += points(std::abs(v.board_before(X, Y)));
      const int cheapest = v.bottom_attacker(X, Y);
      if (Y < 4 && (cheapest == -HU || cheapest == -KYOU)) r -= points(20);
    }
  }

  // A human piece: newly attacked, knights aiming at the computer's pieces, forks by the move.
  void human_piece(int X, int Y, int t, int S, int U) {
    if (v.top_influence_before(X, Y) == 0 && U > 0) {
      const int above = v.board(X, Y - 1);
      if (t == -KEI && Y > 2 && v.S(X, Y - 1) == 0 &&
          (above == GIN || above == SYA_NARI || above == KAKU_NARI))
        r += points(1);
      if (std::abs(X - kx) < 3 && std::abs(Y - ky) < 3) r += points(15);
    }
    if (t == -KEI && Y >= 5 && v.board(X, Y - 4) >= GIN) {
      if (X > 1 && v.board(X - 1, Y - 2) >= KARA && v.U(X - 1, Y - 2) == 0) r -= points(1);
      if (X < 9 && v.board(X + 1, Y - 2) >= KARA && v.U(X + 1, Y - 2) == 0) r -= points(1);
    } else if ((t == -SYA || t == -SYA_NARI || t == -KYOU) && X == kx) {
      r -= points(1);
    }
    const bool target = S == 0 || (X == g.pos.bottom_king_x && Y == g.pos.bottom_king_y);
    if (destination_safe && target && may_move(g.pos, tx, ty, X, Y, piece) == OK) {
      r += 1;
      ++forks;
      least_fork = std::min(least_fork, std::abs(t));
    }
  }
};

}  // namespace

Score evaluate_computer_dangers(Game& g, const Computer& com, int piece, int to_x, int to_y) {
  Scan s{g, com, Look{g, com}, piece, to_x, to_y};
  s.count_crowds();
  for (int X = 1; X <= MASU_SU; ++X)
    for (int Y = 1; Y <= MASU_SU; ++Y) {
      const int t = g.pos.board[X][Y];
      const int S = com.survey.bottom_influence[X][Y], U = com.survey.top_influence[X][Y];
      if (t == KARA) s.empty(X, Y, S, U);
      else if (t >= HU) s.computer_piece(X, Y, t, S, U);
      else s.human_piece(X, Y, t, S, U);
    }
  if (s.forks > 1) s.r += points(s.least_fork);
  return s.r;
}

Score evaluate_bishop_fork(const Game& g, const Computer& com, int to_x, int to_y, int piece) {
  const Position& p = g.pos;
  for (int X = 1; X <= MASU_SU; ++X)
    for (int Y = 1; Y <= MASU_SU; ++Y) {
      if (com.scratch.bishop_aims_at_top[X][Y] != 1) continue;
      if (may_move(p, to_x, to_y, X, Y, -KAKU) != OK &&
          may_move(p, to_x, to_y, X, Y, -KAKU_NARI) != OK)
        continue;
      // Only the first such square is looked at.
      for (int x = 1; x <= MASU_SU; ++x)
        for (int y = 1; y <= MASU_SU; ++y) {
          const int c = p.board[x][y];
          if ((c == -KAKU || c == -KAKU_NARI) && may_move(p, x, y, X, Y, c) == OK)
            return points(piece);
        }
      if (p.bottom_hand[6] > 0 && may_move(p, FromHand{6}, {X, Y}, -KAKU) == OK)
        return points(piece);
      return 0;
    }
  return 0;
}

}  // namespace hakuro
