// Around the board in the real window: the move list, the status bar and the title through
// games to their ends, 投了, the last move's frame by its pixels, and message boxes beside the
// board at any size (run again at a pixel ratio of 2).
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include "display/geometry.h"
#include "qt/board_view.h"
#include "qt/box_place.h"
#include "qt/game_panels.h"
#include "qt/move_list.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

class PanelsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app(); }
  void SetUp() override {
    ASSERT_TRUE(window.load());
    window.resize(1000, 850);
    window.show();
    QApplication::processEvents();
  }

  Game& g() { return window.form().g; }
  void menu(const char* name) { window.findChild<QAction*>(name)->trigger(); }
  void click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    BoardView* b = window.board();
    const QPointF at =
        view::Canvas::to_device(QSizeF(b->size())).map(QPointF(cell_centre_x(x), cell_centre_y(y)));
    QMouseEvent e(QEvent::MouseButtonPress, at, b->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(b, &e);
  }
  void move(int fx, int fy, int tx, int ty) {
    click(fx, fy);
    click(tx, ty);
  }

  MoveListModel& moves() { return *window.game_panels()->moves(); }
  QStringList rows() {
    QStringList out;
    for (int r = 0; r < moves().rowCount(); ++r)
      out << moves().index(r).data().toString().remove(QChar(0x2007)).replace("  ", " ");
    return out;
  }
  // The rows highlighted as the move shown.
  QList<int> shown_rows() {
    QList<int> out;
    for (int r = 0; r < moves().rowCount(); ++r)
      if (moves().index(r).data(MoveListModel::ShownRole).toBool()) out << r + 1;
    return out;
  }
  // A press and release on the list's row of move n.
  void click_row(int n) {
    QListView* list = window.game_panels()->list();
    const QPoint p = list->visualRect(moves().index(n - 1)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent e(type, p, list->viewport()->mapToGlobal(p), Qt::LeftButton,
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                    Qt::NoModifier);
      QApplication::sendEvent(list->viewport(), &e);
    }
  }
  QString status() { return window.findChild<QLabel*>("status_state")->text(); }
  QString handicap() { return window.findChild<QLabel*>("status_handicap")->text(); }

  CountingSound sound;
  TestWindow window{sound};
};

QString u(const char* s) { return QString::fromUtf8(s); }

// The screen's pixel ratio this run was started with: 1, or 2 on the test's high-density screen.
double pixel_ratio() {
  const QByteArray r = qgetenv("HAKURO_TEST_PIXEL_RATIO");
  return r.isEmpty() ? 1.0 : r.toDouble();
}

TEST_F(PanelsTest, TheListFollowsMovesTakeBacksAndALoad) {
  menu("START");
  move(3, 7, 3, 6);
  move(7, 3, 7, 4);
  move(2, 8, 8, 2);  // the bishops exchanged
  move(7, 1, 8, 2);
  EXPECT_EQ(rows(),
            (QStringList{u("1 ▲７六歩"), u("2 △３四歩"), u("3 ▲２二角不成"), u("4 △同　銀")}));
  EXPECT_EQ(shown_rows(), QList<int>{4});
  menu("REPLAY");
  menu("REPLAY");
  EXPECT_EQ(rows().size(), 4);
  EXPECT_EQ(shown_rows(), QList<int>{2});
  // Played on from move 2: the moves after it are replaced.
  click(5, 5);  // resumes the game
  move(2, 8, 3, 7);
  EXPECT_EQ(rows(), (QStringList{u("1 ▲７六歩"), u("2 △３四歩"), u("3 ▲７七角")}));
  EXPECT_EQ(shown_rows(), QList<int>{3});

  // Saved and loaded through the record panel: the loaded record's moves, none shown yet.
  QTemporaryDir tmp;
  menu("KIFU_WRITE");
  window.set_panel_directory(tmp.path().toStdString());
  window.set_text_box(1, "list");
  window.findChild<QPushButton*>("Command1")->click();
  menu("CANCEL");
  EXPECT_EQ(shown_rows(), QList<int>{});
  menu("KIFU_READ");
  auto* files = window.findChild<QListView*>("File1");
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) == 1; }, 5000));
  emit files->clicked(files->model()->index(0, 0, files->rootIndex()));
  ASSERT_EQ(g().record_mode, OK);
  EXPECT_EQ(rows().size(), 3);
  EXPECT_EQ(shown_rows(), QList<int>{});
  EXPECT_EQ(window.windowTitle(), u("HAKURO KAISEN将棋 — 棋譜 0/3"));
  const std::size_t boxes = window.boxes.size();
  click_row(2);
  EXPECT_EQ(g().record.current_move(), 2);
  EXPECT_EQ(window.boxes.size(), boxes);
}

TEST_F(PanelsTest, AClickOnARowStepsThereUnlessRefused) {
  menu("START");
  move(3, 7, 3, 6);
  move(7, 3, 7, 4);
  move(2, 7, 2, 6);
  const Table played = g().pos.board;
  menu("REPLAY");
  menu("REPLAY");
  const Table at_one = g().pos.board;
  menu("AFTER");
  menu("AFTER");
  const std::size_t boxes = window.boxes.size();
  click_row(1);
  EXPECT_EQ(g().record.current_move(), 1);
  EXPECT_EQ(g().pos.board, at_one);
  EXPECT_EQ(shown_rows(), QList<int>{1});
  EXPECT_EQ(window.windowTitle(), u("HAKURO KAISEN将棋 — 棋譜 1/3"));
  click_row(3);
  EXPECT_EQ(g().pos.board, played);
  EXPECT_EQ(window.boxes.size(), boxes);
  // No game runs after 最初: 進 would be refused, and so is the click.
  menu("CANCEL");
  click_row(2);
  EXPECT_EQ(g().record.current_move(), 0);
  EXPECT_EQ(window.boxes.back(), u("「対局」で始めて下さい"));
  EXPECT_EQ(window.boxes.size(), boxes + 1);
}

// A loaded KIF file's comments show under the list for the move on display, and go back out
// with the game. A row is stepped to at once after the load.
TEST_F(PanelsTest, TheCommentOfTheMoveShownIsUnderTheList) {
  QTemporaryDir tmp;
  const QString path = tmp.filePath(QStringLiteral("commented.kifu"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(u("手合割：平手\r\n手数----指手---------消費時間--\r\n*研究会の一局\r\n"
               "   1 ７六歩(77)\r\n*角道を開ける\r\n*よくある手\r\n   2 ３四歩(33)\r\n"
               "   3 ２六歩(27)\r\n*居飛車\r\n")
                 .toUtf8());
  file.close();
  QPlainTextEdit* pane = window.game_panels()->comment();
  window.file_answers.push_back(path);
  menu("KIF_READ");
  ASSERT_EQ(g().record_mode, OK);
  EXPECT_EQ(pane->toPlainText(), u("研究会の一局"));
  EXPECT_TRUE(pane->isReadOnly());
  const std::size_t boxes = window.boxes.size();
  click_row(3);
  EXPECT_EQ(g().record.current_move(), 3);
  EXPECT_EQ(window.boxes.size(), boxes);
  EXPECT_EQ(pane->toPlainText(), u("居飛車"));
  click_row(1);
  EXPECT_EQ(pane->toPlainText(), u("角道を開ける\nよくある手"));
  menu("AFTER");
  EXPECT_EQ(pane->toPlainText(), QString());

  window.file_answers.push_back(tmp.filePath(QStringLiteral("again.kifu")));
  menu("KIF_WRITE");
  QFile again(tmp.filePath(QStringLiteral("again.kifu")));
  ASSERT_TRUE(again.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(again.readAll());
  EXPECT_TRUE(text.contains(u("消費時間--\r\n*研究会の一局\r\n   1 ７六歩(77)")));
  EXPECT_TRUE(text.contains(u("\r\n*角道を開ける\r\n*よくある手\r\n   2 ３四歩(33)")));
  EXPECT_TRUE(text.contains(u("\r\n*居飛車\r\n"))) << text.toStdString();
}

TEST_F(PanelsTest, StatusAndTitleThroughGamesToTheirEnds) {
  EXPECT_EQ(window.windowTitle(), u("HAKURO KAISEN将棋"));
  EXPECT_EQ(status(), u("対局していません"));
  menu("START");
  EXPECT_EQ(window.windowTitle(), u("HAKURO KAISEN将棋 — 対局中"));
  EXPECT_EQ(status(), u("▲先手の番 — 人間"));
  move(3, 7, 3, 6);
  EXPECT_EQ(status(), u("△後手の番 — 人間"));
  // 後手 resigns: the end is told while the result box shows; Yes sets up a new game.
  menu("RESIGN");
  ASSERT_EQ(window.boxes.end()[-2], u("先手の勝ちです"));
  EXPECT_EQ(window.titles.end()[-2], u("HAKURO KAISEN将棋 — 終局"));
  EXPECT_EQ(window.windowTitle(), u("HAKURO KAISEN将棋"));

  menu("LEVEL2");
  menu("SENTE");
  EXPECT_EQ(window.windowTitle(), u("HAKURO KAISEN将棋 — 対局中 (LEVEL2)"));
  EXPECT_EQ(status(), u("▲先手の番 — あなた"));
  move(7, 7, 7, 6);
  menu("REPLAY");
  EXPECT_EQ(window.windowTitle(), u("HAKURO KAISEN将棋 — 棋譜 1/2"));
  EXPECT_EQ(status(), u("棋譜 1/2 — △後手の番 — コンピュータ LEVEL2"));
  menu("AFTER");
  click(5, 5);  // resumes
  EXPECT_EQ(status(), u("▲先手の番 — あなた"));
  menu("RESIGN");
  ASSERT_EQ(window.boxes.end()[-2], u("ｺﾝﾋﾟｭｰﾀの勝ちです"));
  EXPECT_EQ(window.titles.end()[-2], u("HAKURO KAISEN将棋 — 終局"));
  EXPECT_EQ(g().record.end().reason, EndReason::resigned);

  // A handicap shows beside the turn; as the usual 角落ち, its giver is 上手 and moves first.
  menu("LBEL_UP");
  EXPECT_EQ(handicap(), u("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"));
  menu("GOTE");
  EXPECT_EQ(handicap(), u("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級 角落ち"));
  EXPECT_EQ(status(), u("▲下手の番 — あなた"));
  EXPECT_EQ(rows().at(0).left(3), u("1 △"));
  menu("CANCEL");
  EXPECT_EQ(handicap(), QString());
}

// The frame is the window's own: the program's outline round the square stays as drawn.
TEST_F(PanelsTest, TheLastMoveIsFramedForEitherSideAndFollowsTheRecord) {
  const QColor frame = BoardView::last_move_colour();
  // The device pixel at a window point of the picture.
  const auto pixel = [&](const QImage& img, double X, double Y) {
    const QPointF at = view::Canvas::to_device(QSizeF(window.board()->size())).map(QPointF(X, Y));
    return img.pixelColor((at * img.devicePixelRatio()).toPoint());
  };
  const auto inside = [&](const QImage& img, int x, int y) {
    return pixel(img, cell_x(x) + 2 * TWIPS_PER_PIXEL, cell_centre_y(y));
  };
  const auto outline = [&](const QImage& img, int x, int y) {
    return pixel(img, cell_x(x) + 1, cell_centre_y(y));
  };
  const auto framed = [&](const QImage& img) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) n += inside(img, x, y) == frame;
    return n;
  };
  const auto shot = [&] { return window.board()->grab().toImage(); };
  EXPECT_EQ(framed(shot()), 0);

  menu("START");  // between two people
  move(3, 7, 3, 6);
  QImage img = shot();
  EXPECT_EQ(inside(img, 3, 6), frame);
  EXPECT_EQ(outline(img, 3, 6), view::palette_colour(window.form().look.grid_colour));
  EXPECT_NE(inside(img, 3, 7), view::palette_colour(IRO_KURO));  // the source, half seen
  EXPECT_EQ(framed(img), 1);
  move(7, 3, 7, 4);
  EXPECT_EQ(inside(shot(), 7, 4), frame);
  EXPECT_EQ(framed(shot()), 1);
  menu("REPLAY");
  EXPECT_EQ(inside(shot(), 3, 6), frame);
  menu("REPLAY");
  EXPECT_EQ(framed(shot()), 0);
  menu("AFTER");
  EXPECT_EQ(inside(shot(), 3, 6), frame);

  // Against the computer: its move, drawn in white by the program, and the person's too.
  menu("CANCEL");
  menu("SENTE");
  move(7, 7, 7, 6);
  const Move reply = g().record.move(2).move;
  img = shot();
  EXPECT_EQ(inside(img, reply.to.x, reply.to.y), frame);
  EXPECT_EQ(outline(img, reply.to.x, reply.to.y), view::palette_colour(IRO_SHIRO));
  menu("REPLAY");
  EXPECT_EQ(inside(shot(), 7, 6), frame);
}

// Placed with the real window's boxes: each is answered as soon as it shows.
class BoxWindow : public MainWindow {
 public:
  // Keeps no last game: the tests share the run folder.
  explicit BoxWindow(SoundLibrary& sound) : MainWindow(sound) { form().last_game_file.clear(); }
  std::vector<QRect> shown;

 protected:
  Answer ask(const QString& text, const QString& title, Buttons buttons, Icon icon) override {
    QTimer::singleShot(0, this, [this] {
      QWidget* box = QApplication::activeModalWidget();
      if (!box) return;
      shown.push_back(box->frameGeometry());
      box->close();
    });
    return MainWindow::ask(text, title, buttons, icon);
  }
};

TEST(BoxPlacement, BoxesOpenBesideTheBoardAtAnySize) {
  app();
  CountingSound sound;
  BoxWindow window(sound);
  ASSERT_TRUE(window.load());
  window.show();
  const double ratio = pixel_ratio();
  EXPECT_EQ(window.devicePixelRatioF(), ratio);
  const QSize sizes[] = {{1000, 850}, {1400, 600}, {520, 420}};
  for (const QSize size : sizes) {
    SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " at " << ratio);
    window.resize(size);
    QApplication::processEvents();
    const BoxRoom room = room_around(*window.board());
    window.shown.clear();
    window.mouse_down(1, 0, cell_centre_x(5), cell_centre_y(5));  // no game: refused
    window.findChild<QAction*>("SENTE")->trigger();
    window.findChild<QAction*>("REPLAY")->trigger();  // nothing to take back
    window.findChild<QAction*>("CANCEL")->trigger();
    ASSERT_EQ(window.shown.size(), 3u);
    for (const QRect& box : window.shown) {
      EXPECT_FALSE(box.intersects(room.board))
          << box.x() << "," << box.y() << " " << box.width() << "x" << box.height();
      // Beside the board, level with it.
      EXPECT_TRUE(box.right() < room.board.left() || box.left() > room.board.right());
      EXPECT_LT(box.top(), room.board.bottom());
      EXPECT_GT(box.bottom(), room.board.top());
    }
    // Where the view's margin takes the box, the box stays on the view.
    const QRect& box = window.shown.front();
    if (box.width() < room.view.right() - room.board.right()) {
      EXPECT_TRUE(room.view.contains(box));
    }
  }
}

TEST(BoxPlacement, TheSideIsChosenByTheRoom) {
  BoxRoom room;
  room.view = QRect(0, 0, 800, 600);      // margins of 150 and 250
  room.board = QRect(150, 50, 400, 500);  // centre row 299
  room.move_result = QRect(60, 450, 90, 50);
  room.screen = QRect(0, 0, 1600, 900);
  // Narrow enough for the left margin: over the move result.
  EXPECT_EQ(box_position(room, {120, 80}), QPoint(15, 434));
  // Too wide for the left, not for the right: centred on the right margin.
  EXPECT_EQ(box_position(room, {200, 80}), QPoint(575, 259));
  // Too wide for either: out of the window, on the side the screen has room.
  EXPECT_EQ(box_position(room, {300, 80}), QPoint(556, 259));
  for (QRect* r : {&room.view, &room.board, &room.move_result}) r->translate(1000, 0);
  EXPECT_EQ(box_position(room, {300, 80}), QPoint(1150 - 6 - 300, 259));
  // A screen too small for any room keeps the box on it.
  room.screen = QRect(1000, 0, 800, 600);
  EXPECT_EQ(box_position(room, {300, 700}).y(), 0);
}

}  // namespace

}  // namespace hakuro::test
