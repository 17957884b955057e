// The countdown under each time control: what a move's time leaves, when the flag falls and
// what the clock shows; the clocks counted again from a record's move times.
#include <gtest/gtest.h>

#include "state/game.h"
#include "state/time_control.h"

namespace hakuro {
namespace {

TEST(TimeControl, MainTimeOnlyRunsDownAndTheFlagFallsWhenItIsSpent) {
  const TimeControl c{60, 0, 0};
  EXPECT_TRUE(c.on());
  EXPECT_FALSE(TimeControl{}.on());
  EXPECT_DOUBLE_EQ(time_left_after_move(c, 60, 12.5), 47.5);
  EXPECT_FALSE(flag_fallen(c, 47.5, 47.4));
  EXPECT_TRUE(flag_fallen(c, 47.5, 47.5));
  EXPECT_FALSE(flag_fallen(TimeControl{}, 0, 1e6));  // no control: the clocks only count up
  const ClockReading r = clock_reading(c, 47.5, 40);
  EXPECT_DOUBLE_EQ(r.seconds, 7.5);
  EXPECT_FALSE(r.in_byoyomi);
  EXPECT_DOUBLE_EQ(clock_reading(c, 1, 5).seconds, 0);
}

TEST(TimeControl, ByoyomiFollowsTheMainTimeAndIsWholeAgainEachMove) {
  const TimeControl c{10, 30, 0};
  // A move that runs into 秒読み uses up the main time; the next move has all 30 s again.
  EXPECT_DOUBLE_EQ(time_left_after_move(c, 10, 25), 0);
  EXPECT_DOUBLE_EQ(time_left_after_move(c, 0, 29), 0);
  EXPECT_FALSE(flag_fallen(c, 10, 39.9));
  EXPECT_TRUE(flag_fallen(c, 10, 40));
  EXPECT_FALSE(flag_fallen(c, 0, 29.9));
  EXPECT_TRUE(flag_fallen(c, 0, 30));
  ClockReading r = clock_reading(c, 10, 4);
  EXPECT_DOUBLE_EQ(r.seconds, 6);
  EXPECT_FALSE(r.in_byoyomi);
  r = clock_reading(c, 10, 15);
  EXPECT_DOUBLE_EQ(r.seconds, 25);
  EXPECT_TRUE(r.in_byoyomi);
  r = clock_reading({0, 1, 0}, 0, 0);  // 秒読み only: every move has its second
  EXPECT_DOUBLE_EQ(r.seconds, 1);
  EXPECT_TRUE(r.in_byoyomi);
}

TEST(TimeControl, AnIncrementIsAddedAfterEveryMove) {
  const TimeControl c{60, 0, 10};
  EXPECT_DOUBLE_EQ(time_left_after_move(c, 60, 5), 65);
  EXPECT_DOUBLE_EQ(time_left_after_move(c, 3, 2.5), 10.5);
  EXPECT_TRUE(flag_fallen(c, 3, 3));  // the increment comes after the move, not before
}

TEST(TimeControl, TheClocksAreCountedAgainFromTheMovesUpToTheOneShown) {
  Game g;
  g.time_control = {60, 0, 5};
  const Move bottom = board_move({7, 7}, {7, 6}, -HU, -HU),
             top = board_move({3, 3}, {3, 4}, HU, HU);
  g.record.record(1, {bottom, 0, 10, 0, 0});
  g.record.record(2, {top, 10, 10, 0, 30});
  g.record.record(3, {bottom, 10, 70, 30, 30});
  g.record.show(2);
  recount_time_left(g);
  EXPECT_DOUBLE_EQ(g.bottom_left, 55);
  EXPECT_DOUBLE_EQ(g.top_left, 35);
  g.record.show(3);
  recount_time_left(g);
  EXPECT_DOUBLE_EQ(g.bottom_left, 5);  // 55 s spent to the last second, then 5 s added
}

}  // namespace
}  // namespace hakuro
