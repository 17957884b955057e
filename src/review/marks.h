// How much a move gives away against the engine's best move, and the mark a record shows for it.
// The thresholds live here alone, for every part that marks moves.
#pragma once

#include <algorithm>

namespace hakuro::analyse {

// Losses in centipawns from which a move is marked.
inline constexpr int kBlunderLoss = 300;  // 悪手
inline constexpr int kDubiousLoss = 150;  // 疑問手

// Scores are taken at most this far from even when a loss is reckoned, a mate counting as this
// much: a move that keeps a won game won loses nothing, one that walks from an even game into a
// mate loses kScoreCap.
inline constexpr int kScoreCap = 3000;

enum class Mark { none, dubious, blunder };

// The loss of a move: the best move's score minus the played move's, both from the mover's view
// and capped, never below 0.
constexpr int loss_of(int best, int played) {
  const int b = std::clamp(best, -kScoreCap, kScoreCap);
  const int p = std::clamp(played, -kScoreCap, kScoreCap);
  return std::max(0, b - p);
}

constexpr Mark mark_of(int loss) {
  return loss >= kBlunderLoss ? Mark::blunder : loss >= kDubiousLoss ? Mark::dubious : Mark::none;
}

// 悪手, 疑問手; empty for no mark.
constexpr const char* mark_text(Mark m) {
  return m == Mark::blunder ? "悪手" : m == Mark::dubious ? "疑問手" : "";
}

}  // namespace hakuro::analyse
