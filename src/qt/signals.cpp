#include "qt/signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

#include <QSocketNotifier>

#include "qt/main_window.h"

namespace hakuro {

namespace {

// The handler only writes a byte; the window's thread reads it and does the work.
int wake[2] = {-1, -1};

void on_signal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(wake[0], &byte, 1);
}

}  // namespace

void end_on_signals(MainWindow& window) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wake) != 0) return;
  auto* notifier = new QSocketNotifier(wake[1], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
    char byte;
    [[maybe_unused]] const ssize_t n = ::read(wake[1], &byte, 1);
    window.end_by_signal();
  });
  struct sigaction sa {};
  sa.sa_handler = on_signal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
}

}  // namespace hakuro
