#include "session.h"

#include <algorithm>
#include <charconv>
#include <new>
#include <vector>

#include "usi/usi_move.h"

namespace hakuro::usi {

namespace {

using Clock = std::chrono::steady_clock;

std::string score_text(engine::Value v) {
  if (!engine::is_decisive(v)) return "cp " + std::to_string(v);
  // Plies until the king is taken or mated; negative when it is ours.
  return "mate " + std::to_string(v > 0 ? engine::WIN - v : -(engine::WIN + v));
}

// The words after the first, as they stand in the line.
std::string_view after_first_word(std::string_view line, std::string_view first) {
  const std::size_t at = line.find(first) + first.size();
  return line.substr(std::min(at, line.size()));
}

bool read_int(std::string_view s, int& out) {
  const auto [end, err] = std::from_chars(s.data(), s.data() + s.size(), out);
  return err == std::errc{} && end == s.data() + s.size();
}

}  // namespace

Session::Session(std::ostream& out) : out_(out), setup_(start_setup(rules())) {}

Session::~Session() { finish_search(); }

void Session::say(const std::string& line) {
  const std::lock_guard lock(out_mutex_);
  out_ << line << '\n' << std::flush;
}

void Session::run(std::istream& in) {
  std::string line;
  while (std::getline(in, line))
    if (!command(line)) return;
  wait();
}

void Session::wait() {
  bool holding;
  {
    const std::lock_guard lock(hold_mutex_);
    holding = !released_;
  }
  if (holding) return finish_search();
  if (worker_.joinable()) worker_.join();
  if (timer_.joinable()) timer_.join();
}

bool Session::command(std::string_view line) {
  const std::vector<std::string_view> w = words(line);
  if (w.empty()) return true;
  const std::string_view cmd = w[0], args = after_first_word(line, cmd);
  if (cmd == "usi") {
    say("id name HAKURO KAISEN " HAKURO_VERSION);
    say("id author HAKURO KAISEN developers");
    say("option name USI_Hash type spin default " +
        std::to_string(engine::Search::DEFAULT_TABLE_MB) + " min 1 max " +
        std::to_string(MAX_HASH_MB));
    say("option name USI_Ponder type check default false");
    say("option name Level type spin default 5 min 1 max 5");
    say("option name OwnCaptures type check default false");
    say("usiok");
  } else if (cmd == "isready") {
    if (!worker_.joinable()) prepare_table();
    say("readyok");
  } else if (cmd == "setoption") {
    set_option(args);
  } else if (cmd == "usinewgame") {
  } else if (cmd == "position") {
    position(args);
  } else if (cmd == "go") {
    go(args);
  } else if (cmd == "stop" || cmd == "gameover") {
    finish_search();
  } else if (cmd == "ponderhit") {
    ponderhit();
  } else if (cmd == "quit") {
    finish_search();
    return false;
  } else {
    say("info string unknown command: " + std::string(cmd));
  }
  return true;
}

void Session::set_option(std::string_view args) {
  const std::vector<std::string_view> w = words(args);
  std::string name, value;
  std::size_t i = 0;
  if (!w.empty() && w[0] == "name") ++i;
  for (; i < w.size() && w[i] != "value"; ++i)
    name += (name.empty() ? "" : " ") + std::string(w[i]);
  for (++i; i < w.size(); ++i) value += (value.empty() ? "" : " ") + std::string(w[i]);
  int n = 0;
  const bool yes = value == "true", no = value == "false";
  if (name == "USI_Hash" && read_int(value, n) && n >= 1 && n <= MAX_HASH_MB) {
    options_.hash_mb = n;
  } else if (name == "Level" && read_int(value, n) && n >= 1 && n <= 5) {
    options_.level = n;
  } else if (name == "USI_Ponder" && (yes || no)) {
    options_.ponder = yes;
  } else if (name == "OwnCaptures" && (yes || no)) {
    if (options_.own_captures == yes) return;
    options_.own_captures = yes;
    SetupRead r = read_setup(position_args_, rules());
    if (!r.error.empty()) {
      say("info string the position does not stand under the new rules (" + r.error +
          "): startpos");
      position_args_ = "startpos";
      r.setup = start_setup(rules());
    }
    setup_ = std::move(r.setup);
  } else if (name == "USI_Hash" || name == "Level" || name == "USI_Ponder" ||
             name == "OwnCaptures") {
    say("info string option " + name + ": value '" + value + "' not understood");
  }
}

void Session::position(std::string_view args) {
  SetupRead r = read_setup(args, rules());
  if (!r.error.empty()) {
    say("info string position refused, the previous one kept: " + r.error);
    return;
  }
  setup_ = std::move(r.setup);
  position_args_ = std::string(args);
}

void Session::prepare_table() {
  if (search_ && table_mb_ == options_.hash_mb) return;
  search_.reset();
  try {
    search_ = std::make_unique<engine::Search>(options_.hash_mb);
    table_mb_ = options_.hash_mb;
  } catch (const std::bad_alloc&) {
    say("info string no memory for " + std::to_string(options_.hash_mb) + " MB: the table has " +
        std::to_string(engine::Search::DEFAULT_TABLE_MB));
    search_ = std::make_unique<engine::Search>();
    table_mb_ = options_.hash_mb;
  }
}

void Session::go(std::string_view args) {
  finish_search();
  const Go g = read_go(args);
  if (!g.error.empty()) say("info string " + g.error);
  if (g.mate) {
    say("checkmate notimplemented");
    return;
  }
  prepare_table();
  black_ = setup_.pos.side() == engine::BOTTOM;
  pondering_ = g;
  const bool hold = g.infinite || g.ponder;
  stop_ = false;
  released_ = !hold;
  started_ = Clock::now();
  worker_ = std::thread(&Session::search, this, setup_, go_limits(g, black_, options_.level), hold,
                        options_.ponder);
}

void Session::search(Setup setup, engine::Limits limits, bool hold, bool ponder) {
  limits.stop = &stop_;
  bool reported = false;
  const engine::Result r =
      search_->think(setup.pos, limits, setup.earlier, [&](const engine::Result& now) {
        reported = true;
        report(now);
      });
  if (!reported && r.move != engine::NO_MOVE) report(r);
  if (hold) {
    std::unique_lock lock(hold_mutex_);
    hold_cv_.wait(lock, [this] { return released_; });
  }
  if (r.move == engine::NO_MOVE) return say("bestmove resign");
  std::string line = "bestmove " + move_text(r.move);
  if (ponder && r.pv_size >= 2) line += " ponder " + move_text(r.pv[1]);
  say(line);
}

void Session::report(const engine::Result& r) {
  using std::chrono::milliseconds;
  const int64_t ms = std::chrono::duration_cast<milliseconds>(Clock::now() - started_).count();
  const uint64_t nps = r.nodes * 1000 / uint64_t(std::max<int64_t>(1, ms));
  std::string line = "info depth " + std::to_string(r.depth) + " seldepth " +
                     std::to_string(r.seldepth) + " score " + score_text(r.score) + " nodes " +
                     std::to_string(r.nodes) + " nps " + std::to_string(nps) + " time " +
                     std::to_string(ms) + " pv";
  for (int i = 0; i < r.pv_size; ++i) line += " " + move_text(r.pv[std::size_t(i)]);
  say(line);
}

void Session::release() {
  const std::lock_guard lock(hold_mutex_);
  released_ = true;
  hold_cv_.notify_all();
}

void Session::ponderhit() {
  if (!worker_.joinable() || !pondering_.ponder || timer_.joinable()) return;
  Go g = pondering_;
  g.ponder = false;
  const double seconds = go_limits(g, black_, options_.level).seconds;
  if (!g.infinite) release();
  if (seconds <= 0) return;
  timer_ = std::thread([this, seconds] {
    std::unique_lock lock(hold_mutex_);
    const auto stopped = [this] { return stop_.load(); };
    if (!hold_cv_.wait_for(lock, std::chrono::duration<double>(seconds), stopped)) stop_ = true;
  });
}

void Session::finish_search() {
  if (!worker_.joinable()) return;
  {
    const std::lock_guard lock(hold_mutex_);
    stop_ = true;
    released_ = true;
    hold_cv_.notify_all();
  }
  worker_.join();
  if (timer_.joinable()) timer_.join();
}

}  // namespace hakuro::usi
