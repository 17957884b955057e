#include "gui.h"

#include <QGuiApplication>
#include <QImage>

#include "qt/view/canvas.h"

namespace hakuro::replay {

namespace {

void ensure_qt() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "hakuro-replay";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
}

}  // namespace

std::unique_ptr<view::Canvas> make_canvas() {
  ensure_qt();
  return std::make_unique<view::Canvas>();
}

bool write_png(const view::Canvas& canvas, const std::string& file) {
  const QImage image = canvas.image(canvas.client_pixels(2.0));
  return image.save(QString::fromStdString(file), "PNG");
}

}  // namespace hakuro::replay
