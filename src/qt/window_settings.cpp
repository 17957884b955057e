#include "qt/window_settings.h"

#include <algorithm>
#include <memory>

#include <QMenuBar>
#include <QScreen>
#include <QSettings>

#include "control/startup.h"
#include "form/option_items.h"
#include "options/settings.h"
#include "qt/board_view.h"
#include "qt/game_panels.h"
#include "qt/main_window.h"
#include "qt/view/canvas.h"

namespace hakuro {

namespace {

constexpr int kSquarePixels = 60, kNaturalSquarePixels = 33;
// Frame and caption of a window not yet shown, whose frame is not known.
constexpr int kFrameWidth = 8, kFrameHeight = 31;

const QString kGeometry = QStringLiteral("window/geometry");
const QString kDocks = QStringLiteral("window/docks");
const QString kLevel = QStringLiteral("game/level");
const QString kZahyo = QStringLiteral("board/zahyo");
const QString kHonshogi = QStringLiteral("game/honshogi");
const QString kLanguage = QStringLiteral("language");

QRect available(const QWidget& w) {
  const QScreen* s = w.screen();
  return s ? s->availableGeometry() : QRect(0, 0, 800, 600);
}

QSize frame_of(const QWidget& w) {
  const QSize extra = w.frameGeometry().size() - w.size();
  return extra.isEmpty() ? QSize(kFrameWidth, kFrameHeight) : extra;
}

// The board at 60 pixels a square, or as large as the screen takes, with the panels around it.
void first_size(MainWindow& w) {
  const QRect screen = available(w);
  const QSize around = w.game_panels()->extra_size() + QSize(0, w.menuBar()->sizeHint().height());
  const QSize room = screen.size() - frame_of(w) - around;
  const QSize board = view::Canvas::client_pixels(double(kSquarePixels) / kNaturalSquarePixels);
  const double fit =
      std::min({1.0, double(room.width()) / board.width(), double(room.height()) / board.height()});
  w.resize(board * fit + around);
  const QSize outer = w.size() + frame_of(w);
  w.move(screen.x() + std::max(0, (screen.width() - outer.width()) / 2),
         screen.y() + std::max(0, (screen.height() - outer.height()) / 2));
}

// The frame's top-left corner, and so the title bar, moved onto the screen.
void title_bar_on_screen(MainWindow& w) {
  const QRect screen = available(w);
  const QSize outer = w.size() + frame_of(w);
  const int x =
      std::clamp(w.x(), screen.left(), std::max(screen.left(), screen.right() - outer.width()));
  const int y =
      std::clamp(w.y(), screen.top(), std::max(screen.top(), screen.bottom() - outer.height()));
  if (x != w.x() || y != w.y()) w.move(x, y);
}

std::optional<Language> kept_language(const QSettings& s) {
  return language_named(s.value(kLanguage).toString().toStdString());
}

std::unique_ptr<QSettings> settings() { return window_settings_store(); }

}  // namespace

std::unique_ptr<QSettings> window_settings_store() {
  return std::make_unique<QSettings>(QStringLiteral("hakuro"), QStringLiteral("hakuro"));
}

void restore_window(MainWindow& w) {
  const auto s = settings();
  if (!w.restoreGeometry(s->value(kGeometry).toByteArray())) first_size(w);
  w.restoreState(s->value(kDocks).toByteArray());
  title_bar_on_screen(w);
  const int level = s->value(kLevel, 0).toInt();
  if (level >= 1 && level <= 5) set_level(w.form(), level);
  if (s->contains(kZahyo)) set_option(w.form(), kCoordinatesItem, s->value(kZahyo).toBool());
  if (s->contains(kHonshogi))
    set_option(w.form(), kStandardRulesItem, s->value(kHonshogi).toBool());
}

void keep_window(MainWindow& w) {
  const auto s = settings();
  s->setValue(kGeometry, w.saveGeometry());
  s->setValue(kDocks, w.saveState());
  s->setValue(kLevel, w.form().g.level);
  s->setValue(kZahyo, w.form().look.options.sente_coordinates);
  s->setValue(kHonshogi, w.form().look.options.standard_rules);
}

Language start_language(std::optional<Language> option, const Getenv& getenv,
                        std::string* warnings) {
  const Language chosen = choose_language(option, getenv, warnings);
  const char* env = getenv("HAKURO_LANG");
  const auto s = settings();
  if (option || (env && language_named(env))) {
    s->setValue(kLanguage, chosen == Language::english ? "en" : "ja");
    return chosen;
  }
  return kept_language(*s).value_or(chosen);
}

}  // namespace hakuro
