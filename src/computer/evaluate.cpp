#include "computer/evaluate.h"

#include <cstdlib>

#include "computer/surveys.h"
#include "rules/legality.h"
#include "rules/mate.h"

namespace hakuro {

namespace {

// Steps 1 to 5, every level: the kings, checks and mates, drops and promotion, dangers.
// Sets `done` when the score is final.
Score basic_terms(Game& g, const Computer& com, int captured, int piece, int from_x, int to_x,
                  int to_y, bool& done) {
  const Position& p = g.pos;
  const Survey& s = com.survey;
  const Table &S = s.bottom_influence, &U = s.top_influence;
  const int hx = p.bottom_king_x, hy = p.bottom_king_y;
  done = true;
  if (captured == OU) return TAKES_OWN_KING;
  if (S[p.top_king_x][p.top_king_y] >= 1) return LOSES;
  if (captured == -OU) return TAKES_KING;
  Score r = 0;
  if (U[hx][hy] > 0) {
    if (human_mated(g, com.survey) == OK) return piece == HU ? LOSES : MATES;
    if (s.bottom_attacker[to_x][to_y] == -OU && U[to_x][to_y] > 0) r += points(100);
    const bool diagonal_neighbour =
        to_x != hx && to_y != hy && std::abs(to_x - hx) < 2 && std::abs(to_y - hy) < 2;
    if (S[to_x][to_y] <= 2 && s.top_defender[to_x][to_y] == SYA_NARI && diagonal_neighbour &&
        (s.top_defender_x[to_x][to_y] == hx || s.top_defender_y[to_x][to_y] == hy))
      r += points(900);
    if (S[to_x][to_y] == 0) r += points(10);
  }
  if (from_x < 0) r -= points(5);
  else if (piece > com.scratch.moving_piece) r += points(10);
  r += evaluate_computer_dangers(g, com, piece, to_x, to_y);
  done = false;
  return r;
}

// Step 6: a piece that comes nearer to the human's king.
Score approach(const Game& g, const Computer& com, int to_x, int to_y) {
  const int dx = std::abs(g.pos.bottom_king_x - to_x), dy = std::abs(g.pos.bottom_king_y - to_y);
  if (dx > dy) return com.scratch.king_distance > dx ? points(1) : 0;
  return com.scratch.king_distance > dy ? 1 : 0;
}

// Step 7: the cheapest attacker of the moved piece is pinned to its king and can be taken.
Score pinned_attacker(const Game& g, const Computer& com, int from_x, int to_x, int to_y) {
  const Position& p = g.pos;
  const Table &S = com.survey.bottom_influence, &U = com.survey.top_influence;
  const int hx = p.bottom_king_x, hy = p.bottom_king_y;
  const int ax = com.survey.bottom_attacker_x[to_x][to_y],
            ay = com.survey.bottom_attacker_y[to_x][to_y];
  if (!(S[ax][ay] > 0 && com.scratch.bottom_pinned[ax][ay] == 1)) return 0;
  if (!(S[to_x][to_y] == 1 || (S[to_x][to_y] == 2 && U[hx][hy] > 0 && U[to_x][to_y] > 0))) return 0;
  if (!((ax == hx && to_x != hx) || (ay == hy && to_y != hy) ||
        ((to_x == hx || to_y == hy) && ax != hx && ay != hy)))
    return 0;
  if (may_move(p, to_x, to_y, ax, ay, com.scratch.moving_piece) != OK) return 0;
  const ComputerScratch& c = com.scratch;
  if (from_x >= 0 &&
      p.board[c.top_attacker_x_before[ax][ay]][c.top_attacker_y_before[ax][ay]] == KARA)
    return 0;
  return points(std::abs(p.board[ax][ay]));
}

bool is_bottom_rook(int c) { return c == -SYA || c == -SYA_NARI; }

// Step 8: whether the destination is safe, and what standing there costs or wins.
Score destination_safety(Game& g, const Computer& com, int piece, int from_x, int to_x, int to_y) {
  const Position& p = g.pos;
  const Table &S = com.survey.bottom_influence, &U = com.survey.top_influence;
  const int hx = p.bottom_king_x, hy = p.bottom_king_y;
  const int cheapest = com.survey.bottom_attacker[to_x][to_y];
  Score r = 0;
  if (S[to_x][to_y] == 0) {
    if (piece != KAKU && piece != KAKU_NARI && piece != OU && piece != HU)
      r -= evaluate_bishop_fork(g, com, to_x, to_y, piece);
    if ((piece >= KAKU && piece <= SYA_NARI) || piece == KYOU ||
        (std::abs(hx - to_x) < 3 && std::abs(hy - to_y) < 3)) {
      const int n = human_king_escapes(g, com.survey);
      if (com.scratch.escape_count > n) r += points(com.scratch.escape_count - n);
    }
    return r;
  }
  if (U[to_x][to_y] > 0) {
    const bool gold_or_silver_held = p.bottom_hand[4] > 0 || p.bottom_hand[5] > 0;
    if (gold_or_silver_held && to_x > 1 && to_x < 9 &&
        ((is_bottom_rook(p.board[to_x - 1][to_y]) && p.board[to_x + 1][to_y] == OU) ||
         (is_bottom_rook(p.board[to_x + 1][to_y]) && p.board[to_x - 1][to_y] == OU)))
      r -= points(piece);
    if (piece > std::abs(cheapest)) r += points(std::abs(cheapest) - piece);
    if (cheapest == -OU && U[hx][hy] > 0 && to_y < hy) r += points(piece);
  } else if (from_x < 0) {
    r -= points(piece + 50);
  }
  return r;
}

// Step 9: a piece that lets a human lance in the corner run up its column.
Score corner_lance(const Game& g, int piece, int from_x, int to_x) {
  if (g.pos.board[to_x][9] == -KYOU && (to_x == 1 || to_x == 9) && piece != KYOU && piece != SYA &&
      piece != SYA_NARI && from_x != to_x)
    return -1;
  return 0;
}

// Step 10: what a capture wins.
Score capture(const Game& g, const Computer& com, int captured, int piece, int from_x, int from_y,
              int to_x, int to_y) {
  if (captured == KARA) return 0;
  const Table &S = com.survey.bottom_influence, &U = com.survey.top_influence;
  const Score value = points(std::abs(captured));
  if (S[to_x][to_y] > 0 && U[to_x][to_y] > 0)
    return piece < std::abs(com.survey.bottom_attacker[to_x][to_y]) ? value : 0;
  if (S[to_x][to_y] > 0)
    return com.scratch.bottom_influence_before[from_x][from_y] > 0 &&
                   safe_move_count(g, com.survey, from_x, from_y, piece) == 0
               ? value
               : 0;
  const bool promoted_minor =
      captured == -HU_NARI || captured == -KYOU_NARI || captured == -KEI_NARI;
  return value + (promoted_minor ? points(50) : 0);
}

}  // namespace

Score evaluate_candidate(Game& g, const Computer& com, int captured, int piece, int from_x,
                         int from_y, int to_x, int to_y) {
  bool done = false;
  Score r = basic_terms(g, com, captured, piece, from_x, to_x, to_y, done);
  if (done || g.level <= 1) return r;
  r += approach(g, com, to_x, to_y);
  r += pinned_attacker(g, com, from_x, to_x, to_y);
  r += destination_safety(g, com, piece, from_x, to_x, to_y);
  r += corner_lance(g, piece, from_x, to_x);
  r += capture(g, com, captured, piece, from_x, from_y, to_x, to_y);
  if (g.level <= 2) return r;
  return piece_terms(g, com, captured, piece, from_x, from_y, to_x, to_y, r);
}

}  // namespace hakuro
