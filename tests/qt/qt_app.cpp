#include "qt_app.h"

#include <QFile>

namespace hakuro::test {

QApplication& app() {
  static int argc = 1;
  static char name[] = "hakuro_qt_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt's own globals may be gone by the time statics are torn down.
  static auto* a = new QApplication(argc, argv);
  return *a;
}

namespace {
const char kSettings[] = "HAKURO将棋1.ini";
}  // namespace

KeptSettings::KeptSettings() {
  QFile f(QString::fromUtf8(kSettings));
  if (f.open(QIODevice::ReadOnly)) bytes_ = f.readAll();
}

KeptSettings::~KeptSettings() {
  QFile f(QString::fromUtf8(kSettings));
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes_);
}

}  // namespace hakuro::test
