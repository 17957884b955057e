// The USI protocol: commands read line by line, answers written to a stream. The search runs on
// its own thread, so that `stop`, `ponderhit` and `isready` are answered while it thinks.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <istream>
#include <memory>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>

#include "engine/search.h"
#include "go.h"
#include "setup.h"

namespace hakuro::usi {

inline constexpr int MAX_HASH_MB = 1024;

struct Options {
  int hash_mb = engine::Search::DEFAULT_TABLE_MB;
  bool ponder = false;
  int level = 5;
  bool own_captures = false;
};

class Session {
 public:
  explicit Session(std::ostream& out);
  ~Session();  // ends a search still running
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Reads and answers commands until `quit` or the end of the input, where a search still
  // running is let finish as wait() lets it.
  void run(std::istream& in);
  // Answers one command line; false after `quit`.
  bool command(std::string_view line);
  // Lets a search bounded by time, nodes or depth end and write its bestmove; ends one that
  // waits for stop.
  void wait();

  const Options& options() const { return options_; }
  const Setup& setup() const { return setup_; }

 private:
  void say(const std::string& line);
  void set_option(std::string_view args);
  void position(std::string_view args);
  void go(std::string_view args);
  void ponderhit();
  // Ends the search (its bestmove is written) and waits for its thread.
  void finish_search();
  // Makes the table when there is none or its size has changed.
  void prepare_table();
  // The searching thread: thinks on `setup` and writes the bestmove (when `hold`, not before
  // stop or ponderhit), with the move it expects in reply when `ponder`.
  void search(Setup setup, engine::Limits limits, bool hold, bool ponder);
  void report(const engine::Result& r);
  void release();

  engine::Rules rules() const {
    return options_.own_captures ? engine::Rules::own : engine::Rules::standard;
  }

  std::ostream& out_;
  std::mutex out_mutex_;
  Options options_;
  Setup setup_;
  std::string position_args_ = "startpos";  // the last position accepted

  std::unique_ptr<engine::Search> search_;
  int table_mb_ = 0;  // the size search_ was made with
  std::thread worker_;
  std::atomic<bool> stop_{false};
  std::chrono::steady_clock::time_point started_;

  // A search under `go infinite` or `go ponder` keeps its bestmove until stop (or ponderhit).
  std::mutex hold_mutex_;
  std::condition_variable hold_cv_;
  bool released_ = true;
  // After ponderhit: the clock `go ponder` gave, and the thread that stops the search in time.
  Go pondering_;
  bool black_ = true;
  std::thread timer_;
};

}  // namespace hakuro::usi
