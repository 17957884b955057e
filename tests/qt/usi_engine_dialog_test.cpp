// ｵﾌﾟｼｮﾝ → USIエンジンの設定…: hakuro-usi added by its path, set, kept across starts and
// removed; a program that is no engine refused with its message; the menu item opens the dialog.
#include <gtest/gtest.h>

#include <deque>

#include <QAction>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include "qt/usi_engine_dialog.h"
#include "qt/usi_engines.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

// Answers the file chooser from `programs` and keeps the error boxes.
class TestDialog : public UsiEngineDialog {
 public:
  std::deque<QString> programs;
  std::vector<QString> errors;
  template <class T>
  T* child(const char* name) const {
    return findChild<T*>(name);
  }

 protected:
  QString choose_program() override {
    if (programs.empty()) return {};
    const QString p = programs.front();
    programs.pop_front();
    return p;
  }
  void show_error(const QString& text) override { errors.push_back(text); }
};

using UsiEngineDialogTest = FreshSettingsTest;

TEST_F(UsiEngineDialogTest, AnEngineAddedBySettingsAndRemovedIsKeptAcrossStarts) {
  {
    TestDialog d;
    EXPECT_EQ(d.list()->count(), 0);
    EXPECT_FALSE(d.child<QPushButton>("remove")->isEnabled());
    d.programs = {HAKURO_USI_PROGRAM};
    d.child<QPushButton>("add")->click();
    ASSERT_EQ(d.list()->count(), 1);
    EXPECT_TRUE(d.list()->item(0)->text().startsWith("HAKURO KAISEN "))
        << d.list()->item(0)->text().toStdString();
    EXPECT_TRUE(d.child<QSpinBox>("hash")->isEnabled());
    EXPECT_FALSE(d.child<QSpinBox>("threads")->isEnabled()) << "hakuro-usi offers no Threads";
    EXPECT_DOUBLE_EQ(d.child<QDoubleSpinBox>("seconds")->value(), 1.0);
    d.child<QDoubleSpinBox>("seconds")->setValue(2.5);
    d.child<QSpinBox>("hash")->setValue(32);
  }
  {
    TestDialog d;  // the next start
    ASSERT_EQ(d.list()->count(), 1);
    EXPECT_DOUBLE_EQ(d.child<QDoubleSpinBox>("seconds")->value(), 2.5);
    EXPECT_EQ(d.child<QSpinBox>("hash")->value(), 32);
    const std::vector<usi::EngineEntry> kept = kept_engines();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].path, HAKURO_USI_PROGRAM);
    EXPECT_EQ(kept[0].byoyomi_ms, 2500);
    EXPECT_EQ(kept[0], d.engines()[0]);

    EXPECT_FALSE(d.add_engine("/nonexistent/engine"));
    EXPECT_EQ(d.errors, std::vector<QString>{
                            QString::fromUtf8("USIエンジンを起動できません: /nonexistent/engine")});
    EXPECT_EQ(d.list()->count(), 1);
    d.child<QPushButton>("remove")->click();
    EXPECT_EQ(d.list()->count(), 0);
  }
  TestDialog d;
  EXPECT_EQ(d.list()->count(), 0);
  EXPECT_TRUE(kept_engines().empty());
}

TEST_F(UsiEngineDialogTest, TheOptionsMenuOpensIt) {
  KeptSettings kept;
  CountingSound sound;
  TestWindow w{sound};
  ASSERT_TRUE(w.load());
  QAction* item = w.findChild<QAction*>("USI_ENGINES");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), QString::fromUtf8("USIエンジンの設定…"));
  QString opened;
  QTimer::singleShot(0, [&] {
    if (auto* d = qobject_cast<UsiEngineDialog*>(QApplication::activeModalWidget())) {
      opened = d->windowTitle();
      d->reject();
    }
  });
  item->trigger();
  EXPECT_EQ(opened, QString::fromUtf8("USIエンジンの設定"));
}

}  // namespace

}  // namespace hakuro::test
