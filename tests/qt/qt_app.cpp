#include "qt_app.h"

namespace hakuro::test {

QApplication& app() {
  static int argc = 1;
  static char name[] = "hakuro_qt_tests";
  static char* argv[] = {name, nullptr};
  static QApplication a(argc, argv);
  return a;
}

}  // namespace hakuro::test
