// A USI engine run as a child process and played through its protocol: the handshake, its
// options, a new game, a position, a search and its move, the game's end, and quitting.
// Every call waits for what it needs from the engine for a limited time, and each failure comes
// back as an Error with a message for the player; nothing is thrown. Used from one thread; only
// a search's stop flag is set from another.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/process.h"
#include "usi/messages.h"

namespace hakuro::usi {

using std::chrono::milliseconds;

enum class Fault {
  none,
  cannot_start,  // no such program, or not one we may run
  no_answer,     // it did not answer in time
  ended,         // it has ended, or closed its output
  garbage,       // it answered something that is not USI
};

struct Error {
  Fault fault = Fault::none;
  std::string message;  // for the player, in Japanese; empty for none

  explicit operator bool() const { return fault != Fault::none; }
};

// How long the engine may take to answer.
struct Timeouts {
  milliseconds usiok{10'000};
  milliseconds readyok{30'000};
  // Beyond a search's own time, before it counts as hung.
  milliseconds go_margin{10'000};
  // From `stop` to its bestmove.
  milliseconds after_stop{5'000};
  // From `quit` until it is killed.
  milliseconds quit_grace{1'000};
};

// The time a search is given: a time per move (byoyomi), and each side's clock when the game
// has one (milliseconds left and added each move; b is 先手, w 後手).
struct GoLimits {
  int byoyomi_ms = 1000;
  struct Clocks {
    int btime = 0, wtime = 0, binc = 0, winc = 0;
  };
  std::optional<Clocks> clocks;
  // When not 0, the search's exact time instead (`go movetime`), for engines that spend well
  // under their byoyomi.
  int movetime_ms = 0;
  // A node budget in place of the time (outputs that stay the same from run to run); 0: none.
  std::uint64_t nodes = 0;
};

struct GoResult {
  Error error;
  BestMove best;
  Info last;  // the last info line's parts, merged over the search
};

enum class GameOutcome { win, lose, draw };  // from the engine's side

class Client {
 public:
  explicit Client(Timeouts timeouts = {}) : timeouts_(timeouts) {}
  // Quits the engine if it runs.
  ~Client();
  Client(const Client&) = delete;
  Client& operator=(const Client&) = delete;

  // Starts `path` and shakes hands: `usi`, its id and options, `usiok`.
  Error start(const std::string& path, const std::vector<std::string>& args = {});
  // The engine's name, author and options as the handshake told them.
  const EngineId& id() const { return id_; }
  bool running() { return process_.running(); }

  Error set_option(const std::string& name, const std::string& value);
  // `isready`, and waits for `readyok`.
  Error ready();
  Error new_game();
  // The position to search: `sfen` (empty for the start position) and the moves played since,
  // in USI notation.
  Error position(const std::string& sfen, const std::vector<std::string>& moves);
  // Searches the position until bestmove. Each info line goes to `on_info` as it comes. When
  // `stop` becomes true (from any thread) the engine is told to stop and its move is taken.
  GoResult go(const GoLimits& limits, const std::atomic<bool>* stop = nullptr,
              const std::function<void(const Info&)>& on_info = {});
  Error game_over(GameOutcome outcome);
  // `quit`, then kills it after the grace period. Nothing when it does not run.
  void quit();

 private:
  Error send(const std::string& line);
  // Reads lines until one that `done` accepts, for at most `timeout`.
  Error wait_for(milliseconds timeout, const std::function<bool(const std::string&)>& done);
  Error fail(Fault fault, const std::string& detail = {});

  Timeouts timeouts_;
  ChildProcess process_;
  EngineId id_;
};

// The go command for `limits`.
std::string go_command(const GoLimits& limits);

}  // namespace hakuro::usi
