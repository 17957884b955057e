// hakuro-think-probe: the real window, sounds and signal handling, with a game against level 5
// whose search never ends by itself, for scripts/signal-test.sh to time how soon the program
// ends while the computer thinks. It prints "thinking" once the search runs. With `esc`, `owari`
// or `close` it ends itself that way after 0.3 s, printing "closing" then and how long the
// window took to end once it has; otherwise it waits for a signal. `idle-close` closes the
// window after 0.3 s with no game begun.
#include <chrono>
#include <cstdio>
#include <string>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "qt/main_window.h"
#include "qt/signals.h"
#include "sound/sdl_sound_library.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  hakuro::SdlSoundLibrary sound;
  hakuro::MainWindow window(sound);
  hakuro::end_on_signals(window);
  if (!window.load()) return 1;
  window.show();
  const std::string how = argc > 1 ? argv[1] : "";
  if (how != "idle-close") {
    window.form().search_nodes = std::uint64_t{1} << 50;
    for (const char* item : {"LEVEL5", "GOTE"}) window.findChild<QAction*>(item)->trigger();
    if (!window.form().thinker.busy()) return 1;
    std::printf("thinking\n");
    std::fflush(stdout);
  }

  using Clock = std::chrono::steady_clock;
  Clock::time_point asked;
  if (!how.empty()) {
    QTimer::singleShot(300, &window, [&] {
      std::printf("closing\n");
      std::fflush(stdout);
      asked = Clock::now();
      if (how == "esc") {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        QApplication::sendEvent(&window, &esc);
      } else if (how == "owari") {
        window.findChild<QAction*>("OWARI")->trigger();
      } else {
        window.close();
      }
    });
  }
  const int status = app.exec();
  if (!how.empty())
    std::printf("%s ended the program in %.1f ms\n", how.c_str(),
                std::chrono::duration<double, std::milli>(Clock::now() - asked).count());
  return window.form().thinker.busy() ? 1 : status;
}
