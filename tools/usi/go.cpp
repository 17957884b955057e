#include "go.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "engine/levels.h"
#include "setup.h"

namespace hakuro::usi {

namespace {

struct WeakLevel {
  uint64_t nodes;
  int depth;
};
// Levels 1 to 3: a few thousand nodes and a shallow search at 1, more at each level above.
constexpr WeakLevel kWeak[3] = {{3000, 2}, {30000, 4}, {150000, 6}};

template <class T>
bool number(std::string_view s, T& out) {
  const auto [end, err] = std::from_chars(s.data(), s.data() + s.size(), out);
  return err == std::errc{} && end == s.data() + s.size();
}

}  // namespace

Go read_go(std::string_view args) {
  Go g;
  const std::vector<std::string_view> w = words(args);
  for (std::size_t i = 0; i < w.size(); ++i) {
    const std::string_view k = w[i];
    if (k == "infinite") g.infinite = true;
    else if (k == "ponder") g.ponder = true;
    else if (k == "mate") {
      g.mate = true;
      ++i;  // its time, or "infinite"
    } else {
      int64_t* field = k == "btime"      ? &g.btime
                       : k == "wtime"    ? &g.wtime
                       : k == "binc"     ? &g.binc
                       : k == "winc"     ? &g.winc
                       : k == "byoyomi"  ? &g.byoyomi
                       : k == "movetime" ? &g.movetime
                                         : nullptr;
      const bool ok =
          i + 1 < w.size() && (field          ? number(w[i + 1], *field)
                               : k == "nodes" ? number(w[i + 1], g.nodes)
                                              : k == "depth" && number(w[i + 1], g.depth));
      if (!ok) {
        g.error = "go: cannot read '" + std::string(k) + "'";
        continue;
      }
      ++i;
    }
  }
  return g;
}

bool has_clock(const Go& g) {
  return g.btime > 0 || g.wtime > 0 || g.byoyomi > 0 || g.binc > 0 || g.winc > 0;
}

engine::Limits go_limits(const Go& g, bool black, int level) {
  engine::Limits l;
  const bool explicit_bound = g.movetime > 0 || g.nodes > 0 || g.depth > 0;
  if (explicit_bound) {
    l.nodes = g.nodes;
    l.depth = g.depth;
    if (g.movetime > 0) l.seconds = double(movetime_budget_ms(g.movetime)) / 1000;
  } else if (has_clock(g)) {
    l = engine::clock_limits(level,
                             {black ? g.btime : g.wtime, black ? g.binc : g.winc, g.byoyomi});
  } else {
    l = engine::level_limits(std::max(level, engine::FIRST_ENGINE_LEVEL));
  }
  if (g.infinite || g.ponder) l.seconds = 0;  // until stop, or ponderhit starts the clock
  if (level < engine::FIRST_ENGINE_LEVEL) {
    const WeakLevel& weak = kWeak[std::clamp(level, 1, 3) - 1];
    l.nodes = l.nodes ? std::min(l.nodes, weak.nodes) : weak.nodes;
    l.depth = l.depth ? std::min(l.depth, weak.depth) : weak.depth;
  }
  return l;
}

}  // namespace hakuro::usi
