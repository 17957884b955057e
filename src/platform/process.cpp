#include "platform/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>

extern char** environ;

namespace hakuro {

namespace {

using Clock = std::chrono::steady_clock;

// A line longer than this is handed over in pieces rather than held without end.
constexpr std::size_t kLongestLine = 1 << 16;

// A child that dies makes our next write fail with EPIPE instead of ending the program.
void ignore_sigpipe() {
  static std::once_flag once;
  std::call_once(once, [] { signal(SIGPIPE, SIG_IGN); });
}

void close_fd(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

// The attributes of a child: in a process group of its own (so that killing it ends what it
// started, and a Ctrl+C at our terminal reaches us alone), with no signal blocked and the
// signals we catch or ignore back at their defaults.
struct SpawnAttributes {
  posix_spawnattr_t attr;
  SpawnAttributes() {
    posix_spawnattr_init(&attr);
    sigset_t none, defaults;
    sigemptyset(&none);
    sigemptyset(&defaults);
    for (int s : {SIGPIPE, SIGINT, SIGTERM, SIGHUP}) sigaddset(&defaults, s);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setpgroup(&attr, 0);
    posix_spawnattr_setflags(
        &attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
  }
  ~SpawnAttributes() { posix_spawnattr_destroy(&attr); }
};

// The child's end of each pipe becomes its standard input or output; its standard error goes
// to /dev/null. Our ends are closed in it on exec.
struct FileActions {
  posix_spawn_file_actions_t actions;
  FileActions(int child_in, int child_out) {
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, child_in, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, child_out, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  }
  ~FileActions() { posix_spawn_file_actions_destroy(&actions); }
};

}  // namespace

ChildProcess::~ChildProcess() { close(); }

std::string ChildProcess::start(const std::string& program, const std::vector<std::string>& args) {
  close();
  ignore_sigpipe();
  if (program.empty()) return std::strerror(ENOENT);
  int to_child[2], from_child[2];
  if (pipe2(to_child, O_CLOEXEC) != 0) return std::strerror(errno);
  if (pipe2(from_child, O_CLOEXEC) != 0) {
    const int e = errno;
    ::close(to_child[0]);
    ::close(to_child[1]);
    return std::strerror(e);
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  int error;
  {
    SpawnAttributes attributes;
    FileActions actions(to_child[0], from_child[1]);
    // glibc's posix_spawn reports an exec that fails (no such file, not executable) here.
    error = posix_spawnp(&pid_, program.c_str(), &actions.actions, &attributes.attr, argv.data(),
                         environ);
  }
  ::close(to_child[0]);
  ::close(from_child[1]);
  in_ = to_child[1];
  out_ = from_child[0];
  if (error != 0) {
    pid_ = -1;
    close_fd(in_);
    close_fd(out_);
    return std::strerror(error);
  }
  buffer_.clear();
  eof_ = false;
  return {};
}

bool ChildProcess::reap(bool wait) {
  if (pid_ < 0) return true;
  int status = 0;
  pid_t r;
  do r = waitpid(pid_, &status, wait ? 0 : WNOHANG);
  while (r < 0 && errno == EINTR);
  if (r == 0) return false;
  pid_ = -1;
  return true;
}

bool ChildProcess::running() { return pid_ >= 0 && !reap(false); }

bool ChildProcess::write_line(std::string_view line) {
  if (in_ < 0) return false;
  std::string text(line);
  text += '\n';
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(in_, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool ChildProcess::take_line(std::string& line, bool at_end) {
  const std::size_t end = buffer_.find('\n');
  if (end == std::string::npos && !at_end && buffer_.size() < kLongestLine) return false;
  if (end == std::string::npos && buffer_.empty()) return false;
  const std::size_t length =
      end == std::string::npos ? std::min(buffer_.size(), kLongestLine) : end;
  line.assign(buffer_, 0, length);
  buffer_.erase(0, end == std::string::npos ? length : end + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

ChildProcess::Read ChildProcess::read_line(std::string& line, std::chrono::milliseconds timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (take_line(line, eof_)) return Read::line;
    if (eof_ || out_ < 0) return Read::closed;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd p{out_, POLLIN, 0};
    const int ready = poll(&p, 1, static_cast<int>(std::max<long long>(0, left.count())));
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) return Read::timeout;
    char chunk[4096];
    const ssize_t n = ::read(out_, chunk, sizeof chunk);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) eof_ = true;
    else buffer_.append(chunk, static_cast<std::size_t>(n));
  }
}

void ChildProcess::close(std::chrono::milliseconds grace) {
  close_fd(in_);
  const auto deadline = Clock::now() + grace;
  while (pid_ >= 0 && !reap(false) && Clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  if (pid_ >= 0) {
    kill(-pid_, SIGKILL);
    kill(pid_, SIGKILL);
    reap(true);
  }
  close_fd(out_);
  buffer_.clear();
  eof_ = false;
}

}  // namespace hakuro
