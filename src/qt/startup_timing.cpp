#include "qt/startup_timing.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include <QLoggingCategory>

namespace hakuro::startup {

namespace {

Q_LOGGING_CATEGORY(lc_startup, "hakuro.startup", QtWarningMsg)

std::chrono::steady_clock::time_point main_entry;

// Milliseconds since the process was started (its start time in /proc counts clock ticks
// since boot), or -1 when that cannot be read.
double since_process_start() {
  std::ifstream in("/proc/self/stat");
  std::string stat;
  std::getline(in, stat);
  const auto close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(stat.substr(close + 2));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i) {}
  if (!fields) return -1;
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double ticks = std::stod(field);
  return (now.tv_sec + now.tv_nsec / 1e9 - ticks / sysconf(_SC_CLK_TCK)) * 1000.0;
}

}  // namespace

void mark_main() { main_entry = std::chrono::steady_clock::now(); }

void report_painted() {
  if (!lc_startup().isInfoEnabled()) return;
  const std::chrono::duration<double, std::milli> since_main =
      std::chrono::steady_clock::now() - main_entry;
  qCInfo(lc_startup, "window painted %.0f ms after process start (%.0f ms after main)",
         since_process_start(), since_main.count());
}

}  // namespace hakuro::startup
