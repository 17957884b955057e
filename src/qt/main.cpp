// HAKURO KAISEN将棋: the window, its sounds, and the program behind them. It works in the
// current directory (wave files, settings, game records).
#include <cstdlib>
#include <iostream>

#include <QApplication>

#include "qt/command_line.h"
#include "qt/language/language.h"
#include "qt/main_window.h"
#include "qt/signals.h"
#include "qt/startup_timing.h"
#include "qt/window_settings.h"
#include "sound/sdl_sound_library.h"

int main(int argc, char** argv) {
  hakuro::startup::mark_main();
  const hakuro::CommandLine line = hakuro::read_command_line(argc, argv);
  if (line.exit_status) return *line.exit_status;
  QApplication app(argc, argv);
  std::string warnings;
  const hakuro::Language language = hakuro::start_language(
      line.language, [](const char* name) { return std::getenv(name); }, &warnings);
  std::cerr << warnings;
  // Without its translation the window stays Japanese, as it always was.
  if (!hakuro::use_language(language)) std::cerr << "hakuro: the English texts are missing\n";
  hakuro::SdlSoundLibrary sound;
  hakuro::MainWindow window(sound);
  hakuro::end_on_signals(window);
  if (!window.load()) return 0;
  window.remember_between_starts();
  window.show();
  return app.exec();
}
