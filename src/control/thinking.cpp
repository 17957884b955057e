#include "control/thinking.h"

#include <memory>
#include <utility>
#include <vector>

#include "control/standard_rules.h"
#include "display/clock_text.h"
#include "engine/clock.h"
#include "engine/levels.h"

namespace hakuro {

namespace {

// Everything the search reads, copied at the turn's start: nothing of the game is read while
// it runs.
struct Job {
  engine::Position pos;
  // The game's earlier positions: their keys under the own rule; with their checks under the
  // standard rules, which count perpetual checks.
  std::vector<engine::Key> keys;
  std::vector<engine::Earlier> history;
  engine::Limits limits;
  std::shared_ptr<engine::Search> search;
  engine::Result result;
};

}  // namespace

void run_waiting(Form& f) {
  while (!f.ended && !thinking(f) && !f.waiting.empty()) {
    const std::function<void()> command = std::move(f.waiting.front());
    f.waiting.pop_front();
    command();
  }
}

bool thinking(const Form& f) { return f.thinker.busy(); }

std::vector<engine::Key> earlier_positions(const Game& g) {
  std::vector<engine::Key> keys;
  for (const engine::Earlier& e : game_history(g)) keys.push_back(e.key);
  return keys;
}

bool wait_for_search(Form& f, std::function<void()> command) {
  if (!thinking(f)) return false;
  f.waiting.push_back(std::move(command));
  return true;
}

engine::Limits search_limits(const Form& f, int level) {
  const Game& g = f.g;
  if (f.search_nodes > 0 || !g.time_control.on())
    return engine::level_limits(level, f.search_nodes);
  // Under a time control the side to move's clock sets the budget, less what the turn has
  // already taken.
  const double left = g.side_to_move == g.top_side ? g.top_left : g.bottom_left;
  const double spent = elapsed_seconds(f.clock.turn_start, f.win.time_of_day());
  const TimeControl& c = g.time_control;
  const ClockReading r = clock_reading(c, left, spent);
  const auto ms = [](double s) { return static_cast<int64_t>(s * 1000); };
  const engine::TimeLeft t = r.in_byoyomi
                                 ? engine::TimeLeft{0, 0, ms(r.seconds)}
                                 : engine::TimeLeft{ms(r.seconds), ms(c.increment), ms(c.byoyomi)};
  return engine::clock_limits(level, t);
}

void search_move(Form& f, bool top, const engine::Limits& limits,
                 std::function<void(const std::optional<Move>&)> then) {
  if (!f.search) f.search = std::make_shared<engine::Search>();
  const bool standard = f.g.rules == Rules::standard;
  auto job =
      std::make_shared<Job>(Job{engine::from_game(f.g.pos, top, f.g.rules),
                                standard ? std::vector<engine::Key>{} : earlier_positions(f.g),
                                standard ? game_history(f.g) : std::vector<engine::Earlier>{},
                                limits,
                                f.search,
                                {}});
  f.thinker.start(
      [job, standard](const std::atomic<bool>& stop) {
        engine::Limits l = job->limits;
        l.stop = &stop;
        job->result = standard ? job->search->think(job->pos, l, job->history)
                               : job->search->think(job->pos, l, job->keys);
      },
      [&f, job, then = std::move(then)] {
        std::optional<Move> m;
        if (job->result.move != engine::NO_MOVE) m = engine::to_played(job->pos, job->result.move);
        then(m);
        run_waiting(f);
      });
}

}  // namespace hakuro
