#include "qt/game_panels.h"

#include <algorithm>

#include <QDockWidget>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include "qt/game_texts.h"
#include "qt/move_list.h"
#include "qt/view/canvas.h"
#include "record/move_list.h"

namespace hakuro {

namespace {

// The list above, the comment pane with its caption below: a few lines high, read only.
QWidget* with_comment_pane(QListView* list, QPlainTextEdit* comment) {
  comment->setObjectName("move_comment");
  comment->setReadOnly(true);
  comment->setFont(list->font());
  comment->setMaximumHeight(comment->fontMetrics().lineSpacing() * 5 + 2 * comment->frameWidth() +
                            8);
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list, 1);
  layout->addWidget(new QLabel(GamePanels::tr("コメント")));
  layout->addWidget(comment);
  return box;
}

}  // namespace

GamePanels::GamePanels(QMainWindow& window, std::function<void(int)> show_move)
    : QObject(&window),
      window_(window),
      model_(new MoveListModel(this)),
      list_(new QListView),
      comment_(new QPlainTextEdit),
      dock_(new QDockWidget(tr("指し手"), &window)),
      state_(new QLabel),
      handicap_(new QLabel) {
  list_->setObjectName("move_list");
  list_->setModel(model_);
  list_->setSelectionMode(QAbstractItemView::NoSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setUniformItemSizes(true);
  QFont f = list_->font();
  f.setFamilies(view::gothic_families());
  f.setPointSizeF(std::max(f.pointSizeF(), 11.0));
  list_->setFont(f);
  // Wide enough for the longest entry, a three-digit number and the scroll bar.
  const int width = list_->fontMetrics().horizontalAdvance(QStringLiteral("000  ▲同　成銀不成")) +
                    list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
  list_->setMinimumWidth(width);
  connect(list_, &QListView::clicked, this,
          [show_move = std::move(show_move)](const QModelIndex& i) { show_move(i.row() + 1); });

  // The list can be moved or floated, never lost.
  dock_->setObjectName("move_list_dock");
  dock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  dock_->setWidget(with_comment_pane(list_, comment_));
  window.addDockWidget(Qt::RightDockWidgetArea, dock_);
  window.resizeDocks({dock_}, {width}, Qt::Horizontal);

  state_->setObjectName("status_state");
  handicap_->setObjectName("status_handicap");
  window.statusBar()->addWidget(state_, 1);
  window.statusBar()->addPermanentWidget(handicap_);
}

void GamePanels::refresh(const Game& g) {
  const int shown = model_->shown(), rows = model_->rowCount();
  const KifSides sides = game_sides(g);
  model_->refresh(g, sides.sente_top);
  // Only a change brings the move shown into sight: the list may be scrolled meanwhile.
  if ((model_->shown() != shown || model_->rowCount() != rows) && model_->shown() >= 1)
    list_->scrollTo(model_->index(model_->shown() - 1));
  // Set only when it changes, so that a long comment keeps its place while it is read.
  const QString comment = QString::fromStdString(g.record.comment(g.record.current_move()));
  if (comment_->toPlainText() != comment) comment_->setPlainText(comment);
  state_->setText(status_text(g, sides));
  handicap_->setText(handicap_text(g, sides));
  window_.setWindowTitle(window_title(g));
}

QSize GamePanels::extra_size() const {
  const int w = dock_->isFloating() ? 0 : dock_->minimumSizeHint().width();
  return {w, window_.statusBar()->sizeHint().height()};
}

}  // namespace hakuro
