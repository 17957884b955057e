// What the window keeps between starts in its own settings (here in a scratch folder): its size
// and place, the level and 座標を先手から見る; the language named; the first window's size; and
// Qt's own texts in Japanese.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

#include "qt/board_view.h"
#include "qt/window_settings.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

class WindowSettingsTest : public FreshSettingsTest {
 protected:
  // A window started as the program starts it, and shown.
  void start(TestWindow& w) {
    ASSERT_TRUE(w.load());
    w.remember_between_starts();
    w.show();
    QApplication::processEvents();
  }

  static QAction* item(TestWindow& w, const char* name) { return w.findChild<QAction*>(name); }

  KeptSettings kept;
  CountingSound sound;
};

TEST_F(WindowSettingsTest, TheFirstWindowHasSixtyPixelSquaresWhereTheScreenAllows) {
  TestWindow w{sound};
  start(w);
  const QRect screen = w.screen()->availableGeometry();
  EXPECT_TRUE(screen.contains(w.frameGeometry())) << "on the screen, title bar and all";
  const double square = w.board()->squares().width() / 9;
  // A screen too small for them is filled, but for the room a frame would take.
  const bool fills = w.frameGeometry().width() >= screen.width() - 10 ||
                     w.frameGeometry().height() >= screen.height() - 35;
  EXPECT_TRUE(std::abs(square - 60) < 1 || (square < 60 && fills)) << square;
}

TEST_F(WindowSettingsTest, SizePlaceLevelZahyoAndHonshogiComeBackAtTheNextStart) {
  {
    TestWindow w{sound};
    start(w);
    EXPECT_TRUE(w.checked("ZAHYO"));  // on by default
    EXPECT_FALSE(w.checked("HONSHOGI"));
    w.setGeometry(40, 50, 700, 520);
    item(w, "LEVEL5")->trigger();
    item(w, "ZAHYO")->trigger();
    item(w, "HONSHOGI")->trigger();
    w.close();
    ASSERT_TRUE(w.ended());
  }
  TestWindow again{sound};
  start(again);
  EXPECT_EQ(again.geometry(), QRect(40, 50, 700, 520));
  EXPECT_EQ(again.form().g.level, 5);
  EXPECT_TRUE(again.checked("LEVEL5"));
  EXPECT_FALSE(again.checked("LEVEL3"));
  EXPECT_FALSE(again.form().look.options.sente_coordinates);
  EXPECT_FALSE(again.checked("ZAHYO"));
  EXPECT_TRUE(again.checked("HONSHOGI"));
  // The next game is played by the standard rules.
  item(again, "START")->trigger();
  EXPECT_EQ(again.form().g.rules, Rules::standard);
}

TEST_F(WindowSettingsTest, AWindowLeftOffTheScreenComesBackWithItsTitleBarOnIt) {
  {
    TestWindow w{sound};
    start(w);
    w.setGeometry(-3000, -400, 600, 450);
    w.close();
  }
  TestWindow again{sound};
  start(again);
  EXPECT_TRUE(again.screen()->availableGeometry().contains(again.frameGeometry().topLeft()));
}

TEST_F(WindowSettingsTest, ALanguageNamedIsKeptForStartsThatNameNone) {
  auto start_with = [](std::map<std::string, std::string> env, std::optional<Language> option) {
    return start_language(
        option,
        [env](const char* name) -> const char* {
          auto it = env.find(name);
          return it == env.end() ? nullptr : it->second.c_str();
        },
        nullptr);
  };
  const std::map<std::string, std::string> japanese_desktop = {{"LANG", "ja_JP.UTF-8"}};
  EXPECT_EQ(start_with(japanese_desktop, {}), Language::japanese);  // nothing kept: the locale
  EXPECT_EQ(start_with(japanese_desktop, Language::english), Language::english);
  EXPECT_EQ(start_with(japanese_desktop, {}), Language::english);
  EXPECT_EQ(start_with({{"HAKURO_LANG", "ja"}, {"LANG", "C"}}, {}), Language::japanese);
  EXPECT_EQ(start_with({{"LANG", "C"}}, {}), Language::japanese);
  EXPECT_EQ(start_with({{"HAKURO_LANG", "fr"}, {"LANG", "C"}}, {}), Language::japanese);
}

TEST_F(WindowSettingsTest, QtsOwnButtonsSpeakJapaneseInAJapaneseWindow) {
  ASSERT_TRUE(use_language(Language::japanese));
  QDialogButtonBox box(QDialogButtonBox::Cancel | QDialogButtonBox::Open);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8("キャンセル"));
  ASSERT_TRUE(use_language(Language::english));
  QDialogButtonBox english(QDialogButtonBox::Cancel);
  EXPECT_EQ(english.button(QDialogButtonBox::Cancel)->text(), "Cancel");
  use_language(Language::japanese);
}

}  // namespace

}  // namespace hakuro::test
