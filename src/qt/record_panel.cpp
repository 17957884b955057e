#include "qt/record_panel.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

#include "display/geometry.h"
#include "qt/view/canvas.h"

namespace hakuro {

namespace {

// The panel's text at the picture's own scale, in pixels, and the smallest and largest the
// panel uses however small or large the window is.
constexpr int kFontPixels = 12, kLeastFontPixels = 10, kMostFontPixels = 28;

QString from_utf8(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

std::string to_utf8(const QString& s) {
  const QByteArray b = s.toUtf8();
  return std::string(b.constData(), std::size_t(b.size()));
}

int whole(double v) { return static_cast<int>(std::lround(v)); }

QListView* new_list(const char* name, QWidget* parent) {
  auto* list = new QListView(parent);
  list->setObjectName(name);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  list->hide();
  return list;
}

// Whether folder lies on the volume mounted at root.
bool on_volume(const QString& folder, const QString& root) {
  if (root == QLatin1String("/")) return true;
  return folder == root || folder.startsWith(root + '/');
}

}  // namespace

QRectF RecordPanel::area() {
  // Right of the bottom side's hand (column 11), below the move count (row 4), to the client
  // picture's right and bottom edges less a margin.
  const double left = cell_x(12) + 60, top = cell_y(5) + 75, margin = 75;
  return QRectF(QPointF(left, top),
                QPointF(view::kClientWidth - margin, view::kClientHeight - margin));
}

RecordPanel::RecordPanel(QWidget* view, Events events)
    : QFrame(view), view_(view), events_(std::move(events)), folder_(QDir::currentPath()) {
  setObjectName("RecordPanel");
  setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  setAutoFillBackground(true);
  // A press on the panel is the panel's, never a press on the board below it.
  setAttribute(Qt::WA_NoMousePropagation);
  QFont f = font();
  f.setFamilies(QStringList{f.family()} + view::gothic_families());
  setFont(f);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  column->setSpacing(3);
  build_lists();
  build_record_io();
  column->addWidget(drive_);
  column->addWidget(dir_caption_);
  column->addWidget(dir_, 1);
  column->addWidget(file_, 1);
  column->addWidget(record_io_);

  hide();
  view_->installEventFilter(this);
  fit();
}

void RecordPanel::build_lists() {
  drive_ = new QComboBox(this);
  drive_->setObjectName("Drive1");
  drive_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  drive_->setMinimumContentsLength(6);
  drive_->hide();
  connect(drive_, &QComboBox::activated, this, [this](int i) {
    events_.drive_chosen(to_utf8(drive_->itemData(i).toString()));
    // The program may have refused the drive and kept the folder.
    select_drive();
  });

  dir_caption_ = new QLabel(this);
  dir_caption_->setObjectName("Dir1Path");
  dir_caption_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  dir_caption_->hide();
  dir_caption_->installEventFilter(this);

  // A folder is entered by a double click or Enter; ".." goes up one.
  dir_ = new_list("Dir1", this);
  connect(dir_, &QListView::activated, this, [this](const QModelIndex& index) {
    if (!dir_model_ || !index.isValid()) return;
    events_.folder_entered(to_utf8(QDir::cleanPath(dir_model_->filePath(index))));
  });

  file_ = new_list("File1", this);
  connect(file_, &QListView::clicked, this, [this](const QModelIndex& index) {
    if (!file_model_ || !index.isValid()) return;
    events_.file_clicked(to_utf8(file_model_->fileName(index)));
  });
}

void RecordPanel::build_record_io() {
  record_io_ = new QWidget(this);
  auto* grid = new QGridLayout(record_io_);
  grid->setContentsMargins(0, 2, 0, 0);
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(3);
  for (int n = 1; n <= 4; ++n) {
    auto* box = new QLineEdit(record_io_);
    box->setObjectName(QStringLiteral("Text%1").arg(n));
    boxes_[std::size_t(n - 1)] = box;
  }
  // Top to bottom: the title, the top player, the bottom player, the file name.
  const struct {
    const char* caption;
    int box;
  } rows[] = {{"対 局 名：", 2}, {"先    手 ：", 3}, {"後    手 ：", 4}, {"ﾌｧｲﾙ名 ：", 1}};
  for (int row = 0; row < 4; ++row) {
    auto* label = new QLabel(tr(rows[row].caption), record_io_);
    label->setObjectName(QStringLiteral("Label1_%1").arg(row));
    QLineEdit* box = boxes_[std::size_t(rows[row].box - 1)];
    label->setBuddy(box);
    if (row > 0) setTabOrder(boxes_[std::size_t(rows[row - 1].box - 1)], box);
    labels_[std::size_t(row)] = label;
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
  }
  grid->setColumnStretch(1, 1);
  command_ = new QPushButton(tr("RETURN"), record_io_);
  command_->setObjectName("Command1");
  grid->addWidget(command_, 4, 0, 1, 2);
  setTabOrder(boxes_[0], command_);
  connect(command_, &QPushButton::clicked, this, [this] { events_.return_pressed(); });
  connect(boxes_[0], &QLineEdit::returnPressed, command_, &QPushButton::click);
  record_io_->hide();
}

void RecordPanel::show_lists(bool drive, bool dir, bool file) {
  if (drive) fill_drives();
  drive_->setVisible(drive);
  dir_caption_->setVisible(dir);
  dir_->setVisible(dir);
  file_->setVisible(file);
  show_folder();
  update_shown();
}

void RecordPanel::show_record_io(bool shown) {
  record_io_->setVisible(shown);
  update_shown();
}

std::string RecordPanel::text(int n) const {
  return n >= 1 && n <= 4 ? to_utf8(boxes_[std::size_t(n - 1)]->text()) : std::string();
}

void RecordPanel::set_text(int n, const std::string& s) {
  if (n >= 1 && n <= 4) boxes_[std::size_t(n - 1)]->setText(from_utf8(s));
}

std::string RecordPanel::directory() const { return to_utf8(folder_); }

void RecordPanel::set_directory(const std::string& path) {
  folder_ = QDir::cleanPath(QFileInfo(from_utf8(path)).absoluteFilePath());
  show_folder();
  select_drive();
}

void RecordPanel::refresh_files() {
  if (file_model_) new_file_model();
}

void RecordPanel::show_folder() {
  elide_caption();
  if (!dir_model_ && dir_->isVisibleTo(this)) {
    dir_model_ = new QFileSystemModel(this);
    dir_model_->setFilter(QDir::AllDirs | QDir::NoDot);
    dir_->setModel(dir_model_);
  }
  if (dir_model_) {
    dir_model_->setRootPath(folder_);
    dir_model_->sort(0);
    dir_->setRootIndex(dir_model_->index(folder_));
  }
  if (!file_model_ && file_->isVisibleTo(this)) new_file_model();
  else if (file_model_) {
    file_model_->setRootPath(folder_);
    file_->setRootIndex(file_model_->index(folder_));
  }
}

void RecordPanel::new_file_model() {
  auto* model = new QFileSystemModel(this);
  model->setFilter(QDir::Files);
  model->setNameFilters({QString::fromUtf8("*.棋譜")});
  model->setNameFilterDisables(false);
  model->setRootPath(folder_);
  model->sort(0);
  file_->setModel(model);
  file_->setRootIndex(model->index(folder_));
  if (file_model_) file_model_->deleteLater();
  file_model_ = model;
}

void RecordPanel::fill_drives() {
  drive_->clear();
  QStringList roots = {QStringLiteral("/")};
  if (!roots.contains(QDir::homePath())) roots << QDir::homePath();
  const qsizetype first = roots.size();
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
    if (v.isValid() && v.isReady() && !roots.contains(v.rootPath())) roots << v.rootPath();
  std::sort(roots.begin() + first, roots.end());
  for (const QString& root : roots) drive_->addItem(QDir::toNativeSeparators(root), root);
  select_drive();
}

void RecordPanel::select_drive() {
  int best = -1;
  qsizetype best_length = -1;
  for (int i = 0; i < drive_->count(); ++i) {
    const QString root = drive_->itemData(i).toString();
    if (on_volume(folder_, root) && root.size() > best_length) {
      best = i;
      best_length = root.size();
    }
  }
  if (best >= 0) drive_->setCurrentIndex(best);  // activated() is for a person's choice only
}

void RecordPanel::update_shown() {
  const bool any = drive_->isVisibleTo(this) || dir_->isVisibleTo(this) ||
                   file_->isVisibleTo(this) || record_io_->isVisibleTo(this);
  setVisible(any);
  if (any) {
    fit();
    raise();
  }
}

void RecordPanel::fit() {
  const QSizeF size(view_->size());
  const QTransform t = view::Canvas::to_device(size);
  const QRectF r = t.mapRect(area());
  // Picture pixels to widget pixels.
  const double scale = t.m11() * TWIPS_PER_PIXEL;
  QFont f = font();
  f.setPixelSize(std::clamp(whole(kFontPixels * scale), kLeastFontPixels, kMostFontPixels));
  if (f != font()) setFont(f);
  for (QListView* list : {dir_, file_}) list->setMinimumHeight(3 * fontMetrics().height());

  // With no list the panel is only as tall as its boxes and button.
  const bool lists = dir_->isVisibleTo(this) || file_->isVisibleTo(this);
  const QSize least = minimumSizeHint();
  const int width = std::max(whole(r.width()), least.width());
  const int height = lists ? std::max(whole(r.height()), least.height()) : sizeHint().height();
  // Too small a window pushes the panel left and up rather than out of the window.
  const int x = std::max(0, std::min(whole(r.left()), view_->width() - width));
  const int y = std::max(0, std::min(whole(r.top()), view_->height() - height));
  setGeometry(x, y, width, height);
}

void RecordPanel::elide_caption() {
  const QString path = QDir::toNativeSeparators(folder_);
  dir_caption_->setToolTip(path);
  dir_caption_->setText(
      dir_caption_->fontMetrics().elidedText(path, Qt::ElideLeft, dir_caption_->width()));
}

bool RecordPanel::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::Resize) {
    if (watched == view_) fit();
    else if (watched == dir_caption_) elide_caption();
  }
  return QFrame::eventFilter(watched, e);
}

void RecordPanel::keyPressEvent(QKeyEvent* e) { e->accept(); }

}  // namespace hakuro
