// 対局 → 新規対局…: the dialog shows and gives every choice, refuses what cannot be played yet,
// keeps the last choices across starts, and starts the game; the clocks beside the board then
// count the time left down.
#include <gtest/gtest.h>

#include <QtCore/qtestsupport_core.h>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "qt/new_game_dialog.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

using NewGameDialogTest = FreshSettingsTest;

bool ok_enabled(const NewGameDialog& d) {
  return d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
}

TEST_F(NewGameDialogTest, EveryChoiceShownComesBackAndTheLastIsKept) {
  const NewGameChoice choices[] = {
      {"man", "level3", false, 0, 0, 0, 0},            // none: the clocks count up
      {"level5", "man", true, -3, 600, 30, 0},         // 持ち時間 + 秒読み
      {"man", "level4", false, 10, 3600 + 300, 0, 5},  // a Fischer increment
      {"man", "man", false, 2, 900, 0, 0},             // 切れ負け
      {"man", "level1", false, 0, 0, 10, 0}};          // 秒読み only
  for (const NewGameChoice& c : choices) {
    NewGameDialog d;
    d.set_choice(c);
    EXPECT_EQ(d.choice(), c) << c.sente << " " << c.gote << " " << c.main;
    EXPECT_TRUE(ok_enabled(d));
    keep_new_game(c);
    EXPECT_EQ(kept_new_game(), c);
  }
  // Kind "none" gives no times, whatever the fields still hold.
  NewGameDialog d;
  d.set_choice(choices[1]);
  d.findChild<QComboBox*>("time_kind")->setCurrentIndex(NewGameDialog::no_time);
  EXPECT_EQ(d.choice().main, 0);
  EXPECT_EQ(d.choice().byoyomi, 0);
}

TEST_F(NewGameDialogTest, WhatCannotBePlayedIsRefusedBeforeOk) {
  NewGameDialog d;
  d.set_choice({"level4", "level5", false, 0, 0, 0, 0});  // the computer on both sides
  EXPECT_TRUE(ok_enabled(d));
  d.findChild<QComboBox*>("time_kind")->setCurrentIndex(NewGameDialog::increment);
  EXPECT_FALSE(ok_enabled(d));  // an increment needs a main time
  EXPECT_EQ(d.refusal(), QString::fromUtf8("持ち時間を決めて下さい"));
}

// The player's engines are offered on both sides as "USI: name"; one chosen under the own rule
// is refused until 本将棋 is chosen, and the choice names it by its path.
TEST_F(NewGameDialogTest, TheEnginesAreListedForBothSides) {
  usi::EngineEntry e;
  e.name = "Other";
  e.path = "/opt/other";
  NewGameDialog d(nullptr, {e});
  for (const char* side : {"sente", "gote"}) {
    const auto* box = d.findChild<QComboBox*>(side);
    ASSERT_EQ(box->count(), 7);
    EXPECT_EQ(box->itemText(6), QString::fromUtf8("USI: Other"));
  }
  d.set_choice({"usi:/opt/other", "level3", false, 0, 0, 0, 0});
  EXPECT_FALSE(ok_enabled(d));
  EXPECT_EQ(d.refusal(), QString::fromUtf8("USIエンジンとは本将棋で対局します"));
  d.findChild<QComboBox*>("rules")->setCurrentIndex(1);
  EXPECT_TRUE(ok_enabled(d));
  EXPECT_EQ(d.choice().sente, "usi:/opt/other");
  d.set_choice({"level5", "usi:/opt/other", true, 0, 0, 0, 0});
  EXPECT_EQ(d.choice().gote, "usi:/opt/other");
}

// The menu item opens the dialog with the last choices; OK starts the game, a person against
// LEVEL2 with 5 minutes and 30 s 秒読み, and the person's clock counts down on the timer.
TEST_F(NewGameDialogTest, TheMenuStartsTheGameAndTheClocksCountDown) {
  KeptSettings kept_settings;
  keep_new_game({"man", "level2", false, 0, 300, 30, 0});
  CountingSound sound;
  TestWindow w{sound};
  ASSERT_TRUE(w.load());
  QAction* item = w.findChild<QAction*>("NEW_GAME");
  ASSERT_NE(item, nullptr);
  NewGameChoice shown;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<NewGameDialog*>(QApplication::activeModalWidget())) {
      shown = d->choice();
      d->accept();
    }
  });
  item->trigger();
  EXPECT_EQ(shown.gote, "level2");
  const Game& g = w.form().g;
  EXPECT_EQ(g.play_mode, MODE_COM);
  EXPECT_EQ(g.level, 2);
  EXPECT_EQ(g.time_control, (TimeControl{300, 30, 0}));
  EXPECT_TRUE(w.canvas().texts().contains("00:05:00"));

  // Five seconds into the person's turn the next tick shows 4:55 left.
  w.form().clock.turn_start -= 5.2;
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.canvas().texts().contains("00:04:55"); }, 5000));
  // Into the 秒読み: the seconds left and the word.
  w.form().clock.turn_start -= 300;
  EXPECT_TRUE(QTest::qWaitFor([&] { return w.canvas().texts().contains("25"); }, 5000));
  EXPECT_TRUE(w.canvas().texts().contains(QString::fromUtf8("秒読み")));
}

}  // namespace

}  // namespace hakuro::test
