// The influence survey over many random positions, against the bottom player's own equalities and
// against a count that walks every piece's movement from scratch.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "analysis/survey.h"

namespace {

using namespace hakuro;

struct Move {
  int dx, dy;
  bool slide;
};

// A piece's movement as the bottom player sees it (front is row 1); the top player's is mirrored.
std::vector<Move> movement(int kind) {
  const std::vector<Move> gold = {{0, -1, false}, {-1, -1, false}, {1, -1, false},
                                  {-1, 0, false}, {1, 0, false},   {0, 1, false}};
  std::vector<Move> diag, orth;
  for (int d : {-1, 1}) {
    diag.insert(diag.end(), {{d, -1, true}, {d, 1, true}});
    orth.insert(orth.end(), {{d, 0, true}, {0, d, true}});
  }
  auto with_steps = [](std::vector<Move> lines, const std::vector<Move>& others) {
    for (Move m : others) lines.push_back({m.dx, m.dy, false});
    return lines;
  };
  switch (kind) {
    case HU: return {{0, -1, false}};
    case KYOU: return {{0, -1, true}};
    case KEI: return {{-1, -2, false}, {1, -2, false}};
    case GIN:
      return {{0, -1, false}, {-1, -1, false}, {1, -1, false}, {-1, 1, false}, {1, 1, false}};
    case KAKU: return diag;
    case KAKU_NARI: return with_steps(diag, orth);
    case SYA: return orth;
    case SYA_NARI: return with_steps(orth, diag);
    case OU: return with_steps(with_steps({}, orth), diag);
    default: return gold;  // gold and the promoted minor pieces
  }
}

struct Reference {
  Table bottom_influence{}, top_influence{}, bottom_checks{}, top_checks{};
};

Reference reference(const Table& ban) {
  Reference r;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int c = ban[x][y];
      if (c == KARA) continue;
      const bool top = c > 0;
      Table& count = top ? r.top_influence : r.bottom_influence;
      Table& oute = top ? r.top_checks : r.bottom_checks;
      for (Move m : movement(std::abs(c))) {
        const int dy = top ? -m.dy : m.dy;
        for (int n = 1;; ++n) {
          const int tx = x + n * m.dx, ty = y + n * dy;
          if (tx < 1 || tx > 9 || ty < 1 || ty > 9) break;
          ++count[tx][ty];
          const bool king_hit = ban[tx][ty] == (top ? -OU : OU);
          if (king_hit && std::abs(c) != OU) {
            oute[x][y] = 9;
            for (int i = 1; i < n; ++i) oute[x + i * m.dx][y + i * dy] = 1;
            if (std::abs(c) == KEI) oute[tx][ty] = 9;
          }
          if (!m.slide || (ban[tx][ty] != KARA && !king_hit)) break;
        }
      }
    }
  return r;
}

// Half the squares empty, at most one king a side, every other code anywhere.
Table random_board(std::mt19937& rng) {
  static const int kinds[] = {HU,       HU_NARI, KYOU, KYOU_NARI, KEI, KEI_NARI, GIN,
                              GIN_NARI, KIN,     KAKU, KAKU_NARI, SYA, SYA_NARI};
  std::uniform_int_distribution<int> square(1, 9), kind(0, 12), coin(0, 1), density(0, 9);
  const int fill = density(rng);
  Table ban{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (density(rng) < fill) ban[x][y] = (coin(rng) ? 1 : -1) * kinds[kind(rng)];
  for (int side : {1, -1})
    if (density(rng) > 0) ban[square(rng)][square(rng)] = side * OU;
  return ban;
}

TEST(Survey, RandomPositionsMatchTheBottomEqualitiesAndAnIndependentWalk) {
  std::mt19937 rng(20261208);
  Game g;
  Survey survey;  // one survey for all positions, so stale entries would show
  for (int round = 0; round < 3000; ++round) {
    g.pos.board = random_board(rng);
    survey_influence(g.pos, survey);
    const Reference r = reference(g.pos.board);
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        SCOPED_TRACE(::testing::Message() << "round " << round << " square " << x << "," << y);
        const int c = g.pos.board[x][y], s = survey.bottom_influence[x][y];
        ASSERT_EQ(s, r.bottom_influence[x][y]);
        ASSERT_EQ(survey.top_influence[x][y], r.top_influence[x][y]);
        ASSERT_EQ(survey.bottom_checks[x][y], r.bottom_checks[x][y]);
        ASSERT_EQ(survey.top_checks[x][y], r.top_checks[x][y]);
        ASSERT_EQ(survey.bottom_attack_count[x][y], c > 0 ? s : 0);
        ASSERT_EQ(survey.bottom_attacker[x][y] != -999, c > 0 && s > 0);
        ASSERT_EQ(survey.bottom_defender[x][y] != 999, c < 0 && s > 0);
        ASSERT_EQ(survey.bottom_attacker_x[x][y] != 0 || survey.bottom_attacker_y[x][y] != 0,
                  survey.bottom_attacker[x][y] != -999);
        if (c >= 0) {
          ASSERT_EQ(survey.top_attacker[x][y], 999);
        }
        if (c <= 0) {
          ASSERT_EQ(survey.top_defender[x][y], 999);
        }
      }
  }
}

// The line, gold and bishop routines called by hand add exactly what the survey adds for the
// piece: the survey runs with the piece replaced by a code no row handles, then the routines.
// The square tables are left out, as they depend on the order the pieces are met.
TEST(Survey, RoutinesAddWhatTheSurveyAddsForThePiece) {
  using Routines = void (*)(const Position&, Survey&, int, int, int);
  const std::vector<std::pair<int, std::vector<Routines>>> cases = {
      {-KYOU, {influence_line_up}},
      {KYOU, {influence_line_down}},
      {-SYA, {influence_line_down, influence_line_up, influence_line_right, influence_line_left}},
      {SYA, {influence_line_down, influence_line_up, influence_line_right, influence_line_left}},
      {-GIN_NARI, {influence_bottom_gold}},
      {KAKU, {influence_top_bishop}},
      {-KAKU, {[](const Position& p, Survey& s, int, int x, int y) {
         influence_bottom_bishop(p, s, x, y);
       }}},
      {KEI_NARI,
       {[](const Position& p, Survey& s, int, int x, int y) { influence_top_gold(p, s, x, y); }}},
  };
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> square(1, 9);
  for (int round = 0; round < 400; ++round)
    for (const auto& [code, routines] : cases) {
      Game whole, by_hand;
      Survey whole_survey, by_hand_survey;
      whole.pos.board = random_board(rng);
      const int x = square(rng), y = square(rng);
      whole.pos.board[x][y] = code;
      survey_influence(whole.pos, whole_survey);
      by_hand.pos.board = whole.pos.board;
      by_hand.pos.board[x][y] = code > 0 ? KIN_NARI : -KIN_NARI;
      survey_influence(by_hand.pos, by_hand_survey);
      by_hand.pos.board[x][y] = code;
      for (Routines r : routines) r(by_hand.pos, by_hand_survey, code, x, y);
      for (const Table Survey::*t :
           {&Survey::bottom_influence, &Survey::top_influence, &Survey::bottom_attack_count,
            &Survey::bottom_attacker, &Survey::bottom_defender, &Survey::top_defender,
            &Survey::top_attacker, &Survey::bottom_checks, &Survey::top_checks})
        ASSERT_EQ(whole_survey.*t, by_hand_survey.*t) << "code " << code << " at " << x << "," << y;
    }
}

}  // namespace
