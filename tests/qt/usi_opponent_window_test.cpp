// The player's engines beside the levels: made from the engines kept, and hakuro-usi playing
// the computer's side on the thinker's thread, its thinking shown in the status bar.
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <QAction>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>

#include "control/usi_opponent.h"
#include "qt/usi_engines.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

class UsiOpponentWindowTest : public FreshSettingsTest {
 protected:
  void SetUp() override {
    FreshSettingsTest::SetUp();
    engine.name = "hakuro";
    engine.path = HAKURO_USI_PROGRAM;
    keep_engines({engine});
  }

  usi::EngineEntry engine;
  KeptSettings settings_;  // the options rewrite the settings file
  CountingSound sound;
};

TEST_F(UsiOpponentWindowTest, AKeptEngineIsChosenBesideTheLevelsAndPlaysOnTheThinker) {
  TestWindow w{sound};
  ASSERT_TRUE(w.load());
  auto* item = w.findChild<QAction*>(QString::fromStdString(usi_item(engine)));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "USI: hakuro");
  if (!w.form().look.options.standard_rules) w.findChild<QAction*>("HONSHOGI")->trigger();
  item->trigger();
  EXPECT_TRUE(item->isChecked());
  EXPECT_FALSE(w.findChild<QAction*>("LEVEL3")->isChecked());

  w.findChild<QAction*>("GOTE")->trigger();
  ASSERT_TRUE(w.form().thinker.busy());
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return w.statusBar()->currentMessage().startsWith(QString::fromUtf8("評価値 ")); },
      5000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !w.form().thinker.busy(); }, 10000));
  EXPECT_EQ(w.form().g.record.current_move(), 1);
  EXPECT_EQ(w.form().g.side_to_move, w.form().g.bottom_side);
}

}  // namespace

}  // namespace hakuro::test
