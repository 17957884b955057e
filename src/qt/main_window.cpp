#include "qt/main_window.h"

#include <string_view>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>

#include "control/commands.h"
#include "control/game_clock.h"
#include "control/last_game.h"
#include "control/menu.h"
#include "control/mouse.h"
#include "control/record_menu.h"
#include "control/record_steps.h"
#include "control/startup.h"
#include "control/usi_opponent.h"
#include "options/clock.h"
#include "qt/board_view.h"
#include "qt/box_place.h"
#include "qt/game_panels.h"
#include "qt/language/core_texts.h"
#include "qt/new_game_dialog.h"
#include "qt/record_panel.h"
#include "qt/review.h"
#include "qt/startup_timing.h"
#include "qt/usi_engine_dialog.h"
#include "qt/usi_engines.h"
#include "qt/usi_opponent_items.h"
#include "qt/view/artwork.h"
#include "qt/window_settings.h"
#include "record/last_game.h"

namespace hakuro {

namespace {

constexpr int kTwipsPerPixel = view::kTwipsPerPixel;
constexpr int kMaximisedTop = -60;
// Frame, caption and borders of a window whose frame is not known yet.
constexpr int kFrameWidth = 8, kFrameHeight = 31;
constexpr int kNoticeMilliseconds = 5000;
constexpr int kUsiInfoMilliseconds = 250;

QString from_utf8(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

MainWindow::MainWindow(SoundLibrary& sound, QWidget* parent)
    : QMainWindow(parent),
      thinker_([this](std::function<void()> result) { arrive(std::move(result)); }),
      form_(canvas_, *this, sound, thinker_) {
  form_.last_game_file = kLastGameFile;
  setWindowTitle(QStringLiteral("HAKURO KAISEN将棋"));
  board_ = new BoardView(
      canvas_, [this](int b, int s, double x, double y) { mouse_down(b, s, x, y); }, this);
  board_->on_first_paint(&startup::report_painted);
  setCentralWidget(board_);
  panel_ = new RecordPanel(
      board_, {[this](const std::string& path) { run([&] { on_drive_chosen(form_, path); }); },
               [this](const std::string& path) { run([&] { on_folder_chosen(form_, path); }); },
               [this](const std::string& name) { run([&] { on_file_clicked(form_, name); }); },
               [this] { run([this] { on_return(form_); }); }});
  canvas_.set_listeners([this] { board_->update(); }, [this] { board_->repaint(); });
  build_menus();
  board_->show_last_move_of(&form_.g);
  game_panels_ =
      new GamePanels(*this, [this](int n) { run([this, n] { step_to_move(form_, n); }); });
  review_ = new Review(*this, *game_panels_->dock(), *game_panels_->moves(),
                       [this](int n) { run([this, n] { step_to_move(form_, n); }); });
  timer1_.setInterval(50);
  connect(&timer1_, &QTimer::timeout, this, [this] { run([this] { on_timer(form_); }); });
  usi_info_timer_.setInterval(kUsiInfoMilliseconds);
  connect(&usi_info_timer_, &QTimer::timeout, this, [this] {
    if (!ended()) show_usi_info(form_);
  });
  usi_info_timer_.start();
}

MainWindow::~MainWindow() = default;

bool MainWindow::load() {
  run([this] { on_load(form_); });
  // Once the window is up, an unfinished last game is offered.
  QTimer::singleShot(0, this, [this] { run([this] { offer_last_game(form_); }); });
  return !ended();
}

void MainWindow::remember_between_starts() {
  remembers_ = true;
  restore_window(*this);
}

void MainWindow::mouse_down(int button, int shift, double X, double Y) {
  run([&] { on_mouse_down(form_, button, shift, X, Y); });
}

void MainWindow::run(const std::function<void()>& event) {
  if (busy_ || ended()) return;
  busy_ = true;
  const bool alive = run_event(form_, event);
  busy_ = false;
  refresh_panels();
  // While the computer thinks the board takes no presses.
  if (thinker_.busy()) board_->setCursor(Qt::BusyCursor);
  else board_->unsetCursor();
  if (!alive) quit();
  else if (signalled_ && !closing_)
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  else if (arrived_) run(std::exchange(arrived_, nullptr));
}

void MainWindow::arrive(std::function<void()> result) {
  if (busy_) arrived_ = std::move(result);
  else run(result);
}

void MainWindow::refresh_panels() {
  game_panels_->refresh(form_.g);
  review_->refresh(form_.g, thinker_.busy());
}

void MainWindow::end_by_signal() {
  signalled_ = true;
  if (!busy_) {
    close();
    return;
  }
  if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}

QMenu* MainWindow::add_menu(QWidget* parent, const Command& command) {
  auto* menu = new QMenu(menu_text(command.caption), parent);
  menu->setObjectName(command.name);
  menu->menuAction()->setObjectName(command.name);
  if (auto* bar = qobject_cast<QMenuBar*>(parent)) bar->addMenu(menu);
  else static_cast<QMenu*>(parent)->addMenu(menu);
  connect(menu, &QMenu::aboutToShow, this,
          [this, &command] { run([this, &command] { menu_click(form_, command); }); });
  return menu;
}

void MainWindow::add_item(QWidget* parent, const Command& command) {
  auto* action = new QAction(menu_text(command.caption), parent);
  action->setObjectName(command.name);
  action->setCheckable(command.checkable());
  parent->addAction(action);
  items_[command.name] = action;
  // A checkable item keeps the mark the program gave it; the click only tells the program.
  connect(action, &QAction::triggered, this, [this, action, &command] {
    if (action->isCheckable()) action->setChecked(checked(command.name));
    run([this, &command] { menu_click(form_, command); });
  });
}

void MainWindow::build_menus() {
  std::map<std::string_view, QMenu*> menus;
  for (const Command& c : commands()) {
    QWidget* parent = c.menu ? static_cast<QWidget*>(menus.at(c.menu)) : menuBar();
    if (c.opens()) menus[c.name] = add_menu(parent, c);
    else add_item(parent, c);
  }
  usi_items_ =
      std::make_unique<UsiOpponentItems>(menus.at("LEVEL"), [this](const usi::EngineEntry& e) {
        const std::string name = usi_item(e);
        items_.at(name)->setChecked(checked(name));
        run([this, e] { choose_usi_opponent(form_, e); });
      });
  rebuild_usi_items();
}

void MainWindow::rebuild_usi_items() {
  for (const auto& [name, action] : usi_items_->items()) items_.erase(name);
  usi_items_->rebuild(kept_engines());
  for (const auto& [name, action] : usi_items_->items()) {
    items_[name] = action;
    action->setChecked(checked(name));
  }
}

Answer MainWindow::message_box(const std::string& text, const std::string& title, Buttons buttons,
                               Icon icon) {
  if (signalled_) return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
  refresh_panels();
  return ask(core_text(text, buttons == Buttons::YesNo), core_text(title), buttons, icon);
}

void MainWindow::notice(const std::string& text, const std::string& title) {
  if (signalled_) return;
  const QStringList lines = core_text(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  statusBar()->showMessage(lines.join(QStringLiteral("  ")).trimmed(), kNoticeMilliseconds);
}

Answer MainWindow::ask(const QString& text, const QString& title, Buttons buttons, Icon icon) {
  BesideBoardBox box(this, *board_);
  box.setWindowTitle(title);
  box.setText(text);
  box.setIcon(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon);
  if (buttons == Buttons::Ok) {
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return Answer::Ok;
  }
  QPushButton* yes = box.addButton(tr("はい"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(tr("いいえ"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

void MainWindow::set_checked(const std::string& item, bool on) {
  checks_[item] = on;
  if (auto it = items_.find(item); it != items_.end()) it->second->setChecked(on);
}

bool MainWindow::checked(const std::string& item) const {
  auto it = checks_.find(item);
  return it != checks_.end() && it->second;
}

void MainWindow::set_timer(bool on) {
  if (on) timer1_.start();
  else timer1_.stop();
}

double MainWindow::time_of_day() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

LocalTime MainWindow::local_time() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

int MainWindow::window_top() const {
  return isMaximized() ? kMaximisedTop : frameGeometry().top() * kTwipsPerPixel;
}

void MainWindow::place(int left, int top, int width, int height) {
  if (isMaximized()) return;
  const bool framed = isVisible() && frameGeometry().size() != size();
  const int frame_w = framed ? frameGeometry().width() - this->width() : kFrameWidth;
  const int frame_h = framed ? frameGeometry().height() - this->height() : kFrameHeight;
  // The board view keeps the size the program asks for; the panels around it add theirs.
  const QSize extra = game_panels_->extra_size();
  move(left / kTwipsPerPixel, top / kTwipsPerPixel);
  resize(width / kTwipsPerPixel - frame_w + extra.width(),
         height / kTwipsPerPixel - frame_h + extra.height());
}

void MainWindow::show_lists(bool drive, bool dir, bool file) {
  panel_->show_lists(drive, dir, file);
}

void MainWindow::show_record_io(bool shown) { panel_->show_record_io(shown); }

std::string MainWindow::text_box(int n) const { return panel_->text(n); }

void MainWindow::set_text_box(int n, const std::string& s) { panel_->set_text(n, s); }

std::string MainWindow::panel_directory() const { return panel_->directory(); }

void MainWindow::set_panel_directory(const std::string& path) { panel_->set_directory(path); }

void MainWindow::refresh_files() { panel_->refresh_files(); }

std::optional<std::string> MainWindow::file_dialog(FileDialog kind, const std::string& title,
                                                   const std::string& filter) {
  if (signalled_) return std::nullopt;
  const QString path =
      choose_file(kind, core_text(title), core_text(filter), from_utf8(panel_directory()));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

QString MainWindow::choose_file(FileDialog kind, const QString& title, const QString& filter,
                                const QString& folder) {
  QFileDialog dialog(this, title, folder, filter);
  if (kind == FileDialog::save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("kif"));
  } else {
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

std::string MainWindow::clipboard_text() {
  return QGuiApplication::clipboard()->text().toStdString();
}

void MainWindow::set_clipboard_text(const std::string& s) {
  QGuiApplication::clipboard()->setText(from_utf8(s));
}

void MainWindow::quit() {
  form_.ended = true;
  timer1_.stop();
  if (closing_) return;
  QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainWindow::usi_engine_settings() {
  if (signalled_) return;
  UsiEngineDialog dialog(this);
  dialog.exec();
  rebuild_usi_items();
  keep_usi_opponent(form_, kept_engines());
}

void MainWindow::analyse_record() { review_->start(form_.g, thinker_.busy()); }

void MainWindow::switch_live_analysis() { set_checked(kLiveAnalysisItem, review_->switch_live()); }

void MainWindow::switch_analysis_comments() {
  set_checked(kAnalysisKifItem, !checked(kAnalysisKifItem));
}

std::vector<std::string> MainWindow::analysis_comments() {
  if (!checked(kAnalysisKifItem)) return {};
  return review_->kif_comments(form_.g);
}

std::optional<NewGameChoice> MainWindow::new_game_dialog() {
  if (signalled_) return std::nullopt;
  NewGameDialog dialog(this, kept_engines());
  dialog.set_choice(kept_new_game());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  keep_new_game(dialog.choice());
  return dialog.choice();
}

void MainWindow::find_usi_engine(const std::string& name, usi::EngineEntry& entry) {
  for (const usi::EngineEntry& e : kept_engines())
    if (e.path == name) entry = e;
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
  int key = 0;
  if (e->key() == Qt::Key_Escape) key = 27;
  else if (!e->text().isEmpty()) key = e->text().at(0).unicode();
  if (key == 0) {
    QMainWindow::keyPressEvent(e);
    return;
  }
  run([this, key] { on_key_press(form_, key); });
}

void MainWindow::closeEvent(QCloseEvent* e) {
  closing_ = true;
  if (!ended()) run([this] { on_unload(form_); });
  closing_ = false;
  if (!ended()) {
    e->ignore();
    return;
  }
  if (remembers_) keep_window(*this);
  e->accept();
}

}  // namespace hakuro
