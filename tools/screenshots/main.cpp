// hakuro-screenshots RUN_DIR OUT_DIR: the README's pictures of the window, 1180 x 850, as
// OUT_DIR/startup.png (the window after start-up), OUT_DIR/game.png (a game against the
// computer: the move list, the last move framed, a piece picked with move guidance on),
// OUT_DIR/panel.png (the record panel of 棋譜 → 書込, filled in) and OUT_DIR/resign.png (投了:
// the result box beside the board), and OUT_DIR/english.png (the same game in English, its Game
// menu open), and OUT_DIR/review.png (棋譜 → 解析 of a loaded game: the graph, the marks and
// their counts). It plays in a copy of RUN_DIR's wave files and settings, so RUN_DIR is left as it
// was.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "display/geometry.h"
#include "qt/board_view.h"
#include "qt/box_place.h"
#include "qt/language/language.h"
#include "qt/main_window.h"
#include "qt/review.h"

namespace {

using namespace hakuro;

class Silent : public SoundLibrary {
 public:
  std::int32_t dsInitialize(std::int32_t) override { return 1; }
  std::int32_t dsTerminate(std::int32_t) override { return 1; }
  std::int32_t dsCreateDSB(std::int32_t, const unsigned char*, std::size_t, std::int32_t) override {
    return ++buffers_;
  }
  std::int32_t dsFree(std::int32_t) override { return 1; }
  std::int32_t dsPlay(std::int32_t) override { return 1; }
  std::int32_t dsPlayLooping(std::int32_t) override { return 1; }
  std::int32_t dsStop(std::int32_t) override { return 1; }

 private:
  std::int32_t buffers_ = 0;
};

// Every box answered as a person going on playing would; on_box sees each first.
class ShotWindow : public MainWindow {
 public:
  // Keeps no last game, so that every picture starts from the same window.
  explicit ShotWindow(SoundLibrary& sound) : MainWindow(sound) { form().last_game_file.clear(); }
  std::function<void(const QString& text, const QString& title)> on_box;
  QString file_answer;  // the path every file dialog answers

 protected:
  QString choose_file(FileDialog, const QString&, const QString&, const QString&) override {
    return file_answer;
  }
  Answer ask(const QString& text, const QString& title, Buttons buttons, Icon) override {
    if (on_box) on_box(text, title);
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
};

void menu(ShotWindow& w, const char* name) { w.findChild<QAction*>(name)->trigger(); }

void click(ShotWindow& w, int x, int y) {
  BoardView* b = w.board();
  const QPointF at =
      view::Canvas::to_device(QSizeF(b->size())).map(QPointF(cell_centre_x(x), cell_centre_y(y)));
  QMouseEvent e(QEvent::MouseButtonPress, at, b->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                Qt::NoModifier);
  QApplication::sendEvent(b, &e);
}

void type(QWidget* box, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent e(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &e);
  }
}

bool save(const QImage& img, const QString& path) {
  const bool ok = img.save(path);
  std::fprintf(stderr, "%s %s\n", qPrintable(path), ok ? "written" : "NOT WRITTEN");
  return ok;
}

bool save(ShotWindow& w, const QString& path) {
  QApplication::processEvents();
  return save(w.grab().toImage(), path);
}

// Paints a widget shown over the window (a box, a menu) onto its picture, framed as a desktop
// would.
void draw_over(QImage& img, const QWidget& w, QWidget& over) {
  QPainter p(&img);
  const QRect at(over.geometry().topLeft() - w.geometry().topLeft(), over.size());
  p.drawPixmap(at.topLeft(), over.grab());
  p.setPen(QColor(40, 40, 40));
  p.drawRect(at.adjusted(-1, -1, 0, 0));
}

// The window with a message box where the window places it.
QImage with_box(ShotWindow& w, const QString& text, const QString& title) {
  BesideBoardBox box(&w, *w.board());
  box.setWindowTitle(title);
  box.setText(text);
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.show();
  QApplication::processEvents();
  QImage img = w.grab().toImage();
  draw_over(img, w, box);
  box.close();
  return img;
}

// The window with the menu `name` open under the bar, and its sub-menu `sub` beside it.
QImage with_menu(ShotWindow& w, const char* name, const char* sub) {
  QMenuBar* bar = w.menuBar();
  auto* menu = w.findChild<QMenu*>(name);
  auto* submenu = w.findChild<QMenu*>(sub);
  menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
  QApplication::processEvents();
  submenu->popup(menu->mapToGlobal(menu->actionGeometry(submenu->menuAction()).topRight()));
  QApplication::processEvents();
  QImage img = w.grab().toImage();
  draw_over(img, w, *menu);
  draw_over(img, w, *submenu);
  submenu->hide();
  menu->hide();
  return img;
}

// A game against the computer with move guidance on, the bishop picked.
void play_a_little(ShotWindow& w) {
  if (!w.form().look.options.guidance) menu(w, "SIDOU");
  menu(w, "SENTE");
  for (auto [x, y] : {std::pair{3, 7}, {3, 6}, {7, 7}, {7, 6}, {2, 7}, {2, 6}, {6, 9}, {5, 8}})
    click(w, x, y);
  click(w, 2, 8);  // the bishop, its diagonals outlined
}

// A loaded game in which 先手 leaves the rook hanging with move 9, analysed, move 9 shown.
bool analysed_game(ShotWindow& w, const QString& folder) {
  QFile kif(folder + "/rook.kif");
  if (!kif.open(QIODevice::WriteOnly)) return false;
  kif.write(
      "手合割：平手\n"
      "1 ２六歩(27)\n2 ８四歩(83)\n3 ２五歩(26)\n4 ８五歩(84)\n5 ２四歩(25)\n6 同　歩(23)\n"
      "7 同　飛(28)\n8 ２三歩打\n9 ７六歩(77)\n10 ２四歩(23)\n");
  kif.close();
  w.file_answer = kif.fileName();
  menu(w, "KIF_READ");
  menu(w, "ANALYSE");
  while (w.review()->running()) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  for (int n = 0; n < 9; ++n) menu(w, "AFTER");
  return w.review()->shown();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: hakuro-screenshots RUN_DIR OUT_DIR\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QDir run(QString::fromLocal8Bit(argv[1]));
  const QString out = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
  QTemporaryDir tmp;
  const QString home = tmp.path() + "/HAKURO";
  QDir().mkpath(home);
  for (const QString& f : run.entryList({"*.wav", "*.ini"}, QDir::Files))
    QFile::copy(run.filePath(f), home + "/" + f);
  QDir::setCurrent(home);

  Silent sound;
  ShotWindow w(sound);
  if (!w.load()) return 1;
  w.resize(1180, 850);
  w.show();
  QApplication::processEvents();
  bool ok = save(w, out + "/startup.png");

  play_a_little(w);
  ok = save(w, out + "/game.png") && ok;

  menu(w, "KIFU_WRITE");
  w.set_text_box(1, "");
  QWidget* name = w.findChild<QWidget*>("Text1");
  name->setFocus();
  type(name, "kaisen1");
  type(w.findChild<QWidget*>("Text2"), QString::fromUtf8("練習対局"));
  type(w.findChild<QWidget*>("Text3"), QString::fromUtf8("あなた"));
  type(w.findChild<QWidget*>("Text4"), QString::fromUtf8("ｺﾝﾋﾟｭｰﾀ"));
  ok = save(w, out + "/panel.png") && ok;

  click(w, 5, 5);  // the panel put away
  QImage resigned;
  w.on_box = [&](const QString& text, const QString& title) {
    if (text.endsWith(QString::fromUtf8("の勝ちです"))) resigned = with_box(w, text, title);
  };
  menu(w, "RESIGN");
  ok = save(resigned, out + "/resign.png") && ok;

  ShotWindow reviewed(sound);
  if (!reviewed.load()) return 1;
  reviewed.resize(1180, 850);
  reviewed.show();
  ok = analysed_game(reviewed, home) && save(reviewed, out + "/review.png") && ok;

  // The window as it is on a desktop whose language is not Japanese.
  if (!use_language(Language::english)) return 1;
  ShotWindow english(sound);
  if (!english.load()) return 1;
  english.resize(1180, 850);
  english.show();
  play_a_little(english);
  ok = save(with_menu(english, "TAIKYOKU", "START2"), out + "/english.png") && ok;
  return ok ? 0 : 1;
}
