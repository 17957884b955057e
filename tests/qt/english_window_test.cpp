// The window in English: its menus, message boxes with their buttons, status bar, title, move
// list, record panel and the captions on the board, at 1x. Pictures of the menus and of a box
// are written to the build's test-pictures folder, to be looked at.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "control/computer_turn.h"
#include "display/geometry.h"
#include "qt/language/language.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

// Kana, kanji, Japanese punctuation and the full- and half-width forms, the names that stay
// (the program's, the record files' extension) left out.
bool japanese(QString s) {
  for (const char* name : {"HAKURO KAISEN将棋", ".棋譜"}) s.remove(QString::fromUtf8(name));
  for (const QChar c : s) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x9fff) ||
        (u >= 0xff00 && u <= 0xffef))
      return true;
  }
  return false;
}

// Draws a widget shown over the window (a menu, a box) onto the window's picture, framed.
void draw_over(QImage& picture, const QWidget& window, QWidget& over) {
  QPainter p(&picture);
  const QPoint at = over.geometry().topLeft() - window.geometry().topLeft();
  p.drawPixmap(at, over.grab());
  p.setPen(QColor(40, 40, 40));
  p.drawRect(QRect(at, over.size()).adjusted(-1, -1, 0, 0));
}

bool save_picture(const QImage& picture, const char* name) {
  QDir().mkpath(QStringLiteral(HAKURO_TEST_PICTURES));
  return picture.save(QStringLiteral(HAKURO_TEST_PICTURES "/") + name);
}

// Shows its message boxes for real, keeps their titles, texts and buttons and a picture of the
// window with the last one, and answers each with its default button.
class BoxWindow : public MainWindow {
 public:
  // Keeps no last game: the tests share the run folder.
  explicit BoxWindow(SoundLibrary& sound) : MainWindow(sound) { form().last_game_file.clear(); }
  QStringList boxes, buttons;
  QImage picture;

 protected:
  Answer ask(const QString& text, const QString& title, Buttons b, Icon icon) override {
    boxes << title + " | " + text;
    QTimer::singleShot(0, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      QStringList names;
      for (QAbstractButton* button : box->buttons()) names << button->text();
      buttons << names.join('/');
      picture = grab().toImage();
      draw_over(picture, *this, *box);
      (box->defaultButton() ? box->defaultButton() : box->buttons().first())->click();
    });
    return MainWindow::ask(text, title, b, icon);
  }
};

class EnglishWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    app();
    ASSERT_TRUE(use_language(Language::english));
  }
  static void TearDownTestSuite() { use_language(Language::japanese); }
  void SetUp() override {
    ASSERT_TRUE(window.load());
    window.show();
    QApplication::processEvents();
  }

  void menu(const char* name) { window.findChild<QAction*>(name)->trigger(); }
  QString label(const char* name) { return window.findChild<QLabel*>(name)->text(); }
  void move(int x, int y, int to_x, int to_y) {
    window.mouse_down(BTN_HIDARI, 0, cell_centre_x(x), cell_centre_y(y));
    window.mouse_down(BTN_HIDARI, 0, cell_centre_x(to_x), cell_centre_y(to_y));
  }

  CountingSound sound;
  BoxWindow window{sound};
};

TEST_F(EnglishWindowTest, MenusAreEnglishAndTheBarHoldsThemAll) {
  QMenuBar* bar = window.menuBar();
  QStringList top;
  for (QAction* a : bar->actions()) {
    top << a->objectName() + "=" + a->text();
    // Every caption in one row of the bar at the window's own size, none behind its » button.
    const QRect at = bar->actionGeometry(a);
    EXPECT_FALSE(at.isEmpty()) << a->objectName().toStdString();
    EXPECT_LE(at.right(), bar->width()) << a->objectName().toStdString();
  }
  EXPECT_EQ(top.join(' '),
            QString::fromUtf8("TAIKYOKU=Game STOP=Position REPLAY=Back AFTER=Forward "
                              "LBEL_UP=△ LEBEL_DOWN=▽ KIFU=Record OPTION=Options "
                              "VER=About"));
  int items = 0;
  for (QMenu* m : window.findChildren<QMenu*>())
    for (QAction* a : m->actions()) {
      ++items;
      EXPECT_FALSE(japanese(a->text()))
          << a->objectName().toStdString() << " " << a->text().toStdString();
    }
  EXPECT_GT(items, 30);
  EXPECT_EQ(window.findChild<QAction*>("SENTE")->text(), "Sente (you move first)");
  EXPECT_EQ(window.findChild<QAction*>("RESIGN")->text(), "Resign");

  // The Game menu open at its place under the bar, and its computer sub-menu beside it.
  auto* game = window.findChild<QMenu*>("TAIKYOKU");
  auto* computer = window.findChild<QMenu*>("START2");
  game->popup(bar->mapToGlobal(bar->actionGeometry(game->menuAction()).bottomLeft()));
  QApplication::processEvents();
  computer->popup(game->mapToGlobal(game->actionGeometry(computer->menuAction()).topRight()));
  QApplication::processEvents();
  QImage picture = window.grab().toImage();
  draw_over(picture, window, *game);
  draw_over(picture, window, *computer);
  computer->hide();
  game->hide();
  EXPECT_TRUE(save_picture(picture, "english_menus.png"));
}

TEST_F(EnglishWindowTest, BoxesAreEnglishWithYesAndNo) {
  menu("SENTE");
  menu("RESIGN");
  // The first box's title is a blank, as in Japanese.
  EXPECT_EQ(window.boxes.join(" / ").toStdString(),
            "  | Your move / Resign | Resign this game? / Game over | The computer wins / "
            "New game | Play again?");
  EXPECT_EQ(window.buttons.join(" ").toStdString(), "OK Yes/No OK Yes/No");
  EXPECT_TRUE(save_picture(window.picture, "english_box.png"));
  // A refusal, and a text with a position.
  menu("AFTER");
  menu("SFEN_COPY");
  EXPECT_EQ(window.boxes.at(4).toStdString(), "Start | Start a game from the Game menu");
  EXPECT_EQ(window.boxes.size(), 5);  // the copy is told in the status bar
  EXPECT_TRUE(window.statusBar()->currentMessage().startsWith("Position copied  lnsgkgsnl/"));
  for (const QString& b : window.boxes) EXPECT_FALSE(japanese(b)) << b.toStdString();
}

TEST_F(EnglishWindowTest, TheWindowAroundTheBoardIsEnglish) {
  menu("LEBEL_DOWN");
  EXPECT_EQ(label("status_handicap"), "Handicap: 1-kyu");
  menu("SENTE");
  move(7, 7, 7, 6);  // and the computer answers
  // The bottom player gave the handicap: 上手, and 後手 as a KIF file has it.
  EXPECT_EQ(label("status_state"), QString::fromUtf8("△Uwate to move — You"));
  EXPECT_EQ(label("status_handicap"), "Handicap: 1-kyu (Bishop handicap)");
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("HAKURO KAISEN将棋 — Playing (LEVEL3)"));
  EXPECT_EQ(window.findChild<QDockWidget*>("move_list_dock")->windowTitle(), "Moves");
  begin_computer_turn(window.form());  // as while the computer thinks
  // The board keeps its kanji; only the program's captions change.
  const QStringList texts = window.canvas().texts();
  for (const char* caption : {"Handicap: 1-kyu", "ply", "LEVEL", "Thinking"})
    EXPECT_TRUE(texts.contains(caption)) << caption;
  EXPECT_TRUE(texts.contains(QString::fromUtf8("歩")));
  for (const QString& t : texts) EXPECT_FALSE(t.contains(QString::fromUtf8("手目")));
  EXPECT_TRUE(save_picture(window.grab().toImage(), "english_board.png"));

  menu("KIFU_WRITE");
  EXPECT_EQ(window.boxes.last().toStdString(),
            "Save record | A handicap game cannot be saved in a .棋譜 file");
  menu("CANCEL");
  menu("KIFU_WRITE");
  QStringList labels;
  for (int row = 0; row < 4; ++row)
    labels << window.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(row))->text();
  EXPECT_EQ(labels.join(' ').toStdString(), "Title: Sente: Gote: File name:");
  EXPECT_EQ(window.findChild<QPushButton*>("Command1")->text(), "Save");
  for (const QString& b : window.boxes) EXPECT_FALSE(japanese(b)) << b.toStdString();
}

TEST_F(EnglishWindowTest, TheBoardsCaptionsComeInEnglish) {
  view::Canvas canvas;
  canvas.text(300, 5266, "思考中", IRO_SHIRO, 12, true);
  canvas.text(8000, 2700, "手目", IRO_SHIRO, 10, true);
  canvas.text(1100, 200, "歩", IRO_SHIRO, 12, true);
  EXPECT_EQ(canvas.texts(), QStringList({"Thinking", "ply", QString::fromUtf8("歩")}));
}

}  // namespace

}  // namespace hakuro::test
