#include "qt/command_line.h"

#include <iostream>
#include <string_view>

namespace hakuro {

namespace {

constexpr std::string_view help =
    "Usage: hakuro [OPTION]...\n"
    "HAKURO KAISEN将棋: shogi in one window, against the computer or another person.\n"
    "A board move may capture a piece of the mover's own side, kings included.\n"
    "\n"
    "  -h, --help       print this help and exit\n"
    "  -V, --version    print the version and exit\n"
    "      --lang=LANG  the window's language: ja (Japanese) or en (English)\n"
    "\n"
    "Without --lang the language is HAKURO_LANG's (ja or en), else the locale's: Japanese\n"
    "when LC_ALL, LC_MESSAGES or LANG (the first one set) starts with \"ja\", English\n"
    "otherwise. The pieces and the moves are written in kanji in either language.\n"
    "\n"
    "The program keeps its settings (HAKURO将棋1.ini), its four wave files and the game\n"
    "records saved by default in the folder it runs in; the installed command runs it in\n"
    "$XDG_DATA_HOME/hakuro (~/.local/share/hakuro). SIGTERM and SIGINT end it as closing\n"
    "its window does. See hakuro(6).\n";

int usage_error(std::string_view what) {
  std::cerr << "hakuro: " << what << "\nTry 'hakuro --help' for more information.\n";
  return 2;
}

}  // namespace

CommandLine read_command_line(int argc, char** argv) {
  CommandLine line;
  bool help_asked = false, version_asked = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      help_asked = true;
    } else if (arg == "-V" || arg == "--version") {
      version_asked = true;
    } else if (arg == "--lang" || arg.starts_with("--lang=")) {
      std::string_view value;
      if (arg != "--lang") value = arg.substr(7);
      else if (i + 1 < argc) value = argv[++i];
      line.language = language_named(value);
      if (!line.language) {
        line.exit_status = usage_error("--lang takes ja or en, not '" + std::string(value) + "'");
        return line;
      }
    } else {
      line.exit_status =
          usage_error(std::string(arg.starts_with('-') ? "unknown option" : "unexpected argument") +
                      " '" + std::string(arg) + "'");
      return line;
    }
  }
  if (help_asked) {
    std::cout << help;
    line.exit_status = 0;
  } else if (version_asked) {
    std::cout << "hakuro (HAKURO KAISEN将棋) " HAKURO_VERSION "\n";
    line.exit_status = 0;
  }
  return line;
}

}  // namespace hakuro
