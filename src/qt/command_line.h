// The program's command line: --help and --version print and end it, --lang chooses the
// window's language; anything else it does not know ends it with an error. Read before the
// window system is touched, so that these work without a display.
#pragma once

#include <optional>

#include "qt/language/language.h"

namespace hakuro {

struct CommandLine {
  // The exit status when the program is to end at once, after printing help, the version or an
  // error; nothing when the window is to be opened.
  std::optional<int> exit_status;
  // The language --lang asked for, if any.
  std::optional<Language> language;
};

CommandLine read_command_line(int argc, char** argv);

}  // namespace hakuro
