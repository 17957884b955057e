// An engine the player has added: where it is, its name, and what the player set for it. The
// window keeps the list with its settings; a game starts the engine from its entry.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "usi/client.h"

namespace hakuro::usi {

struct EngineEntry {
  struct Spin {
    int value = 0, min = 0, max = 0;
    bool operator==(const Spin&) const = default;
  };
  std::string name;  // as its handshake's `id name` tells it
  std::string path;
  std::optional<Spin> hash_mb;  // USI_Hash, when the engine offers it
  std::optional<Spin> threads;  // Threads, when the engine offers it
  int byoyomi_ms = 1000;        // its time per move

  bool operator==(const EngineEntry&) const = default;
};

// The entry of the engine at `path` whose handshake told `id`, the engine's defaults set.
EngineEntry entry_for(const std::string& path, const EngineId& id);

// Starts the engine at `path`, reads its name and options and quits it again: its entry, or why
// it could not be added.
Error probe_engine(const std::string& path, EngineEntry& entry, Timeouts timeouts = {});

// The `setoption` values a game of standard shogi gives the engine of `entry`, whose handshake
// told `id`: the player's hash and threads, and the shogi variant where the engine plays several.
std::vector<std::pair<std::string, std::string>> game_options(const EngineEntry& entry,
                                                              const EngineId& id);

// Starts the entry's engine for a new game: the handshake, game_options, isready, usinewgame.
Error start_game(Client& client, const EngineEntry& entry);

// The engine's move in the position `sfen` (empty for the start position) after `moves`, with
// the entry's time per move; see Client::go for `stop` and `on_info`.
GoResult engine_move(Client& client, const EngineEntry& entry, const std::string& sfen,
                     const std::vector<std::string>& moves, const std::atomic<bool>* stop = nullptr,
                     const std::function<void(const Info&)>& on_info = {});
// The same with `limits`: the game's clocks in place of the time per move.
GoResult engine_move(Client& client, const GoLimits& limits, const std::string& sfen,
                     const std::vector<std::string>& moves, const std::atomic<bool>* stop = nullptr,
                     const std::function<void(const Info&)>& on_info = {});

}  // namespace hakuro::usi
