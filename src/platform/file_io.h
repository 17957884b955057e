// Whole files read and written safely: only a regular file is read, and a file is replaced only
// once its new bytes are complete. Neither ever throws.
#pragma once

#include <cstddef>
#include <string>

namespace hakuro {

struct FileBytes {
  enum class Status {
    ok,
    missing,      // nothing of that name
    not_regular,  // a folder, a FIFO, a device: nothing this program reads
    cannot_open,  // there, but not to be opened (no permission, a loop of links, ...)
    cannot_read,  // opened, but a read failed
    too_large,    // larger than the reader takes
  };
  Status status = Status::missing;
  std::string bytes;  // the whole file when ok

  bool ok() const { return status == Status::ok; }
};

// The largest file read unless the reader says otherwise: far beyond the settings, the records
// and the wave files.
inline constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

// Reads the whole of a regular file of at most `limit` bytes; a larger one is not read. Opening
// never waits (a FIFO without a writer is refused at once), and what is opened is what is
// checked, so a name that turns into a folder meanwhile is refused too.
FileBytes read_regular_file(const std::string& utf8_path, std::size_t limit = kMaxFileBytes);

// Writes bytes to path atomically: a temporary file in the same folder, flushed, renamed over
// the target. False (and any existing file untouched) when anything fails.
bool write_atomically(const std::string& utf8_path, const std::string& bytes);

}  // namespace hakuro
