#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace hakuro {

namespace {

using Status = FileBytes::Status;

// Closes a descriptor when it goes out of scope.
struct Fd {
  int fd;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
};

Status open_failure(int error) {
  return error == ENOENT || error == ENOTDIR ? Status::missing : Status::cannot_open;
}

}  // namespace

FileBytes read_regular_file(const std::string& utf8_path, std::size_t limit) {
  const std::string path = std::filesystem::u8path(utf8_path).string();
  // O_NONBLOCK: opening a FIFO would otherwise wait for a writer.
  const Fd in{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
  if (in.fd < 0) return {open_failure(errno), {}};
  struct stat st {};
  if (::fstat(in.fd, &st) != 0) return {Status::cannot_open, {}};
  if (!S_ISREG(st.st_mode)) return {Status::not_regular, {}};
  if (static_cast<std::uintmax_t>(st.st_size) > limit) return {Status::too_large, {}};
  FileBytes file{Status::ok, {}};
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(in.fd, buf, sizeof buf);
    if (n == 0) return file;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return {Status::cannot_read, {}};
    if (file.bytes.size() + static_cast<std::size_t>(n) > limit) return {Status::too_large, {}};
    file.bytes.append(buf, static_cast<std::size_t>(n));
  }
}

bool write_atomically(const std::string& utf8_path, const std::string& bytes) {
  namespace fs = std::filesystem;
  const fs::path target = fs::u8path(utf8_path);
  std::string tmp = (target.parent_path() / ".hakuro-XXXXXX").string();
  const int fd = ::mkstemp(tmp.data());
  if (fd < 0) return false;
  bool ok = true;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) ok = false;
    else done += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::chmod(tmp.c_str(), 0644) == 0;
  ok = ok && std::rename(tmp.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

}  // namespace hakuro
