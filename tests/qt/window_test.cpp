#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

#include "control/menu.h"
#include "control/mouse.h"
#include "control/startup.h"
#include "display/draw.h"
#include "qt/board_view.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app(); }  // before any window is made
  void SetUp() override { ASSERT_TRUE(window.load()); }

  QAction* item(const char* name) { return window.findChild<QAction*>(name); }

  // A left press where the centre of cell (x, y) appears in the window as it is now.
  QPointF press_cell(int x, int y) {
    const QSizeF size(window.board()->size());
    const double s = std::min(size.width() / 9285, size.height() / 7245);
    const QPointF twips(cell_centre_x(x), cell_centre_y(y));
    const QPointF at((size.width() - 9285 * s) / 2 + s * twips.x(),
                     (size.height() - 7245 * s) / 2 + s * twips.y());
    QMouseEvent e(QEvent::MouseButtonPress, at, window.board()->mapToGlobal(at), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.board(), &e);
    return twips;
  }

  void show_at(int w, int h) {
    window.resize(w, h);
    window.show();
    QApplication::processEvents();
  }

  CountingSound sound;
  TestWindow window{sound};
};

TEST_F(WindowTest, MenuBarCarriesEveryItemUnderItsMenu) {
  struct Entry {
    const char *name, *caption, *menu;
  };
  const Entry entries[] = {
      {"MATCH_MAN", "対局(人間)", "TAIKYOKU"},
      {"START", "スタート", "MATCH_MAN"},
      {"START2", "対局(COM)", "TAIKYOKU"},
      {"SENTE", "先手", "START2"},
      {"GOTE", "後手", "START2"},
      {"LEVEL", "COM対局ﾚﾍﾞﾙ", "TAIKYOKU"},
      {"LEVEL1", "LEVEL1", "LEVEL"},
      {"LEVEL3", "LEVEL3", "LEVEL"},
      {"LEVEL4", "LEVEL4", "LEVEL"},
      {"LEVEL5", "LEVEL5", "LEVEL"},
      {"HINT", "ヒント", "TAIKYOKU"},
      {"RESIGN", "投了", "TAIKYOKU"},
      {"OWARI", "終わり", "TAIKYOKU"},
      {"CANCEL", "最初", "STOP"},
      {"REVERSE", "反転", "STOP"},
      {"KIFU_READ", "読込", "KIFU"},
      {"KIFU_WRITE", "書込", "KIFU"},
      {"HAIKEI_GA", "背景画", "OPTION"},
      {"MIDORI", "緑", "HAIKEI_GA"},
      {"UCHU", "宇宙", "HAIKEI_GA"},
      {"RENGA", "煉瓦", "HAIKEI_GA"},
      {"SIDOU", "移動指導", "OPTION"},
      {"KEIKA", "経過時間", "OPTION"},
      {"BGM", "BGM", "OPTION"},
  };
  for (const Entry& e : entries) {
    QAction* a = item(e.name);
    ASSERT_NE(a, nullptr) << e.name;
    EXPECT_EQ(a->text(), QString::fromUtf8(e.caption)) << e.name;
    auto* menu = window.findChild<QMenu*>(e.menu);
    ASSERT_NE(menu, nullptr) << e.menu;
    EXPECT_TRUE(menu->actions().contains(a)) << e.name << " under " << e.menu;
  }
  QStringList bar;
  for (QAction* a : window.menuBar()->actions()) bar << a->objectName() + "=" + a->text();
  EXPECT_EQ(bar.join(' '), QString::fromUtf8("TAIKYOKU=対局 STOP=局面 REPLAY=戻 AFTER=進 LBEL_UP=△ "
                                             "LEBEL_DOWN=▽ KIFU=棋譜 OPTION=ｵﾌﾟｼｮﾝ VER=その他"));
}

TEST_F(WindowTest, CheckMarksFollowTheProgramNotTheClick) {
  EXPECT_TRUE(item("LEVEL3")->isChecked());
  EXPECT_FALSE(item("LEVEL1")->isChecked());
  item("LEVEL1")->trigger();
  EXPECT_TRUE(item("LEVEL1")->isChecked());
  EXPECT_FALSE(item("LEVEL3")->isChecked());
  // Choosing the checked level again leaves it checked.
  item("LEVEL1")->trigger();
  EXPECT_TRUE(item("LEVEL1")->isChecked());
  EXPECT_EQ(window.form().g.level, 1);
}

TEST_F(WindowTest, PressesArriveAsWindowPointsAtAnySize) {
  for (const QSize size : {QSize(700, 560), QSize(1300, 640)}) {
    show_at(size.width(), size.height());
    window.presses.clear();
    const QPointF twips = press_cell(5, 5);
    ASSERT_EQ(window.presses.size(), 1u);
    EXPECT_NEAR(window.presses[0].x(), twips.x(), 0.01);
    EXPECT_NEAR(window.presses[0].y(), twips.y(), 0.01);
  }
  // Before any game the program refuses the press.
  EXPECT_EQ(window.boxes.back(), QString::fromUtf8("「対局」で始めて下さい"));
}

TEST_F(WindowTest, EscEndsTheProgramAndReleasesTheSounds) {
  show_at(640, 520);
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
  QApplication::sendEvent(&window, &esc);
  EXPECT_TRUE(window.ended());
  EXPECT_EQ(sound.freed, 4);
  EXPECT_EQ(sound.terminated, 1);
  QApplication::processEvents();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowTest, ClosingTheWindowEndsTheProgram) {
  show_at(640, 520);
  window.close();
  EXPECT_TRUE(window.ended());
  EXPECT_EQ(sound.terminated, 1);
}

// The move list and the status bar add to the window: the board keeps its designed size.
TEST_F(WindowTest, TheBoardKeepsItsSizeBesideThePanels) {
  window.show();
  QApplication::processEvents();
  const QSize designed = view::Canvas::client_pixels(1.0);
  EXPECT_NEAR(window.board()->width(), designed.width(), 12);
  EXPECT_NEAR(window.board()->height(), designed.height(), 12);
}

TEST_F(WindowTest, RepeatedRedrawsDoNotGrowThePicture) {
  const std::size_t kept = window.canvas().op_count();
  for (int i = 0; i < 5; ++i) redraw_screen(window.form());
  EXPECT_EQ(window.canvas().op_count(), kept);
  EXPECT_LT(kept, 700u);
}

}  // namespace

}  // namespace hakuro::test
