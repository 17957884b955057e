#include "usi/engine_entry.h"

#include <algorithm>
#include <charconv>

namespace hakuro::usi {

namespace {

// A spin option's range and default, the default kept inside the range.
std::optional<EngineEntry::Spin> spin(const EngineId& id, const char* name) {
  const EngineOption* o = id.option(name);
  if (!o || o->type != "spin") return std::nullopt;
  EngineEntry::Spin s;
  s.min = o->min.value_or(1);
  s.max = std::max(s.min, o->max.value_or(1 << 20));
  std::from_chars(o->default_value.data(), o->default_value.data() + o->default_value.size(),
                  s.value);
  s.value = std::clamp(s.value, s.min, s.max);
  return s;
}

}  // namespace

EngineEntry entry_for(const std::string& path, const EngineId& id) {
  EngineEntry e;
  e.name = id.name.empty() ? path : id.name;
  e.path = path;
  e.hash_mb = spin(id, "USI_Hash");
  e.threads = spin(id, "Threads");
  return e;
}

Error probe_engine(const std::string& path, EngineEntry& entry, Timeouts timeouts) {
  Client client(timeouts);
  if (Error e = client.start(path)) return e;
  entry = entry_for(path, client.id());
  return {};
}

std::vector<std::pair<std::string, std::string>> game_options(const EngineEntry& entry,
                                                              const EngineId& id) {
  std::vector<std::pair<std::string, std::string>> out;
  if (const EngineOption* v = id.option("UCI_Variant")) {
    if (std::find(v->vars.begin(), v->vars.end(), "shogi") != v->vars.end() || v->type == "string")
      out.emplace_back("UCI_Variant", "shogi");
  }
  if (entry.hash_mb && id.option("USI_Hash"))
    out.emplace_back("USI_Hash", std::to_string(entry.hash_mb->value));
  if (entry.threads && id.option("Threads"))
    out.emplace_back("Threads", std::to_string(entry.threads->value));
  return out;
}

Error start_game(Client& client, const EngineEntry& entry) {
  if (Error e = client.start(entry.path)) return e;
  for (const auto& [name, value] : game_options(entry, client.id()))
    if (Error e = client.set_option(name, value)) return e;
  if (Error e = client.ready()) return e;
  return client.new_game();
}

GoResult engine_move(Client& client, const EngineEntry& entry, const std::string& sfen,
                     const std::vector<std::string>& moves, const std::atomic<bool>* stop,
                     const std::function<void(const Info&)>& on_info) {
  GoLimits limits;
  limits.byoyomi_ms = entry.byoyomi_ms;
  return engine_move(client, limits, sfen, moves, stop, on_info);
}

GoResult engine_move(Client& client, const GoLimits& limits, const std::string& sfen,
                     const std::vector<std::string>& moves, const std::atomic<bool>* stop,
                     const std::function<void(const Info&)>& on_info) {
  if (Error e = client.position(sfen, moves)) return {e, {}, {}};
  return client.go(limits, stop, on_info);
}

}  // namespace hakuro::usi
