// hakuro-tune: games' results read from their last positions, the fit finding the weights the
// results ask for whichever side's pieces carry them, and the table written back in the engine's
// order.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "../engine/setup.h"
#include "engine/king_relation.h"
#include "engine/relation_weights.h"
#include "fit.h"
#include "samples.h"
#include "state/types.h"

namespace hakuro::tune {
namespace {

using engine::position;

TEST(TuneSamples, ResultsComeFromTheLastPosition) {
  const auto kings = position({{5, 1, OU}, {5, 9, -OU}}, engine::BOTTOM);
  // Under the own rule a king may be gone: its side lost.
  const auto no_top_king = position({{5, 9, -OU}}, engine::BOTTOM);
  const auto no_bottom_king = position({{5, 1, OU}}, engine::TOP);
  EXPECT_EQ(game_result({kings, no_top_king}), 1.0f);
  EXPECT_EQ(game_result({kings, no_bottom_king}), 0.0f);
  EXPECT_EQ(game_result({kings}), 0.5f);
  // The top player, to move, is checkmated under the standard rules.
  const auto mated = position({{5, 1, OU}, {5, 2, -KIN}, {5, 3, -HU}, {5, 9, -OU}}, engine::TOP, {},
                              engine::Rules::standard);
  EXPECT_EQ(game_result({mated}), 1.0f);
}

TEST(TuneSamples, OnlyQuietPositionsAreLearnt) {
  EXPECT_TRUE(quiet(position({{5, 1, OU}, {5, 9, -OU}, {2, 2, HU}}, engine::BOTTOM)));
  // A free gold to take, a check, and a king gone are not quiet.
  EXPECT_FALSE(
      quiet(position({{5, 1, OU}, {5, 9, -OU}, {2, 2, KIN}, {2, 3, -HU}}, engine::BOTTOM)));
  EXPECT_FALSE(quiet(position({{5, 1, OU}, {5, 9, -OU}, {5, 8, KIN}}, engine::BOTTOM)));
  EXPECT_FALSE(quiet(position({{5, 9, -OU}}, engine::BOTTOM)));
}

// The tuner reads each piece's places on its own path; what it learns from must add up to the
// relations the position keeps, or a fit would weigh places the engine never counts.
TEST(TuneSamples, TheFeaturesAddUpToTheRelationsThePositionKeeps) {
  std::vector<double> w(static_cast<std::size_t>(feature_count()));
  for (int k = 0; k < 2; ++k)
    for (int g = 0; g < engine::relation::GROUP_N; ++g)
      for (int p = 0; p < engine::relation::PLACE_N; ++p)
        w[std::size_t(feature_index(k, g, p))] = engine::weights::RELATION[k][g][p];
  const std::vector<engine::Position> positions = {
      position({{5, 1, OU}, {5, 9, -OU}, {4, 2, KIN}, {6, 8, -GIN}, {3, 7, SYA_NARI}, {2, 2, HU}},
               engine::BOTTOM),
      position(
          {{1, 1, OU}, {9, 9, -OU}, {8, 8, KAKU}, {2, 3, -KEI}, {9, 1, -KYOU}, {5, 5, HU_NARI}},
          engine::TOP),
      position({{7, 8, -OU}, {6, 7, -KIN}, {8, 7, -HU}, {3, 2, OU}, {4, 1, GIN}}, engine::BOTTOM),
  };
  for (const engine::Position& pos : positions) {
    Samples s;
    s.add(pos, 0.5f);
    double sum = 0;
    for (uint32_t i = s.list[0].first; i < s.list[0].end; ++i) {
      const int f = s.features[i];
      sum += (f > 0 ? 1 : -1) * w[std::size_t(std::abs(f) - 1)];
    }
    EXPECT_EQ(int(std::lround(sum)), pos.relation());
  }
}

// `count` samples of one feature (negative: the top player's piece) and result.
void add(Samples& s, int count, int feature, float result, int fixed = 0) {
  for (int i = 0; i < count; ++i) {
    Sample x;
    x.result = result;
    x.fixed = fixed;
    x.first = uint32_t(s.features.size());
    if (feature) s.features.push_back(int16_t(feature));
    x.end = uint32_t(s.features.size());
    s.list.push_back(x);
  }
}

TEST(TuneFit, TheScaleMatchesTheResultsToTheEvaluation) {
  Samples s;
  add(s, 300, 0, 1.0f, 400);
  add(s, 100, 0, 0.0f, 400);
  const double scale = fit_scale(s, std::vector<double>(std::size_t(feature_count())));
  EXPECT_NEAR(expected(400, scale), 0.75, 0.01);
}

TEST(TuneFit, WeightsFollowTheResultsOfEitherSidesPiecesAndLeaveTheirWorth) {
  Samples s;
  // Places 1 and 2 of one table: whoever has a piece on place 1 wins four games in five, on
  // place 2 loses as often.
  add(s, 80, 1, 1.0f);
  add(s, 20, 1, 0.0f);
  add(s, 80, -1, 0.0f);
  add(s, 20, -1, 1.0f);
  add(s, 80, 2, 0.0f);
  add(s, 20, 2, 1.0f);
  add(s, 80, -2, 1.0f);
  add(s, 20, -2, 0.0f);
  // The only place seen in another table wins, but says only what the piece is worth.
  const int other = engine::relation::PLACE_N + 1;
  add(s, 100, other, 1.0f);
  const double scale = std::log(4.0) / 300;  // 80% expected at 300
  std::vector<double> w(static_cast<std::size_t>(feature_count()));
  const double before = loss(s, w, scale);
  FitOptions o;
  o.epochs = 400;
  w = fit_weights(s, w, scale, o);
  EXPECT_LT(loss(s, w, scale), before);
  EXPECT_NEAR(w[0], 300, 30);
  EXPECT_NEAR(w[1], -300, 30);
  EXPECT_NEAR(w[std::size_t(other - 1)], 0, 1);
}

TEST(TuneFit, TheTableIsWrittenInTheEnginesOrder) {
  std::vector<double> w(static_cast<std::size_t>(feature_count()));
  for (std::size_t i = 0; i < w.size(); ++i) w[i] = double(i);
  std::string text = table_header(w);
  text = text.substr(text.find("RELATION"));
  text = std::regex_replace(text, std::regex("//[^\n]*"), "");
  std::vector<long> numbers;
  const std::regex number("-?[0-9]+");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
       it != std::sregex_iterator(); ++it)
    numbers.push_back(std::stol(it->str()));
  ASSERT_EQ(numbers.size(), w.size());
  for (std::size_t i = 0; i < w.size(); ++i) EXPECT_EQ(numbers[i], long(i));
  EXPECT_EQ(feature_index(1, engine::relation::GROUP_N - 1, engine::relation::PLACE_N - 1),
            feature_count() - 1);
}

}  // namespace
}  // namespace hakuro::tune
