// The window while levels 4 and 5 think on the thinker's thread: it paints, its clock ticks and
// its options work; presses do nothing and the game and record items wait for the move; Esc and
// closing the window end the program at once, the search stopped.
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>

#include "display/geometry.h"
#include "qt/board_view.h"
#include "qt/game_panels.h"
#include "qt/move_list.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

constexpr std::uint64_t kForever = std::uint64_t{1} << 50;  // nodes: a search stopped only by us

// Counts the paint events of a widget.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    paints += e->type() == QEvent::Paint;
    return false;
  }
};

class ThinkingWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app(); }
  void SetUp() override {
    ASSERT_TRUE(window.load());
    window.show();
    QApplication::processEvents();
  }

  Game& g() { return window.form().g; }
  bool thinking() { return window.form().thinker.busy(); }
  void menu(const char* name) { window.findChild<QAction*>(name)->trigger(); }
  // The computer at `level` moves first, searching `nodes` nodes.
  void computer_first(const char* level, std::uint64_t nodes) {
    window.form().search_nodes = nodes;
    menu(level);
    menu("GOTE");
  }
  void click(int x, int y) {
    BoardView* b = window.board();
    const QPointF at =
        view::Canvas::to_device(QSizeF(b->size())).map(QPointF(cell_centre_x(x), cell_centre_y(y)));
    QMouseEvent e(QEvent::MouseButtonPress, at, b->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(b, &e);
  }

  KeptSettings settings_;  // the options rewrite the settings file
  CountingSound sound;
  TestWindow window{sound};
};

TEST_F(ThinkingWindowTest, TheWindowLivesWhileLevel5ThinksAndEscStopsIt) {
  computer_first("LEVEL5", kForever);
  ASSERT_TRUE(thinking());
  PaintCounter counter;
  window.board()->installEventFilter(&counter);

  // The clock ticks and an option is taken and painted.
  const double seconds = window.form().clock.turn_seconds;
  QTest::qWait(200);
  EXPECT_GT(window.form().clock.turn_seconds, seconds);
  const int haikei = window.form().look.background;
  menu(haikei == 3 ? "TAKE" : "TATAMI");
  EXPECT_NE(window.form().look.background, haikei);
  counter.paints = 0;
  QTest::qWait(50);
  EXPECT_GT(counter.paints, 0);

  // Presses do nothing; the game and record items wait.
  const std::size_t boxes = window.boxes.size();
  click(7, 7);
  click(7, 7);
  menu("REPLAY");
  menu("SENTE");
  menu("HINT");
  EXPECT_EQ(window.form().sel.picked, 0);
  EXPECT_EQ(g().record.last_move(), 0);
  EXPECT_EQ(window.boxes.size(), boxes);
  EXPECT_TRUE(thinking());

  // Esc ends the program; the search is stopped and its thread gone when it returns.
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
  QApplication::sendEvent(&window, &esc);
  EXPECT_TRUE(window.ended());
  EXPECT_FALSE(thinking());
  EXPECT_EQ(sound.freed, 4);
  QApplication::processEvents();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(ThinkingWindowTest, ClosingTheWindowWhileItThinksEndsTheProgram) {
  computer_first("LEVEL5", kForever);
  ASSERT_TRUE(thinking());
  window.close();
  EXPECT_TRUE(window.ended());
  EXPECT_FALSE(thinking());
  EXPECT_EQ(sound.terminated, 1);
}

TEST_F(ThinkingWindowTest, TheMoveArrivesAndTheItemsThatWaitedRunAfterIt) {
  computer_first("LEVEL4", 50000);
  menu("REPLAY");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !thinking(); }, 30000));
  // The move was played, listed, and then taken back.
  EXPECT_EQ(g().record.last_move(), 1);
  EXPECT_EQ(g().record.current_move(), 0);
  EXPECT_EQ(window.game_panels()->moves()->rowCount(), 1);
}

// A move that arrives while a message box is open waits for the box's event, then is played.
TEST_F(ThinkingWindowTest, AMoveArrivingDuringABoxIsPlayedWhenTheBoxCloses) {
  computer_first("LEVEL4", 20000);
  ASSERT_TRUE(thinking());
  int held = -1;
  window.during_box = [&] {
    // The search ends and its result comes back meanwhile.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.result_waiting(); }, 30000));
    held = g().record.last_move();
  };
  menu("VER");
  window.during_box = nullptr;
  EXPECT_EQ(held, 0);
  EXPECT_FALSE(thinking());
  EXPECT_EQ(g().record.last_move(), 1);
}

TEST_F(ThinkingWindowTest, TheHintSearchesOnTheThreadAndOutlinesItsMove) {
  window.form().search_nodes = 20000;
  menu("START");
  menu("HINT");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !thinking(); }, 30000));
  ASSERT_TRUE(window.form().hint);
  EXPECT_EQ(g().record.last_move(), 0);
  click(5, 5);
  EXPECT_FALSE(window.form().hint);
}

}  // namespace

}  // namespace hakuro::test
