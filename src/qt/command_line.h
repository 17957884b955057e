// The program's command line: --help and --version print and end it; anything else it does not
// know ends it with an error. Read before the window system is touched, so that these work
// without a display.
#pragma once

#include <optional>

namespace hakuro {

// The exit status when the command line asks the program to end at once, after printing help,
// the version or an error; nothing when the window is to be opened.
std::optional<int> read_command_line(int argc, char** argv);

}  // namespace hakuro
