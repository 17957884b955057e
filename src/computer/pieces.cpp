// The third level's terms, chosen by the kind of piece that stands on the destination: opening
// knowledge of the usual set-up, pawn play, lance skewers, knight and silver placement, rook and
// dragon activity near the human's king, king safety. The computer's pieces move towards
// larger y; fixed squares are (x, y) as everywhere.
#include <cstdlib>

#include "computer/evaluate.h"
#include "computer/look.h"
#include "computer/surveys.h"
#include "rules/legality.h"

namespace hakuro {

namespace {

struct Terms {
  Game& g;
  const Computer& com;
  Look v;
  int captured, piece, fx, fy, tx, ty;
  Score r;

  int S() const { return v.S(tx, ty); }
  int U() const { return v.U(tx, ty); }
  int hx() const { return g.pos.bottom_king_x; }
  int hy() const { return g.pos.bottom_king_y; }
  bool is(int x, int y) const { return tx == x && ty == y; }
  // On the human king's column or row, two squares from it at most.
  bool near_king_line() const {
    return (tx == hx() || ty == hy()) && std::abs(tx - hx()) < 3 && std::abs(ty - hy()) < 3;
  }
  // Safe where it stands, or attacked by the human's king alone while defended.
  bool safe_or_only_the_king() const {
    return S() == 0 || (U() > 0 && v.bottom_attacker(tx, ty) == -OU);
  }

  Score pawn() {
    if (v.top_hand(2) > 0) r += points(lance_aim(g, com.survey, tx, ty));
    if (v.top_hand(3) > 0) r += points(knight_aim(g, com.survey, tx, ty));
    if (ty < 9) {
      const int ahead = v.board(tx, ty + 1);
      if (ahead == KIN) r += 5;
      else if (ahead == SYA) r -= points(1);
      if (ahead < -HU && safe_move_count(g, com.survey, tx, ty + 1, ahead) == 0)
        r += points(-ahead);
    }
    if (U() > 0 && tx > 1 && tx < 9 && (v.board(tx + 1, ty) == SYA || v.board(tx - 1, ty) == SYA))
      r -= points(1);
    return fx < 0 ? pawn_drop() : pawn_move();
  }

  Score pawn_drop() {
    if (U() > 0 && ty > 1 && v.board(tx, ty - 1) >= GIN &&
        (v.bottom_hand(1) > 0 || v.bottom_hand(2) > 0))
      r += points(6);
    if (v.board(2, 8) == -KAKU && is(2, 7) && (v.S(2, 7) != 0 || v.U(2, 7) > 0)) r += points(30);
    const int ax = com.survey.bottom_attacker_x[tx][ty], ay = com.survey.bottom_attacker_y[tx][ty];
    const int cheapest = v.bottom_attacker(tx, ty);
    if (!(v.S(ax, ay) == 0 && v.top_influence_before(ax, ay) > 0) && U() > 0 && ax == tx &&
        (cheapest == -KYOU || cheapest == -SYA) && ay > ty)
      return r + points(120);
    return r;
  }

  Score pawn_move() {
    r -= 1;
    const int guard = v.top_defender(tx, ty);
    if (guard == KIN || guard == GIN) r += 6;
    if (ty >= 8) return r;
    if (guard == KYOU) {
      r += points(1);
    } else if (guard == SYA && com.survey.top_defender_x[tx][ty] == tx && U() >= S() &&
               com.survey.top_defender_y[tx][ty] < ty) {
      r += points(2);
    }
    if (v.S(tx, ty + 1) == 0 && v.board(tx, ty + 2) <= -KEI) r += points(1);
    if (ty < 7) {
      if (v.board(tx, ty + 1) == -HU && v.S(tx, ty + 2) > 0) r -= points(5);
      if (tx < 9 && v.board(tx + 1, ty) == KAKU) {
        r += 5;
        if (v.board(tx + 1, ty + 2) == -HU) r += points(5);
      }
      if (tx > 1) {
        if (is(7, 4) && v.board(8, 2) == KAKU) r += points(10);
        if (v.board(tx - 1, ty) == KAKU) {
          r += 5;
          if (v.board(tx - 1, ty + 2) == -HU) r += points(5);
        }
      }
    }
    const int cheapest = v.bottom_attacker(tx, ty);
    if (captured <= -HU && v.U(fx, fy) == 1) {
      if (ty > 2 && cheapest == -KYOU && v.board(tx, ty - 2) == KAKU) r -= points(5);
      else r += points(5);
      if (captured == -HU && (cheapest == -KYOU || cheapest == -SYA)) r += points(50);
    }
    const int ahead = v.board(tx, ty + 1);
    if (ahead <= -HU) {
      if (U() > S()) return r + points(1);
      if (ahead == -HU) return r - points(5);
      if (U() > 0) {
        if (v.bottom_influence_before(tx, ty + 1) == 0 && v.top_influence_before(tx, ty + 1) > 0)
          return r - points(1);
        if (U() >= S()) return r + points(5);
      } else if (S() == 0) {
        return r + points(1);
      }
    }
    return r;
  }

  Score lance() {
    if (v.top_hand(3) > 0) r += points(knight_aim(g, com.survey, tx, ty));
    if (fx >= 0) return captured == KARA ? r - 9 : r;
    if (ty >= 8) return r;
    if (v.bottom_hand(1) > 0 && v.S(tx, ty + 1) > 0 && S() == 0) r -= points(10);
    if (v.board(tx, ty + 1) <= -KYOU && (S() == 0 || U() >= S())) {
      for (int y = ty + 2; y <= MASU_SU; ++y) {
        const int c = v.board(tx, y);
        if (c == KARA) continue;
        if (may_move(g.pos, tx, ty + 1, tx, y, KYOU) == OK && c < -KYOU) return r + points(-c);
        break;
      }
    }
    return r;
  }

  Score knight() {
    r -= 1;
    if (v.S(tx, ty + 1) > 0) r -= points(1);
    if (ty < 8 && tx > 1 && tx < 9) {
      if (v.S(tx - 1, ty + 2) > 0 && v.S(tx + 1, ty + 2) > 0) r -= points(1);
      if (is(7, 3) && v.board(8, 4) == KAKU) return r - points(5);
    }
    return r;
  }

  Score silver() {
    if (ty <= 1) return r;
    if (ty > fy && fx == tx) r -= 1;
    if (v.board(tx, ty - 1) == KEI) r -= 5;
    if (is(7, 3) && v.board(8, 3) == HU && v.board(8, 5) == -HU) return r + points(115);
    return r;
  }

  Score gold() {
    if (ty > fy && fx != tx) r -= 5;
    if (ty == 4) {
      if (v.board(6, 4) == KAKU && v.S(6, 4) > 0) return r - points(5);
    } else if (ty == 2) {
      if (v.board(8, 3) == HU && v.board(8, 6) == -HU && tx == 7 && v.bottom_defender(8, 6) == -SYA)
        r += points(10);
      if (v.bottom_hand(6) > 0 && v.top_influence_before(tx, ty + 1) == 0 &&
          v.board(tx, ty + 1) >= HU) {
        r += points(2);
        if (v.top_influence_before(tx, ty + 2) == 1 && v.board(tx, ty + 2) == KAKU)
          return r + points(125);
      }
    }
    return r;
  }

  Score bishop() {
    r += points(surroundings(g, tx, ty));
    if (ty < 9) {
      if (ty == 3) {
        if (tx == 9 && v.board(9, 4) == HU && v.board(9, 6) == -HU && v.board(9, 9) == -KYOU)
          r -= points(10);
        if (tx == 7 && v.board(8, 5) == -HU && v.bottom_defender(8, 5) == -SYA) r += points(9);
      }
      if (v.S(tx, ty + 1) > 0) {
        if (safe_move_count(g, com.survey, tx, ty, KAKU) == 0) r -= points(100);
        if (ty < 8 && v.board(tx, ty + 2) == -HU) r -= points(1);
      }
    }
    if (fy == 3) {
      if (fx == 9 && v.board(9, 4) == HU && v.board(9, 6) == -HU &&
          v.bottom_defender(9, 6) == -KYOU)
        return r + points(10);
      if (fx == 7 && v.board(8, 5) == -HU && v.bottom_defender(8, 5) == -SYA &&
          v.top_influence_before(8, 4) > v.U(8, 4))
        return r - points(10);
    }
    return r;
  }

  Score rook() {
    r += points(surroundings(g, tx, ty));
    if (fx < 0) {
      if (ty == 9 && v.board(tx, 8) == -GIN && tx > 1 && tx < 9 &&
          ((v.board(tx - 1, 9) != KARA && v.board(tx + 1, 8) == -KIN) ||
           (v.board(tx + 1, 9) != KARA && v.board(tx - 1, 8) == -KIN)))
        return r - points(1);
      return r;
    }
    if (S() == 0) {
      if (is(3, 4) && v.board(3, 7) == -KAKU && v.board(3, 6) == -HU && v.board(3, 5) == KARA)
        r += points(7);
      if (ty < 8 && v.S(tx, ty + 1) > 0) {
        r -= points(1);
        if (v.board(tx, ty + 2) == -HU && ty == fy) r -= points(5);
      }
      if (fy < 9 && v.board(8, fy + 1) == -HU && v.bottom_defender(8, fy + 1) == -SYA) {
        if (v.U(8, fy) < v.top_influence_before(8, fy)) r -= points(11);
        if (v.board(7, fy) == HU && ty != fy) r -= points(11);
      }
      if (v.S(fx, fy) == 0 && fx == 2 && fy == 2 && is(2, 3)) r -= points(1);
    }
    if (safe_or_only_the_king()) {
      if (safe_move_count(g, com.survey, tx, ty, SYA) <= 1) return r - points(35);
      if (near_king_line()) return r + points(100);
    }
    return r;
  }

  Score dragon() {
    r += points(surroundings(g, tx, ty));
    if (v.board(tx, ty - 1) == -GIN && tx > 1 && tx < 9 &&
        ((v.board(tx - 1, ty) != KARA && v.board(tx + 1, ty - 1) == -KIN) ||
         (v.board(tx + 1, ty) != KARA && v.board(tx - 1, ty - 1) == -KIN)))
      r -= points(10);
    if (fy == 9 && v.board(fx, 8) == -GIN) {
      if (fx > 1 && v.board(fx - 1, 8) == -KIN) r += points(2);
      if (fx < 9 && v.board(fx + 1, 8) == -KIN) r += points(2);
    }
    if (ty == 9 && v.board(tx, 8) <= -HU) {
      if (tx == 3 && v.board(2, 9) <= -HU && v.board(4, 8) == -KIN) r -= points(150);
      if (tx == 7 && v.board(8, 9) <= -HU && v.board(6, 8) == -KIN) r -= points(150);
    }
    if (safe_or_only_the_king() && near_king_line()) return r + points(100);
    return r;
  }

  Score king() {
    if (com.scratch.top_pinned_any == OK) r += points(10);
    if (U() > v.top_influence_before(tx, ty)) r += points(1);
    if (safe_move_count(g, com.survey, tx, ty, OU) < 2) return r - points(20);
    return r;
  }
};

}  // namespace

Score piece_terms(Game& g, const Computer& com, int captured, int piece, int from_x, int from_y,
                  int to_x, int to_y, Score score) {
  Terms t{g, com, Look{g, com}, captured, piece, from_x, from_y, to_x, to_y, score};
  switch (piece) {
    case HU: return t.pawn();
    case HU_NARI: return t.U() >= t.S() ? score + points(1) : score;
    case KYOU: return t.lance();
    case KEI: return t.knight();
    case GIN: return t.silver();
    case KIN: return t.gold();
    case KAKU: return t.bishop();
    case KAKU_NARI: return score + points(surroundings(g, to_x, to_y));
    case SYA: return t.rook();
    case SYA_NARI: return t.dragon();
    case OU: return t.king();
    default: return score;
  }
}

}  // namespace hakuro
