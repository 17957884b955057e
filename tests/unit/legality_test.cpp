// Move legality against a second, independent way of finding moves: each piece's step and slide
// directions walked from scratch over random positions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "rules/legality.h"
#include "rules/move.h"

namespace hakuro {
namespace {

using Square = std::pair<int, int>;

struct Moves {
  std::vector<Square> steps, slides;  // directions with forward = -1 (the bottom player's)
};

Moves pattern(int kind) {
  const std::vector<Square> gold = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {0, 1}};
  const std::vector<Square> king = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                    {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
  const std::vector<Square> diag = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
  const std::vector<Square> orth = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
  switch (kind) {
    case HU: return {{{0, -1}}, {}};
    case KYOU: return {{}, {{0, -1}}};
    case KEI: return {{{-1, -2}, {1, -2}}, {}};
    case GIN: return {{{-1, -1}, {0, -1}, {1, -1}, {-1, 1}, {1, 1}}, {}};
    case KIN:
    case HU_NARI:
    case KYOU_NARI:
    case KEI_NARI:
    case GIN_NARI: return {gold, {}};
    case KAKU: return {{}, diag};
    case KAKU_NARI: return {orth, diag};
    case SYA: return {{}, orth};
    case SYA_NARI: return {diag, orth};
    case OU: return {king, {}};
    default: return {};
  }
}

bool on(int v) { return v >= 1 && v <= 9; }

std::set<Square> reachable(const Game& g, int fx, int fy, int piece) {
  const int fwd = piece < 0 ? 1 : -1;  // the top player's moves are the bottom's turned round
  const Moves m = pattern(std::abs(piece));
  std::set<Square> out;
  for (auto [dx, dy] : m.steps)
    if (on(fx + dx) && on(fy + dy * fwd)) out.insert({fx + dx, fy + dy * fwd});
  for (auto [dx, dy] : m.slides)
    for (int x = fx + dx, y = fy + dy * fwd; on(x) && on(y); x += dx, y += dy * fwd) {
      out.insert({x, y});
      if (g.pos.board[x][y] != KARA) break;
    }
  return out;
}

std::set<Square> drops(const Game& g, int piece) {
  std::set<Square> out;
  const int k = std::abs(piece);
  const bool bottom = piece < 0;
  for (int x = 1; x <= 9; ++x) {
    bool pawn_in_column = false;
    for (int y = 1; y <= 9; ++y) pawn_in_column |= g.pos.board[x][y] == (bottom ? -HU : HU);
    for (int y = 1; y <= 9; ++y) {
      const int rows_left = bottom ? y - 1 : 9 - y;  // rows still in front of the piece
      if (g.pos.board[x][y] != KARA) continue;
      if (k == HU && (pawn_in_column || rows_left < 1)) continue;
      if (k == KYOU && rows_left < 1) continue;
      if (k == KEI && rows_left < 2) continue;
      out.insert({x, y});
    }
  }
  return out;
}

const int kCodes[] = {HU,       HU_NARI, KYOU, KYOU_NARI, KEI, KEI_NARI, GIN,
                      GIN_NARI, KIN,     KAKU, KAKU_NARI, SYA, SYA_NARI, OU};

Game random_position(std::mt19937& rng, double density) {
  Game g;
  std::uniform_real_distribution<double> coin(0, 1);
  std::uniform_int_distribution<int> code(0, std::size(kCodes) - 1);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (coin(rng) < density) g.pos.board[x][y] = kCodes[code(rng)] * (coin(rng) < 0.5 ? -1 : 1);
  set_nifu_flags(g.pos);
  return g;
}

std::set<Square> asked(const Game& g, int fx, int fy, int piece) {
  std::set<Square> out;
  for (int x = -1; x <= 11; ++x)
    for (int y = -1; y <= 11; ++y)
      if (may_move(g.pos, fx, fy, x, y, piece) == OK) {
        out.insert({x, y});
        // The quick filter never rules out a board move that is legal.
        if (on_board(fx, fy)) {
          EXPECT_TRUE(within_reach(piece, x - fx, y - fy)) << piece;
        }
      }
  return out;
}

TEST(Legality, BoardMovesAgreeWithTheDirectionWalk) {
  std::mt19937 rng(7);
  for (int round = 0; round < 120; ++round) {
    const Game g = random_position(rng, 0.1 + 0.5 * (round % 5) / 4);
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        // Every code is tried from every square, whatever stands there.
        for (int c : kCodes)
          for (int piece : {c, -c})
            ASSERT_EQ(asked(g, x, y, piece), reachable(g, x, y, piece))
                << "piece " << piece << " from " << x << "," << y << " in round " << round;
      }
  }
}

TEST(Legality, DropsAgreeWithTheEmptySquaresAndTheirRows) {
  std::mt19937 rng(11);
  for (int round = 0; round < 300; ++round) {
    const Game g = random_position(rng, 0.05 + 0.6 * (round % 7) / 6);
    for (int k = 1; k <= 7; ++k) {
      EXPECT_EQ(asked(g, 11, k + 2, -KIND_CODE[k]), drops(g, -KIND_CODE[k])) << "bottom kind " << k;
      EXPECT_EQ(asked(g, -1, 8 - k, KIND_CODE[k]), drops(g, KIND_CODE[k])) << "top kind " << k;
    }
  }
}

TEST(Legality, SlideTestsAskedDirectlyStayOnTheBoard) {
  Game g;
  EXPECT_EQ(may_move_bishop(g.pos, 5, 5, 5, 5), OK);  // nothing lies between a square and itself
  EXPECT_EQ(may_move_bishop(g.pos, -3, -3, 5, 5), NG);
  EXPECT_EQ(may_move_rook(g.pos, 5, 40, 5, 5), NG);
  EXPECT_EQ(may_move(g.pos, 50, 5, 5, 5, SYA), NG);
}

}  // namespace
}  // namespace hakuro
