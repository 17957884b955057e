#include "usi/client.h"

namespace hakuro::usi {

namespace {

using Clock = std::chrono::steady_clock;

// How often a search looks at its stop flag.
constexpr milliseconds kStopPoll{20};

milliseconds left_until(Clock::time_point deadline) {
  return std::max(milliseconds(0),
                  std::chrono::duration_cast<milliseconds>(deadline - Clock::now()));
}

std::string message(Fault fault, const std::string& detail) {
  switch (fault) {
    case Fault::none: return {};
    case Fault::cannot_start: return "USIエンジンを起動できません: " + detail;
    case Fault::no_answer: return "USIエンジンが応答しません";
    case Fault::ended: return "USIエンジンが終了しました";
    case Fault::garbage: return "USIエンジンの応答が正しくありません: " + detail;
  }
  return {};
}

// An info line merged into what the search has told so far.
void merge(Info& into, const Info& info) {
  if (info.depth) into.depth = info.depth;
  if (info.nodes) into.nodes = info.nodes;
  if (info.score_cp || info.mate) into.score_cp = info.score_cp, into.mate = info.mate;
  if (!info.pv.empty()) into.pv = info.pv;
}

}  // namespace

Client::~Client() { quit(); }

Error Client::fail(Fault fault, const std::string& detail) {
  if (fault != Fault::cannot_start) process_.close();
  return {fault, message(fault, detail)};
}

Error Client::send(const std::string& line) {
  if (!process_.write_line(line)) return fail(Fault::ended);
  return {};
}

Error Client::wait_for(milliseconds timeout, const std::function<bool(const std::string&)>& done) {
  const auto deadline = Clock::now() + timeout;
  std::string line;
  for (;;) {
    switch (process_.read_line(line, left_until(deadline))) {
      case ChildProcess::Read::line:
        if (done(line)) return {};
        break;
      case ChildProcess::Read::timeout: return fail(Fault::no_answer);
      case ChildProcess::Read::closed: return fail(Fault::ended);
    }
  }
}

Error Client::start(const std::string& path, const std::vector<std::string>& args) {
  id_ = {};
  if (!process_.start(path, args).empty()) return fail(Fault::cannot_start, path);
  if (Error e = send("usi")) return e;
  return wait_for(timeouts_.usiok, [this](const std::string& line) {
    const std::vector<std::string_view> w = split_words(line);
    if (w.size() >= 2 && w[0] == "id" && (w[1] == "name" || w[1] == "author")) {
      const std::size_t at = line.find(w[1]) + w[1].size();
      const std::size_t from = line.find_first_not_of(" \t", at);
      (w[1] == "name" ? id_.name : id_.author) = from == std::string::npos ? "" : line.substr(from);
    } else if (!w.empty() && w[0] == "option") {
      if (auto o = read_option(line)) id_.options.push_back(std::move(*o));
    }
    return w.size() == 1 && w[0] == "usiok";
  });
}

Error Client::set_option(const std::string& name, const std::string& value) {
  return send("setoption name " + name + (value.empty() ? "" : " value " + value));
}

Error Client::ready() {
  if (Error e = send("isready")) return e;
  return wait_for(timeouts_.readyok, [](const std::string& line) { return line == "readyok"; });
}

Error Client::new_game() { return send("usinewgame"); }

Error Client::position(const std::string& sfen, const std::vector<std::string>& moves) {
  std::string line = sfen.empty() ? "position startpos" : "position sfen " + sfen;
  if (!moves.empty()) line += " moves";
  for (const std::string& m : moves) line += " " + m;
  return send(line);
}

std::string go_command(const GoLimits& limits) {
  const std::string nodes = limits.nodes > 0 ? " nodes " + std::to_string(limits.nodes) : "";
  if (limits.movetime_ms > 0) return "go movetime " + std::to_string(limits.movetime_ms) + nodes;
  const GoLimits::Clocks c = limits.clocks.value_or(GoLimits::Clocks{});
  std::string line = "go btime " + std::to_string(c.btime) + " wtime " + std::to_string(c.wtime);
  if (c.binc > 0 || c.winc > 0)
    line += " binc " + std::to_string(c.binc) + " winc " + std::to_string(c.winc);
  if (limits.byoyomi_ms > 0 || !limits.clocks)
    line += " byoyomi " + std::to_string(limits.byoyomi_ms);
  return line + nodes;
}

GoResult Client::go(const GoLimits& limits, const std::atomic<bool>* stop,
                    const std::function<void(const Info&)>& on_info) {
  GoResult r;
  if ((r.error = send(go_command(limits)))) return r;
  const GoLimits::Clocks c = limits.clocks.value_or(GoLimits::Clocks{});
  const milliseconds own{std::max(c.btime, c.wtime) + std::max(c.binc, c.winc) + limits.byoyomi_ms +
                         limits.movetime_ms};
  auto deadline = Clock::now() + own + timeouts_.go_margin;
  bool stopped = false;
  std::string line;
  for (;;) {
    if (!stopped && stop && stop->load()) {
      stopped = true;
      if ((r.error = send("stop"))) return r;
      deadline = std::min(deadline, Clock::now() + timeouts_.after_stop);
    }
    const milliseconds left = left_until(deadline);
    switch (process_.read_line(line, stopped ? left : std::min(left, kStopPoll))) {
      case ChildProcess::Read::closed: r.error = fail(Fault::ended); return r;
      case ChildProcess::Read::timeout:
        if (left.count() == 0) {
          r.error = fail(Fault::no_answer);
          return r;
        }
        continue;
      case ChildProcess::Read::line: break;
    }
    if (line.starts_with("info")) {
      const Info info = read_info(line);
      merge(r.last, info);
      if (on_info) on_info(info);
    } else if (line.starts_with("bestmove")) {
      if (auto best = read_bestmove(line)) r.best = *best;
      else r.error = fail(Fault::garbage, line);
      return r;
    }
  }
}

Error Client::game_over(GameOutcome outcome) {
  return send(std::string("gameover ") + (outcome == GameOutcome::win    ? "win"
                                          : outcome == GameOutcome::lose ? "lose"
                                                                         : "draw"));
}

void Client::quit() {
  if (!process_.running()) {
    process_.close();
    return;
  }
  process_.write_line("quit");
  process_.close(timeouts_.quit_grace);
}

}  // namespace hakuro::usi
