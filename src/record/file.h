// Game-record files ("*.棋譜"): three header lines (the title, the top and the bottom player's
// names) and one 37-column line a move, in Shift-JIS with CR LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"  // write_atomically, with which records are saved
#include "state/game.h"

namespace hakuro {

struct RecordFile {
  std::string title, top_name, bottom_name;  // UTF-8
  std::vector<RecordMove> moves;             // move 1 first
};

// The fixed-column line of one move (37 characters; a time of 100000 s or more as 99999).
std::string move_line(const RecordMove& m);

// The whole file as bytes, or the name of the header field Shift-JIS cannot hold.
struct Encoded {
  std::string bytes;
  std::string bad_field;  // "対局名", "先手" or "後手" (as the panel labels them); empty when fine
};
Encoded encode_record(const RecordFile& r, const std::string& title_field,
                      const std::string& top_field, const std::string& bottom_field);

// Reads a record file's bytes. Every move line is checked before anything is used: a field out
// of its range, or a line that is not a move at all, refuses the file and names its line number
// (the header lines counted). Empty lines at the end are ignored. Never reads outside the bytes
// and takes time in proportion to their number.
struct Parsed {
  bool ok = false;
  int bad_line = 0;
  RecordFile record;
};
Parsed parse_record(std::string_view bytes);

// A record file as the panel loads it: read only from a regular file, every line checked, and
// every move replayed from the starting position by the rules (record/fit.h). The first line that
// is no move, or whose move does not fit, refuses the file.
struct Loaded {
  enum class Status { ok, unreadable, bad_line, no_moves };
  Status status = Status::unreadable;
  int bad_line = 0;  // with Status::bad_line: its number, the header lines counted
  RecordFile record;
};
Loaded load_record(std::string_view bytes);
Loaded load_record_file(const std::string& utf8_path);

}  // namespace hakuro
