// The one QApplication the window tests share, and a window that answers its own boxes.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include <gtest/gtest.h>
#include <QApplication>
#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include "qt/main_window.h"

namespace hakuro::test {

QApplication& app();

// A test whose window settings (QSettings) start empty in a folder of its own.
class FreshSettingsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app(); }
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
  }
  QTemporaryDir dir;
};

// Puts the run folder's settings file back as it was when made: the option items rewrite it, and
// the other tests expect it as it was.
class KeptSettings {
 public:
  KeptSettings();
  ~KeptSettings();
  KeptSettings(const KeptSettings&) = delete;
  KeptSettings& operator=(const KeptSettings&) = delete;

 private:
  QByteArray bytes_;
};

// Hands out handles and counts what the program asks of it.
class CountingSound : public SoundLibrary {
 public:
  std::int32_t dsInitialize(std::int32_t) override { return 1; }
  std::int32_t dsTerminate(std::int32_t) override { return ++terminated; }
  std::int32_t dsCreateDSB(std::int32_t, const unsigned char*, std::size_t, std::int32_t) override {
    return ++created;
  }
  std::int32_t dsFree(std::int32_t) override { return ++freed; }
  std::int32_t dsPlay(std::int32_t) override { return ++played; }
  std::int32_t dsPlayLooping(std::int32_t) override { return 1; }
  std::int32_t dsStop(std::int32_t) override { return 1; }
  int terminated = 0, created = 0, freed = 0, played = 0;
};

class TestWindow : public MainWindow {
 public:
  // Keeps no last game, unless a test names its file: the tests share the run folder.
  explicit TestWindow(SoundLibrary& sound) : MainWindow(sound) { form().last_game_file.clear(); }
  std::vector<QString> boxes;
  std::vector<QString> titles;  // the window's title while each box was shown
  std::vector<QPointF> presses;
  // The file dialogs shown (their titles), and the paths they answer in turn; Cancel when none
  // is left.
  std::vector<QString> dialogs;
  std::deque<QString> file_answers;
  // Shows the window's own file dialog instead (a test then answers it).
  bool real_file_dialog = false;
  // Runs while each box is shown, as the window's events go on behind a real one.
  std::function<void()> during_box;

  void mouse_down(int button, int shift, double X, double Y) override {
    presses.emplace_back(X, Y);
    MainWindow::mouse_down(button, shift, X, Y);
  }

 protected:
  Answer ask(const QString& text, const QString&, Buttons buttons, Icon) override {
    boxes.push_back(text);
    titles.push_back(windowTitle());
    if (during_box) during_box();
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  QString choose_file(FileDialog kind, const QString& title, const QString& filter,
                      const QString& folder) override {
    dialogs.push_back(title);
    if (real_file_dialog) return MainWindow::choose_file(kind, title, filter, folder);
    if (file_answers.empty()) return {};
    const QString path = file_answers.front();
    file_answers.pop_front();
    return path;
  }
};

}  // namespace hakuro::test
