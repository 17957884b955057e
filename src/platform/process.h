// A program run as a child process that talks in lines: its standard input and output are pipes
// to us, its standard error is discarded. Used from one thread at a time.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace hakuro {

class ChildProcess {
 public:
  enum class Read { line, timeout, closed };

  ChildProcess() = default;
  // Ends the child as close() does.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Runs `program` (a path, or a name looked up on PATH) with `args`. Empty when it runs, else
  // why it could not start (the system's reason, in English). A child that runs already is
  // closed first.
  std::string start(const std::string& program, const std::vector<std::string>& args = {});
  // It has started and not yet ended.
  bool running();
  // Writes `line` and a line end; false when the child no longer reads (it has ended).
  bool write_line(std::string_view line);
  // The next line the child writes, without its line end (LF or CR LF), waiting at most
  // `timeout`; `closed` once it has closed its output and every line has been read.
  Read read_line(std::string& line, std::chrono::milliseconds timeout);
  // Closes its input, gives it `grace` to end by itself, then kills it (and what it started)
  // and reaps it. Nothing when no child runs.
  void close(std::chrono::milliseconds grace = std::chrono::milliseconds(0));

 private:
  bool take_line(std::string& line, bool at_end);
  bool reap(bool wait);

  pid_t pid_ = -1;
  int in_ = -1;   // the child's standard input, our end
  int out_ = -1;  // the child's standard output, our end
  std::string buffer_;
  bool eof_ = false;
};

}  // namespace hakuro
