// Whole games and commands played through the real window as a person plays them: mouse presses
// on the board view, menu items, typing into the record panel; what the window shows is read
// back from its pixels and compared with the artwork.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include <QtCore/qtestsupport_core.h>
#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

#include "display/geometry.h"
#include "qt/board_view.h"
#include "qt/game_panels.h"
#include "qt/view/artwork.h"
#include "qt_app.h"
#include "rules/legality.h"
#include "rules/move.h"

namespace hakuro::test {

namespace {

// Where the picture of cell (x, y) lies in an image of `logical` size at `dpr`, in device
// pixels: the client area scaled to fit and centred, each edge on the nearest pixel.
QRect cell_pixels(QSizeF logical, double dpr, double x, double y, QSizeF twips = {masu_w, masu_h}) {
  const double s =
      std::min(logical.width() / view::kClientWidth, logical.height() / view::kClientHeight);
  const double left = (logical.width() - view::kClientWidth * s) / 2 + s * cell_x(x);
  const double top = (logical.height() - view::kClientHeight * s) / 2 + s * cell_y(y);
  const auto px = [&](double v) { return static_cast<int>(std::lround(v * dpr)); };
  return QRect(QPoint(px(left), px(top)),
               QPoint(px(left + s * twips.width()) - 1, px(top + s * twips.height()) - 1));
}

// A picture of the window and the size in logical pixels it was painted at (an image's own
// size divided by its pixel ratio is not that size when the product was rounded).
struct Shot {
  Shot(QImage i) : img(std::move(i)), logical(QSizeF(img.size()) / img.devicePixelRatio()) {}
  Shot(QImage i, QSizeF l) : img(std::move(i)), logical(l) {}
  QImage img;
  QSizeF logical;
};

// Whether the cell shows exactly the artwork's picture `id` (inside the outline round it and
// the frame the window puts round the last move).
testing::AssertionResult shows(const Shot& shot, int id, double x, double y) {
  const QImage& img = shot.img;
  const double dpr = img.devicePixelRatio();
  const QRect at =
      cell_pixels(shot.logical, dpr, x, y, QSizeF(view::picture_pixels(id)) * view::kTwipsPerPixel);
  const QImage want = view::picture_image(id, at.size()).convertToFormat(QImage::Format_RGB32);
  const double scale = at.width() / double(view::picture_pixels(id).width());
  const int border = static_cast<int>(std::ceil((1 + BoardView::kLastMoveFrame) * scale)) + 1;
  int wrong = 0;
  for (int j = border; j < at.height() - border; ++j)
    for (int i = border; i < at.width() - border; ++i)
      if (img.pixel(at.left() + i, at.top() + j) != want.pixel(i, j)) ++wrong;
  if (wrong == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "cell (" << x << ", " << y << ") differs from picture "
                                     << id << " in " << wrong << " pixels";
}

// The colour in the middle of a cell's top or left outline.
enum class Edge { Top, Left };
QColor edge(const QImage& img, int x, int y, Edge e) {
  const QRect at = cell_pixels(QSizeF(img.size()), 1, x, y);
  return img.pixelColor(e == Edge::Top ? QPoint(at.center().x(), at.top())
                                       : QPoint(at.left(), at.center().y()));
}

class E2eTest : public ::testing::Test {
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
  QWidget* control(const char* name) { return window.findChild<QWidget*>(name); }

  // A press and release at the centre of cell (x, y) as the board view shows it now.
  void click(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
    BoardView* b = window.board();
    const QPointF at =
        view::Canvas::to_device(QSizeF(b->size())).map(QPointF(cell_centre_x(x), cell_centre_y(y)));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent e(type, at, b->mapToGlobal(at), button,
                    type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(b, &e);
    }
  }
  void move(int fx, int fy, int tx, int ty, Qt::MouseButton button = Qt::LeftButton) {
    click(fx, fy);
    click(tx, ty, button);
  }

  QImage shot() {
    QImage img = window.board()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(img.devicePixelRatio(), 1.0);
    return img;
  }

  // Every square shows the piece the game record holds there.
  testing::AssertionResult board_shown(const Shot& img) {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (auto r = shows(img, g().pos.board[x][y], x, y); !r) return r;
    return testing::AssertionSuccess();
  }

  int wins_announced() {
    int n = 0;
    for (const QString& b : window.boxes) n += b.endsWith(QString::fromUtf8("の勝ちです"));
    return n;
  }

  KeptSettings settings_;  // menu items rewrite the settings file
  CountingSound sound;
  TestWindow window{sound};
};

// One of the human's moves, the board's own pieces never taken.
struct Choice {
  int fx, fy, tx, ty;
  bool promote;  // a piece that could never move again must promote
};

// The computer's king if any piece reaches it, else its most valuable piece within reach, else
// a move chosen by `seed`.
Choice choose(const Game& g, std::uint32_t& seed) {
  std::vector<Choice> all;
  const Choice* best = nullptr;
  for (int fx = 1; fx <= 9; ++fx)
    for (int fy = 1; fy <= 9; ++fy) {
      const int piece = g.pos.board[fx][fy];
      if (!is_bottom(piece)) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
          if (!is_bottom(g.pos.board[tx][ty]) && may_move(g.pos, fx, fy, tx, ty, piece) == OK)
            all.push_back({fx, fy, tx, ty, may_stay_unpromoted(ty, piece) == NG});
    }
  for (const Choice& c : all)
    if (!best || g.pos.board[c.tx][c.ty] > g.pos.board[best->tx][best->ty]) best = &c;
  if (best && g.pos.board[best->tx][best->ty] != KARA) return *best;
  seed = seed * 1664525u + 1013904223u;
  return all.at((seed >> 8) % all.size());
}

TEST_F(E2eTest, GamesAgainstTheComputerAtEachLevelPlayedToTheirEnd) {
  window.form().search_nodes = 3000;  // level 4 searches on its thread; its move comes later
  for (const char* level : {"LEVEL1", "LEVEL2", "LEVEL3", "LEVEL4"}) {
    SCOPED_TRACE(level);
    menu(level);
    menu("SENTE");
    ASSERT_EQ(g().play_mode, MODE_COM);
    std::uint32_t seed = static_cast<std::uint32_t>(level[5]);
    const int wins = wins_announced();
    bool hand_seen = false;
    for (int n = 0; n < 150 && wins_announced() == wins; ++n) {
      ASSERT_EQ(g().side_to_move, g().bottom_side);
      const Choice c = choose(g(), seed);
      const int before = g().record.current_move(), taken = g().pos.board[c.tx][c.ty];
      move(c.fx, c.fy, c.tx, c.ty, c.promote ? Qt::RightButton : Qt::LeftButton);
      ASSERT_TRUE(QTest::qWaitFor([&] { return !window.form().thinker.busy(); }, 10000));
      if (wins_announced() != wins) break;
      // The move and the computer's reply are both recorded.
      ASSERT_EQ(g().record.current_move(), before + 2) << c.fx << c.fy << c.tx << c.ty;
      if (taken != KARA && taken != OU && !hand_seen) {
        const int k = kind_index(taken);
        const QImage img = shot();
        EXPECT_TRUE(shows(img, -KIND_CODE[k], MOCHI_SITA_X, k + 2));
        EXPECT_TRUE(board_shown(img));
        hand_seen = true;
      }
    }
    ASSERT_EQ(wins_announced(), wins + 1) << "the game did not end";
    EXPECT_EQ(window.boxes.back(), QString::fromUtf8("続けますか？"));
    // Yes set up a new game: the starting position, shown.
    EXPECT_EQ(g().side_to_move, TEBAN_NASI);
    EXPECT_TRUE(board_shown(shot()));
    EXPECT_TRUE(shows(shot(), -SYA, 8, 8));
  }
}

TEST_F(E2eTest, GuidanceOutlinesWhereThePickedPieceMayGo) {
  if (window.form().look.guidance_on == NG) menu("SIDOU");
  menu("SENTE");
  const QColor red = view::palette_colour(IRO_AKA), white = view::palette_colour(IRO_SHIRO),
               grid = view::palette_colour(IRO_MIDORI);
  click(8, 8);  // the rook
  QImage img = shot();
  EXPECT_EQ(edge(img, 8, 8, Edge::Left), red);
  EXPECT_EQ(edge(img, 5, 8, Edge::Top), white);
  EXPECT_EQ(edge(img, 9, 8, Edge::Top), white);
  EXPECT_EQ(edge(img, 9, 8, Edge::Left), red);   // shared with the rook's square
  EXPECT_EQ(edge(img, 8, 7, Edge::Top), white);  // its own pawn may be taken too
  EXPECT_EQ(edge(img, 8, 6, Edge::Top), grid);   // but nothing beyond it
  EXPECT_EQ(edge(img, 5, 7, Edge::Top), grid);

  click(5, 8);  // the rook moves; the computer replies
  ASSERT_EQ(g().record.current_move(), 2);
  img = shot();
  EXPECT_TRUE(board_shown(img));
  EXPECT_TRUE(shows(img, -SYA, 5, 8));
  EXPECT_EQ(edge(img, 8, 7, Edge::Top), grid);
  EXPECT_EQ(edge(img, 9, 8, Edge::Top), grid);

  // Picking the computer's piece shows its moves in white, not as the human's pick.
  click(5, 1);
  img = shot();
  EXPECT_EQ(edge(img, 5, 1, Edge::Left), white);
  EXPECT_EQ(edge(img, 5, 2, Edge::Left), white);
  EXPECT_EQ(window.form().sel.picked, 0);
}

TEST_F(E2eTest, TakingBackAndReplayingShowEachPosition) {
  menu("SENTE");
  move(7, 7, 7, 6);
  ASSERT_EQ(g().record.current_move(), 2);
  const Table after_two = g().pos.board;
  const Move reply = g().record.move(2).move;

  menu("REPLAY");
  EXPECT_EQ(g().pos.board[reply.square().x][reply.square().y], reply.piece);
  EXPECT_TRUE(board_shown(shot()));
  menu("REPLAY");
  EXPECT_EQ(g().record.current_move(), 0);
  QImage img = shot();
  EXPECT_TRUE(board_shown(img));
  EXPECT_TRUE(shows(img, -HU, 7, 7));
  EXPECT_TRUE(shows(img, KARA, 7, 6));
  menu("REPLAY");  // nothing left to take back
  EXPECT_EQ(g().record.current_move(), 0);

  menu("AFTER");
  menu("AFTER");
  EXPECT_EQ(g().pos.board, after_two);
  EXPECT_TRUE(board_shown(shot()));

  // Back one move, it is the computer's turn: a press lets it move first, then play goes on
  // from there.
  menu("REPLAY");
  click(3, 7);
  EXPECT_EQ(g().record.current_move(), 2);
  EXPECT_TRUE(window.boxes.back() == QString::fromUtf8("OKですか？") ||
              window.boxes.end()[-2] == QString::fromUtf8("OKですか？"));
  if (window.form().sel.picked == 0) click(3, 7);
  click(3, 6);
  EXPECT_EQ(g().record.current_move(), 4);
  EXPECT_EQ(g().record.last_move(), 4);
  EXPECT_TRUE(board_shown(shot()));
}

TEST_F(E2eTest, AGameSavedAndLoadedThroughThePanelReplaysTheSameBoard) {
  QTemporaryDir tmp;
  menu("SENTE");
  move(7, 7, 7, 6);
  move(2, 7, 2, 6);
  ASSERT_EQ(g().record.current_move(), 4);
  const Table played = g().pos.board;

  menu("KIFU_WRITE");
  window.set_panel_directory(tmp.path().toStdString());
  control("Text1")->setFocus();
  for (const char* c : {"g", "a", "m", "e"}) {
    QKeyEvent e(QEvent::KeyPress, Qt::Key_A + (c[0] - 'a'), Qt::NoModifier, c);
    QApplication::sendEvent(control("Text1"), &e);
  }
  EXPECT_EQ(window.text_box(1), "game");
  QWidget* button = control("Command1");
  const QPointF mid = QRectF(button->rect()).center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, mid, button->mapToGlobal(mid), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &e);
  }
  EXPECT_EQ(window.boxes.back(), QString::fromUtf8("棋譜を書き込みました"));
  ASSERT_TRUE(QFile::exists(tmp.path() + QString::fromUtf8("/game.棋譜")));

  menu("CANCEL");  // back to the start
  menu("KIFU_READ");
  auto* files = window.findChild<QListView*>("File1");
  const auto rows = [&] { return files->model()->rowCount(files->rootIndex()); };
  ASSERT_TRUE(QTest::qWaitFor([&] { return rows() == 1; }, 5000));
  const QPoint p = files->visualRect(files->model()->index(0, 0, files->rootIndex())).center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, p, files->viewport()->mapToGlobal(p), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(files->viewport(), &e);
  }
  ASSERT_EQ(g().record_mode, OK);
  EXPECT_TRUE(shows(shot(), -HU, 7, 7));
  for (int i = 0; i < 4; ++i) menu("AFTER");
  EXPECT_EQ(g().pos.board, played);
  EXPECT_TRUE(board_shown(shot()));
}

TEST_F(E2eTest, HandicapAndBackgroundShowOnTheBoard) {
  EXPECT_TRUE(shows(shot(), KAKU, 8, 2));
  menu("LBEL_UP");  // the computer's bishop goes
  EXPECT_EQ(g().pos.board[8][2], KARA);
  QImage img = shot();
  EXPECT_TRUE(shows(img, KARA, 8, 2));
  EXPECT_TRUE(board_shown(img));
  menu("SENTE");
  EXPECT_TRUE(shows(shot(), KARA, 8, 2));

  // The background changes beside the board and in the margins, never on it.
  EXPECT_TRUE(shows(img, HAIKEI_MIDORI, 14, 5));
  menu("TATAMI");
  img = shot();
  EXPECT_TRUE(shows(img, HAIKEI_TATAMI, 14, 5));
  EXPECT_TRUE(shows(img, HAIKEI_TATAMI, -2, 5));
  EXPECT_TRUE(board_shown(img));
  menu("MIDORI");
  EXPECT_TRUE(shows(shot(), HAIKEI_MIDORI, 14, 5));
}

// The picture as the board view paints it at a device pixel ratio: the same drawing calls,
// every picture drawn afresh at its device size.
Shot render(const view::Canvas& canvas, QSize logical, double dpr) {
  QImage img(QSize(static_cast<int>(std::lround(logical.width() * dpr)),
                   static_cast<int>(std::lround(logical.height() * dpr))),
             QImage::Format_RGB32);
  img.setDevicePixelRatio(dpr);
  QPainter p(&img);
  canvas.render(p, QRectF(QPointF(0, 0), QSizeF(logical)));
  p.end();
  return {img, QSizeF(logical)};
}

TEST_F(E2eTest, SharpAndCentredAtEachPixelRatioAndSize) {
  menu("SENTE");
  move(7, 7, 7, 6);
  for (const QSize size : {QSize(1000, 850), QSize(1300, 640)}) {
    window.resize(size);
    QApplication::processEvents();
    // The board view takes the window's whole width but the move list's, and all its height
    // between the menu bar and the status bar.
    const QSize panels = window.game_panels()->extra_size();
    EXPECT_NEAR(window.board()->width(), size.width() - panels.width(), 8);
    EXPECT_GT(window.board()->height(), size.height() - panels.height() - 60);
    const QImage grabbed = shot();
    EXPECT_TRUE(board_shown(grabbed)) << size.width();
    for (const double dpr : {1.0, 1.5, 2.0}) {
      SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " at " << dpr);
      const QSize logical = window.board()->size();
      const Shot img = render(window.canvas(), logical, dpr);
      // Each piece drawn at the device size: its strokes as sharp as the artwork's own.
      EXPECT_TRUE(shows(img, -OU, 5, 9));
      EXPECT_TRUE(shows(img, -HU, 7, 6));
      EXPECT_TRUE(shows(img, KARA, 7, 7));
      EXPECT_TRUE(board_shown(img));
      const QRect king = cell_pixels(QSizeF(logical), dpr, 5, 9);
      int darkest = 255;
      for (int j = king.top(); j <= king.bottom(); ++j)
        for (int i = king.left(); i <= king.right(); ++i)
          darkest = std::min(darkest, qGray(img.img.pixel(i, j)));
      EXPECT_LT(darkest, 60);
      // Margins: the background tiles carried on along the cell grid, out to the edges.
      const double s =
          std::min(logical.width() / view::kClientWidth, logical.height() / view::kClientHeight);
      const double spare = (logical.width() - view::kClientWidth * s) / 2;
      const double tile = view::picture_pixels(HAIKEI_MIDORI).width() * view::kTwipsPerPixel;
      const int far_left = static_cast<int>(std::ceil((-spare / s - ban_left) / masu_w));
      const int far_right =
          static_cast<int>(std::floor((view::kClientWidth + spare / s - tile - ban_left) / masu_w));
      EXPECT_TRUE(shows(img, HAIKEI_MIDORI, far_left, 5)) << far_left;
      EXPECT_TRUE(shows(img, HAIKEI_MIDORI, far_right, 5)) << far_right;
    }
  }
}

}  // namespace

}  // namespace hakuro::test
