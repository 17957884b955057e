// The window's KIF and SFEN items: where they stand in the menus, the file dialog they ask (the
// desktop's own, in its save or open form) and the clipboard they use.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

#include "display/geometry.h"
#include "qt_app.h"
#include "record/exchange.h"

namespace hakuro::test {

namespace {

class KifWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app(); }
  void SetUp() override { ASSERT_TRUE(window.load()); }

  QAction* item(const char* name) { return window.findChild<QAction*>(name); }
  QString notice() const { return window.statusBar()->currentMessage(); }
  QStringList menu(const char* name) {
    QStringList names;
    for (QAction* a : window.findChild<QMenu*>(name)->actions()) names << a->objectName();
    return names;
  }
  void move(int x, int y, int to_x, int to_y) {
    window.mouse_down(BTN_HIDARI, 0, cell_centre_x(x), cell_centre_y(y));
    window.mouse_down(BTN_HIDARI, 0, cell_centre_x(to_x), cell_centre_y(to_y));
  }

  CountingSound sound;
  TestWindow window{sound};
  QTemporaryDir dir;
};

TEST_F(KifWindowTest, TheItemsStandAfterTheirNeighbours) {
  EXPECT_EQ(menu("KIFU").join(' '),
            "KIFU_READ KIFU_WRITE KIF_WRITE KIF_READ ANALYSE KENTOU KIF_ANALYSIS");
  EXPECT_EQ(menu("STOP").join(' '), "CANCEL REVERSE SFEN_COPY SFEN_PASTE");
  EXPECT_EQ(item("KIF_WRITE")->text(), QString::fromUtf8("KIF形式で書出…"));
  EXPECT_EQ(item("KIF_READ")->text(), QString::fromUtf8("KIF形式を読込…"));
  EXPECT_EQ(item("SFEN_COPY")->text(), QString::fromUtf8("局面をコピー(SFEN)"));
  EXPECT_EQ(item("SFEN_PASTE")->text(), QString::fromUtf8("局面を貼付(SFEN)"));
}

TEST_F(KifWindowTest, KifItemsAskTheFileDialogAndSfenItemsTheClipboard) {
  item("START")->trigger();
  move(3, 7, 3, 6);
  window.file_answers.push_back(dir.filePath(QStringLiteral("対局")));
  const std::size_t boxes = window.boxes.size();
  item("KIF_WRITE")->trigger();
  EXPECT_EQ(window.dialogs.back(), QString::fromUtf8("KIF形式で書出"));
  // What was done passes in the status bar; no box stops the player.
  EXPECT_EQ(notice(), QString::fromUtf8("KIFﾌｧｲﾙを書き込みました"));
  EXPECT_EQ(window.boxes.size(), boxes);
  ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("対局.kif"))));

  item("CANCEL")->trigger();    // no file is read while a game runs
  item("KIF_READ")->trigger();  // cancelled: nothing changes
  EXPECT_EQ(window.dialogs.size(), 2u);
  EXPECT_EQ(window.form().g.record_mode, NG);
  window.file_answers.push_back(dir.filePath(QStringLiteral("対局.kif")));
  item("KIF_READ")->trigger();
  EXPECT_EQ(window.dialogs.back(), QString::fromUtf8("KIF形式を読込"));
  EXPECT_EQ(window.form().g.record_mode, OK);
  EXPECT_EQ(window.form().g.record.last_move(), 1);
  EXPECT_EQ(notice(), QString::fromUtf8("読み込みました"));
  EXPECT_EQ(window.boxes.back(), QString::fromUtf8("棋譜を '進 'で進めて下さい"));

  item("SFEN_COPY")->trigger();
  const QString start =
      QStringLiteral("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), start);
  EXPECT_EQ(notice(), QString::fromUtf8("局面をｺﾋﾟｰしました  ") + start);
  QGuiApplication::clipboard()->setText(QStringLiteral("4k4/9/9/9/9/9/9/9/4K4 b G 1"));
  item("CANCEL")->trigger();
  item("SFEN_PASTE")->trigger();
  EXPECT_EQ(sfen_shown(window.form().g), "4k4/9/9/9/9/9/9/9/4K4 b G 1");
}

// The window's own dialog: a save dialog that adds ".kif", an open dialog for existing files,
// both showing KIF files.
TEST_F(KifWindowTest, TheDesktopsFileDialogSavesAndOpens) {
  window.real_file_dialog = true;
  QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
  QString suffix, filter;
  const auto answer = [&](const QString& name) {
    QTimer::singleShot(0, [&, name] {
      auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr);
      mode = d->acceptMode();
      suffix = d->defaultSuffix();
      filter = d->nameFilters().join(';');
      d->selectFile(dir.filePath(name));
      static_cast<QDialog*>(d)->accept();  // QFileDialog::accept, which checks the name
    });
  };
  item("START")->trigger();
  move(3, 7, 3, 6);
  answer(QStringLiteral("game"));
  item("KIF_WRITE")->trigger();
  EXPECT_EQ(mode, QFileDialog::AcceptSave);
  EXPECT_EQ(suffix, QStringLiteral("kif"));
  EXPECT_EQ(filter, QStringLiteral("KIF (*.kif *.kifu)"));
  ASSERT_TRUE(QFile::exists(dir.filePath(QStringLiteral("game.kif"))));
  item("CANCEL")->trigger();
  answer(QStringLiteral("game.kif"));
  item("KIF_READ")->trigger();
  EXPECT_EQ(mode, QFileDialog::AcceptOpen);
  EXPECT_EQ(window.form().g.record_mode, OK);
}

}  // namespace

}  // namespace hakuro::test
