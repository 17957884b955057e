#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>

#include "display/geometry.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

// The window offers an unfinished last game once it is up, never a finished one.
class LastGameWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app(); }

  // A window started as the program starts, its last game kept in the test's folder; the boxes
  // of its start-up.
  std::unique_ptr<TestWindow> start() {
    auto w = std::make_unique<TestWindow>(sound);
    w->form().last_game_file = dir.filePath(QStringLiteral("前回の対局.kifu")).toStdString();
    EXPECT_TRUE(w->load());
    QApplication::processEvents();
    return w;
  }
  static void trigger(TestWindow& w, const char* item) { w.findChild<QAction*>(item)->trigger(); }
  static void move(TestWindow& w, int x, int y, int to_x, int to_y) {
    w.mouse_down(BTN_HIDARI, 0, cell_centre_x(x), cell_centre_y(y));
    w.mouse_down(BTN_HIDARI, 0, cell_centre_x(to_x), cell_centre_y(to_y));
  }
  static QString text(const char* s) { return QString::fromUtf8(s); }

  CountingSound sound;
  QTemporaryDir dir;
};

TEST_F(LastGameWindowTest, AnUnfinishedGameIsOfferedAtStartUpAndGoesOn) {
  {
    auto first = start();
    EXPECT_TRUE(first->boxes.empty());  // nothing kept yet
    auto* item = first->findChild<QAction*>("LAST_GAME");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), text("前回の対局"));
    EXPECT_TRUE(first->findChild<QMenu*>("TAIKYOKU")->actions().contains(item));
    trigger(*first, "START");
    move(*first, 3, 7, 3, 6);
  }
  auto second = start();
  ASSERT_EQ(second->boxes.size(), 2u);
  EXPECT_EQ(second->boxes[0], text("前回の対局を再開しますか？"));  // answered yes
  EXPECT_EQ(second->boxes[1], text("後手の番です"));
  const Game& g = second->form().g;
  EXPECT_EQ(g.record.held(), 1);
  EXPECT_EQ(g.pos.board[3][6], -HU);
  EXPECT_EQ(g.side_to_move, g.top_side);

  // Once it is over (resigned, then a new game), it is offered no more.
  trigger(*second, "RESIGN");
  EXPECT_EQ(second->form().g.side_to_move, TEBAN_NASI);
  second.reset();
  EXPECT_TRUE(start()->boxes.empty());
}

}  // namespace

}  // namespace hakuro::test
