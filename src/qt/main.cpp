// HAKURO KAISEN将棋: the window, its sounds, and the program behind them. It works in the
// current directory (wave files, settings, game records).
#include <QApplication>

#include "qt/command_line.h"
#include "qt/main_window.h"
#include "qt/signals.h"
#include "qt/startup_timing.h"
#include "sound/sdl_sound_library.h"

int main(int argc, char** argv) {
  hakuro::startup::mark_main();
  if (const auto status = hakuro::read_command_line(argc, argv)) {
    return *status;
  }
  QApplication app(argc, argv);
  hakuro::SdlSoundLibrary sound;
  hakuro::MainWindow window(sound);
  hakuro::end_on_signals(window);
  if (!window.load()) return 0;
  window.show();
  return app.exec();
}
