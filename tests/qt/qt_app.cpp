#include "qt_app.h"

namespace hakuro::test {

QApplication& app() {
  static int argc = 1;
  static char name[] = "hakuro_qt_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt's own globals may be gone by the time statics are torn down.
  static auto* a = new QApplication(argc, argv);
  return *a;
}

}  // namespace hakuro::test
