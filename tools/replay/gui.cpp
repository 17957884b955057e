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

class CanvasPicture : public Picture {
 public:
  void picture(int id, double x, double y) override { canvas_.picture(id, x, y); }
  void outline(int colour, double x1, double y1, double x2, double y2) override {
    canvas_.outline(colour, x1, y1, x2, y2);
  }
  void text(double x, double y, const std::string& s, int colour, int size, bool bold) override {
    canvas_.text(x, y, s, colour, size, bold);
  }
  void background_colour(int colour) override { canvas_.background_colour(colour); }
  void refresh() override { canvas_.refresh(); }

  bool write_png(const std::string& file) const override {
    const QImage image = canvas_.image(view::Canvas::client_pixels(2.0));
    return image.save(QString::fromStdString(file), "PNG");
  }

 private:
  view::Canvas canvas_;
};

}  // namespace

std::unique_ptr<Picture> make_picture() {
  ensure_qt();
  return std::make_unique<CanvasPicture>();
}

}  // namespace hakuro::replay
