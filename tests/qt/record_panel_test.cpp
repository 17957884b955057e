#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include "display/geometry.h"
#include "qt/board_view.h"
#include "qt/game_panels.h"
#include "qt/record_panel.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

class RecordPanelTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app(); }
  void SetUp() override {
    ASSERT_TRUE(window.load());
    window.resize(700, 560);
    window.show();
  }

  QWidget* control(const char* name) { return window.findChild<QWidget*>(name); }
  void menu(const char* item) { window.findChild<QAction*>(item)->trigger(); }
  QString shown() {
    QStringList names;
    for (const char* n : {"Drive1", "Dir1", "File1", "Text1", "Text2", "Text3", "Text4", "Label1_0",
                          "Label1_1", "Label1_2", "Label1_3", "Command1"})
      if (control(n)->isVisible()) names << n;
    return names.join(' ');
  }

  // What a list shows, once it has read its folder when rows are awaited.
  QStringList listed(const char* list, int rows = -1) {
    auto* view = window.findChild<QListView*>(list);
    const auto count = [&] { return view->model()->rowCount(view->rootIndex()); };
    if (rows >= 0) static_cast<void>(QTest::qWaitFor([&] { return count() == rows; }, 5000));
    QStringList names;
    for (int r = 0; r < count(); ++r)
      names << view->model()->index(r, 0, view->rootIndex()).data().toString();
    return names;
  }

  void click(const char* list, const QString& name, bool twice = false) {
    auto* view = window.findChild<QListView*>(list);
    const int row = listed(list).indexOf(name);
    ASSERT_GE(row, 0) << name.toStdString();
    const QPoint p = view->visualRect(view->model()->index(row, 0, view->rootIndex())).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              twice ? QEvent::MouseButtonDblClick : QEvent::None}) {
      QMouseEvent e(type, p, view->viewport()->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
      if (type != QEvent::None) QApplication::sendEvent(view->viewport(), &e);
    }
  }

  CountingSound sound;
  TestWindow window{sound};
};

TEST_F(RecordPanelTest, MenusShowWhatEachNeedsAndOtherMenusPutItAway) {
  EXPECT_EQ(shown(), "");
  menu("KIFU_READ");
  EXPECT_EQ(shown(), "Drive1 Dir1 File1");
  menu("KIFU_WRITE");
  EXPECT_EQ(shown(),
            "Drive1 Dir1 Text1 Text2 Text3 Text4 Label1_0 Label1_1 Label1_2 Label1_3 Command1");
  // Each label beside its box, one row under another.
  const char* rows[][2] = {{"対 局 名：", "Text2"},
                           {"先    手 ：", "Text3"},
                           {"後    手 ：", "Text4"},
                           {"ﾌｧｲﾙ名 ：", "Text1"}};
  int above = -1;
  for (int r = 0; r < 4; ++r) {
    auto* label = window.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(r));
    const QRect box = control(rows[r][1])->geometry();
    EXPECT_EQ(label->text(), QString::fromUtf8(rows[r][0]));
    EXPECT_LT(label->geometry().right(), box.left());
    EXPECT_NEAR(label->geometry().center().y(), box.center().y(), 2) << rows[r][1];
    EXPECT_GT(box.top(), above) << rows[r][1];
    above = box.bottom();
  }
  auto* drives = window.findChild<QComboBox*>("Drive1");
  EXPECT_GE(drives->findData(QStringLiteral("/")), 0);
  EXPECT_GE(drives->findData(QDir::homePath()), 0);

  emit window.findChild<QMenu*>("STOP")->aboutToShow();
  EXPECT_EQ(shown(), "");
  EXPECT_FALSE(window.record_panel()->isVisible());
}

TEST_F(RecordPanelTest, ListsShowTheFolderAndItsRecordsAndPassChoicesOn) {
  QTemporaryDir tmp;
  const QString root = tmp.path();
  QFile record(root + QString::fromUtf8("/a.棋譜"));
  ASSERT_TRUE(record.open(QIODevice::WriteOnly));
  record.write("t\r\nu\r\nv\r\n3 736-10 -10 0   0    0    0    0    \r\n");  // one move
  record.close();
  QFile(root + "/b.txt").open(QIODevice::WriteOnly);
  QDir(root).mkdir("sub");
  menu("KIFU_READ");
  EXPECT_EQ(window.panel_directory(), QDir::currentPath().toStdString());
  window.set_panel_directory(root.toStdString());
  EXPECT_EQ(listed("File1", 1), QStringList{QString::fromUtf8("a.棋譜")});
  QStringList folders = listed("Dir1", 2);
  folders.sort();
  EXPECT_EQ(folders, QStringList({"..", "sub"}));

  // The program finds the record clicked in the folder shown, loads it and puts the lists away.
  click("File1", QString::fromUtf8("a.棋譜"));
  EXPECT_EQ(window.form().g.record_mode, OK);
  EXPECT_EQ(shown(), "");

  // A double click enters a folder, ".." leaves it; a record written since shows when asked.
  menu("KIFU_READ");
  click("Dir1", "sub", true);
  EXPECT_EQ(window.panel_directory(), (root + "/sub").toStdString());
  EXPECT_TRUE(listed("File1", 0).isEmpty());
  QFile(root + QString::fromUtf8("/sub/c.棋譜")).open(QIODevice::WriteOnly);
  window.refresh_files();
  EXPECT_EQ(listed("File1", 1), QStringList{QString::fromUtf8("c.棋譜")});
  listed("Dir1", 1);
  click("Dir1", "..", true);
  EXPECT_EQ(window.panel_directory(), root.toStdString());

  auto* drives = window.findChild<QComboBox*>("Drive1");
  const int home = drives->findData(QDir::homePath());
  emit drives->activated(home);
  EXPECT_EQ(window.panel_directory(), QDir::homePath().toStdString());
  EXPECT_EQ(drives->currentIndex(), home);
}

TEST_F(RecordPanelTest, BoxesTakeTypingAndReturnReachesTheProgram) {
  menu("KIFU_WRITE");
  for (auto [key, text] : {std::pair{Qt::Key_A, QString("a")},
                           {Qt::Key_unknown, QString("棋")},
                           {Qt::Key_Escape, QString("\x1b")}}) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(control("Text1"), &e);
  }
  EXPECT_EQ(window.text_box(1), "a棋");
  EXPECT_FALSE(window.ended());  // Esc in a box does not end the program
  window.set_text_box(2, "名人戦");
  EXPECT_EQ(window.text_box(2), "名人戦");
  static_cast<QPushButton*>(control("Command1"))->click();
  ASSERT_FALSE(window.boxes.empty());
  EXPECT_EQ(window.boxes.back(), QString::fromUtf8("保存するデータがありません"));
}

TEST_F(RecordPanelTest, PanelStaysRightOfTheBoardAtAnySize) {
  menu("KIFU_WRITE");
  // Board views of these sizes, the move list beside them.
  const int list = window.game_panels()->extra_size().width();
  for (const QSize size : {QSize(700, 560), QSize(1300, 640), QSize(480, 700)}) {
    window.resize(size + QSize(list, 0));
    QApplication::processEvents();
    const QRect panel = window.record_panel()->geometry();
    EXPECT_TRUE(window.board()->rect().contains(panel)) << size.width();
    const QPointF corner = view::Canvas::to_device(QSizeF(window.board()->size()))
                               .map(QPointF(cell_x(12), cell_y(5)));  // the hand's, below row 4
    EXPECT_GE(panel.left(), corner.x() - 1) << size.width();
    EXPECT_GE(panel.top(), corner.y() - 1) << size.width();
    EXPECT_GE(control("Text1")->width(), 40) << size.width();
  }
  // A press on the panel is not a press on the board (which would put the panel away).
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(control("Label1_0"), &press);
  EXPECT_TRUE(window.presses.empty());
  EXPECT_TRUE(control("Text1")->isVisible());
}

}  // namespace

}  // namespace hakuro::test
