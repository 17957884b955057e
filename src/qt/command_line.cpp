#include "qt/command_line.h"

#include <iostream>
#include <string_view>

namespace hakuro {

namespace {

constexpr std::string_view help =
    "Usage: hakuro [OPTION]\n"
    "HAKURO KAISEN将棋: shogi in one window, against the computer or another person.\n"
    "A board move may capture a piece of the mover's own side, kings included.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "  -V, --version  print the version and exit\n"
    "\n"
    "The program keeps its settings (HAKURO将棋1.ini), its four wave files and the game\n"
    "records saved by default in the folder it runs in; the installed command runs it in\n"
    "$XDG_DATA_HOME/hakuro (~/.local/share/hakuro). SIGTERM and SIGINT end it as closing\n"
    "its window does. See hakuro(6).\n";

}  // namespace

std::optional<int> read_command_line(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  const std::string_view arg = argv[1];
  if (arg == "-h" || arg == "--help") {
    std::cout << help;
    return 0;
  }
  if (arg == "-V" || arg == "--version") {
    std::cout << "hakuro (HAKURO KAISEN将棋) " HAKURO_VERSION "\n";
    return 0;
  }
  std::cerr << "hakuro: " << (arg.starts_with('-') ? "unknown option" : "unexpected argument")
            << " '" << arg << "'\nTry 'hakuro --help' for more information.\n";
  return 2;
}

}  // namespace hakuro
