// 棋譜 → 解析 and 検討 in the window: a loaded game's blunder marked in the move list with its
// tooltip and counted in the status bar, the graph drawn at the screen's pixel ratio and stepping
// the record when clicked, a cancelled analysis leaving nothing, and 検討 following the move shown.
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>

#include "qt/eval_graph.h"
#include "qt/game_panels.h"
#include "qt/move_list.h"
#include "qt/review.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }

// 先手 takes 後手's pawn on 2四 with the rook, 後手 attacks the rook with a dropped pawn, and
// 先手 leaves the rook hanging with move 9 (standard rules).
constexpr const char* kHungRookKif =
    "手合割：平手\n"
    "手数----指手---------消費時間--\n"
    "1 ２六歩(27)\n2 ８四歩(83)\n3 ２五歩(26)\n4 ８五歩(84)\n5 ２四歩(25)\n6 同　歩(23)\n"
    "7 同　飛(28)\n8 ２三歩打\n9 ７六歩(77)\n10 ２四歩(23)\n";
constexpr int kBlunder = 9;
constexpr int kGoteDrop = 8;

double pixel_ratio() {
  const QByteArray r = qgetenv("HAKURO_TEST_PIXEL_RATIO");
  return r.isEmpty() ? 1.0 : r.toDouble();
}

class ReviewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app(); }
  void SetUp() override {
    ASSERT_TRUE(window.load());
    window.resize(1100, 850);
    window.show();
    QApplication::processEvents();
    QFile f(dir.filePath("rook.kif"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kHungRookKif);
    f.close();
    window.file_answers.push_back(f.fileName());
    menu("KIF_READ");
    ASSERT_EQ(window.form().g.record.held(), 10);
    // The game was played under the standard rules.
    window.form().g.rules = Rules::standard;
  }

  void menu(const char* name) { window.findChild<QAction*>(name)->trigger(); }
  Review& review() { return *window.review(); }
  MoveListModel& moves() { return *window.game_panels()->moves(); }
  bool analysed() {
    return QTest::qWaitFor([&] { return !review().running(); }, 60000) && review().shown();
  }
  QString row(int n) { return moves().index(n - 1).data().toString(); }
  QString tip(int n) { return moves().index(n - 1).data(Qt::ToolTipRole).toString(); }
  void click_graph(double x) {
    EvalGraph* graph = review().graph();
    const QPointF at(x, graph->height() / 2.0);
    QMouseEvent e(QEvent::MouseButtonPress, at, graph->mapToGlobal(at), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(graph, &e);
  }

  CountingSound sound;
  TestWindow window{sound};
  QTemporaryDir dir;
};

}  // namespace

TEST_F(ReviewTest, TheBlunderIsMarkedWithItsBestMoveAndCounted) {
  menu("ANALYSE");
  EXPECT_TRUE(review().progress()->isVisible());
  ASSERT_TRUE(analysed());
  EXPECT_FALSE(review().progress()->isVisible());
  for (int n = 1; n <= 10; ++n) {
    SCOPED_TRACE(n);
    // Move 8, the pawn dropped before the 8th file's pawn is pushed, may be marked as well: a
    // deeper search than the review's finds the push first some three pawns better.
    if (n != kGoteDrop) {
      EXPECT_EQ(row(n).endsWith(" ?"), n == kBlunder) << row(n).toStdString();
    }
    EXPECT_FALSE(tip(n).isEmpty());
  }
  EXPECT_TRUE(tip(kBlunder).startsWith(u("悪手　最善 ▲"))) << tip(kBlunder).toStdString();
  EXPECT_TRUE(review().summary()->isVisible());
  EXPECT_TRUE(review().summary()->text().startsWith(u("▲先手 悪手1 ")))
      << review().summary()->text().toStdString();
  // 先手 lost the rook: the graph ends well below even.
  const std::vector<int>& scores = review().graph()->scores();
  ASSERT_EQ(scores.size(), 11u);
  EXPECT_LT(scores.back(), -300);

  // A changed record is no longer the game analysed: its marks go, and come back with it.
  menu("REPLAY");
  EXPECT_TRUE(review().shown());
  window.form().g.record.cut(9);
  window.refresh_panels();
  EXPECT_FALSE(review().shown());
  EXPECT_TRUE(review().graph()->scores().empty());
  EXPECT_TRUE(tip(kBlunder).isEmpty());
}

TEST_F(ReviewTest, TheGraphStepsTheRecordWhereItIsClicked) {
  menu("ANALYSE");
  ASSERT_TRUE(analysed());
  EvalGraph* graph = review().graph();
  ASSERT_TRUE(graph->isVisible());
  const double ratio = pixel_ratio();
  EXPECT_EQ(graph->devicePixelRatioF(), ratio);
  click_graph(graph->width() / 2.0);  // the middle of ten moves
  EXPECT_EQ(window.form().g.record.current_move(), 5);
  EXPECT_EQ(graph->shown(), 5);
  click_graph(graph->width() - 1);
  EXPECT_EQ(window.form().g.record.current_move(), 10);

  // Drawn at the screen's pixel ratio: the move shown as a line in the highlight's colour.
  const QImage img = graph->grab().toImage();
  EXPECT_EQ(img.devicePixelRatio(), ratio);
  EXPECT_EQ(img.width(), qRound(graph->width() * ratio));
  click_graph(graph->width() / 2.0);
  const QImage at5 = graph->grab().toImage();
  const QPoint top((graph->width() / 2.0) * ratio, 6 * ratio);
  EXPECT_EQ(at5.pixelColor(top), graph->palette().highlight().color());
  EXPECT_NE(img.pixelColor(top), graph->palette().highlight().color());
}

TEST_F(ReviewTest, ACancelledAnalysisLeavesNothing) {
  menu("ANALYSE");
  ASSERT_TRUE(review().running());
  review().cancel_button()->click();
  EXPECT_FALSE(review().running());
  QApplication::processEvents();
  EXPECT_FALSE(review().shown());
  EXPECT_FALSE(review().progress()->isVisible());
  EXPECT_TRUE(review().graph()->scores().empty());
  for (int n = 1; n <= 10; ++n) EXPECT_TRUE(tip(n).isEmpty()) << n;
  EXPECT_EQ(window.statusBar()->currentMessage(), u("解析を中止しました"));
}

TEST_F(ReviewTest, AGameSearchCancelsTheAnalysisAndRefusesANewOne) {
  menu("ANALYSE");
  ASSERT_TRUE(review().running());
  window.form().search_nodes = 50000;
  menu("LEVEL4");
  menu("GOTE");  // the computer moves first, on the thinker
  ASSERT_TRUE(window.form().thinker.busy());
  EXPECT_FALSE(review().running());
  EXPECT_FALSE(review().progress()->isVisible());
  menu("ANALYSE");
  EXPECT_FALSE(review().running());
  EXPECT_EQ(window.statusBar()->currentMessage(), u("コンピュータの思考中は解析できません"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.form().thinker.busy(); }, 30000));
}

TEST_F(ReviewTest, TheKifFileCarriesTheAnalysisOnlyWhenAsked) {
  const auto exported = [&](const char* name) {
    window.file_answers.push_back(dir.filePath(name));
    menu("KIF_WRITE");
    QFile f(dir.filePath(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  };
  const QString plain = exported("plain.kifu");
  menu("ANALYSE");
  ASSERT_TRUE(analysed());
  EXPECT_EQ(exported("analysed.kifu"), plain);
  menu("KIF_ANALYSIS");
  EXPECT_TRUE(window.checked("KIF_ANALYSIS"));
  const QString with = exported("with.kifu");
  EXPECT_EQ(with.count(u("*解析 評価値 ")), 11);
  // Before move 9 the engine would not leave the rook hanging.
  const QStringList lines = with.split(QLatin1Char('\n'));
  const qsizetype at = lines.indexOf(QRegularExpression(u("^ *8 .*")));
  ASSERT_GE(at, 0);
  EXPECT_TRUE(lines[at + 1].startsWith(u("*解析 評価値 "))) << lines[at + 1].toStdString();
  EXPECT_TRUE(lines[at + 1].contains(u(" 最善 ▲"))) << lines[at + 1].toStdString();
  EXPECT_FALSE(lines[at + 1].contains(u("最善 ▲７六歩"))) << lines[at + 1].toStdString();
}

TEST_F(ReviewTest, LiveAnalysisFollowsTheMoveShown) {
  menu("KENTOU");
  EXPECT_TRUE(window.checked("KENTOU"));
  QLabel* line = review().live_line();
  menu("AFTER");
  // 後手 to move after move 1: the line starts with its move.
  ASSERT_TRUE(QTest::qWaitFor([&] { return line->text().contains(u("深さ ")); }, 20000))
      << line->text().toStdString();
  EXPECT_TRUE(line->text().contains(u("\n△"))) << line->text().toStdString();
  menu("AFTER");
  ASSERT_TRUE(QTest::qWaitFor([&] { return line->text().contains(u("\n▲")); }, 20000))
      << line->text().toStdString();
  menu("KENTOU");
  EXPECT_FALSE(window.checked("KENTOU"));
  EXPECT_FALSE(line->isVisible());
}

}  // namespace hakuro::test
