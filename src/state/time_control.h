// A game's time control and what a move's time does to a player's clock under it.
#pragma once

namespace hakuro {

// The time each player has: `main` seconds (持ち時間) for the whole game; then `byoyomi`
// seconds (秒読み) for each move once they are spent; `increment` seconds (a Fischer increment)
// added after each move. 切れ負け has the main time only. All 0: no control, the clocks count up.
struct TimeControl {
  int main = 0, byoyomi = 0, increment = 0;
  bool on() const { return main > 0 || byoyomi > 0 || increment > 0; }
  bool operator==(const TimeControl&) const = default;
};

// A player's main time left after a move that took `spent` seconds with `left` seconds of it
// before: what the move did not use, plus the increment. A move in 秒読み leaves it at 0 and the
// next move has the whole 秒読み again.
double time_left_after_move(const TimeControl& c, double left, double spent);

// Whether the player to move, `spent` seconds into the turn with `left` of the main time, has
// run out of time: past the main time and the turn's 秒読み.
bool flag_fallen(const TimeControl& c, double left, double spent);

// What the player's clock shows `spent` seconds into the turn: the main time still left, or,
// once it is spent, the 秒読み left (`in_byoyomi`).
struct ClockReading {
  double seconds = 0;
  bool in_byoyomi = false;
};
ClockReading clock_reading(const TimeControl& c, double left, double spent);

}  // namespace hakuro
