#include "qt/move_list.h"

#include <algorithm>

#include <QApplication>
#include <QFont>
#include <QPalette>

#include "record/move_list.h"

namespace hakuro {

namespace {

// The sign after a marked move: ? for 悪手, ?! for 疑問手.
QString mark_sign(analyse::Mark m) {
  return m == analyse::Mark::blunder   ? QStringLiteral(" ?")
         : m == analyse::Mark::dubious ? QStringLiteral(" ?!")
                                       : QString();
}

// What the list shows of a move; the times are not shown.
bool same_move(const RecordMove& a, const RecordMove& b) { return a.move == b.move; }

}  // namespace

void MoveListModel::refresh(const Game& g, bool sente_top) {
  const int held = g.record.held();
  if (sente_top != sente_top_) {
    beginResetModel();
    record_ = {};
    sente_top_ = sente_top;
    endResetModel();
  }
  // Rows from the first that differs on are replaced (a changed move also changes the next
  // one's 同).
  const int kept = record_.held();
  int same = 0;
  while (same < std::min(kept, held) && same_move(record_.move(same + 1), g.record.move(same + 1)))
    ++same;
  if (same < kept) {
    beginRemoveRows({}, same, kept - 1);
    record_.cut(same);
    endRemoveRows();
  }
  if (same < held) {
    beginInsertRows({}, same, held - 1);
    for (int n = same + 1; n <= held; ++n) record_.append(g.record.move(n));
    endInsertRows();
  }
  show_move(g.record.current_move());
}

void MoveListModel::show_move(int n) {
  if (n == shown_) return;
  const int before = shown_;
  shown_ = n;
  for (const int row : {before - 1, n - 1})
    if (row >= 0 && row < rowCount()) emit dataChanged(index(row), index(row));
}

void MoveListModel::set_verdicts(std::vector<Verdict> verdicts) {
  if (verdicts.empty() && verdicts_.empty()) return;
  verdicts_ = std::move(verdicts);
  if (rowCount() > 0) emit dataChanged(index(0), index(rowCount() - 1));
}

int MoveListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : record_.held();
}

QString MoveListModel::text(int n) const {
  // Figure spaces keep the numbers right-aligned in any font.
  return QString::number(n).rightJustified(3, QChar(0x2007)) + QStringLiteral("  ") +
         QString::fromStdString(move_entry(record_, n, sente_top_)) +
         (n <= int(verdicts_.size()) ? mark_sign(verdicts_[std::size_t(n - 1)].mark) : QString());
}

QVariant MoveListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const int n = index.row() + 1;
  const bool shown = n == shown_;
  switch (role) {
    case Qt::DisplayRole: return text(n);
    case ShownRole: return shown;
    case Qt::ToolTipRole:
      return n <= int(verdicts_.size()) ? QVariant(verdicts_[std::size_t(n - 1)].tip) : QVariant();
    case Qt::BackgroundRole:
      return shown ? QVariant(QApplication::palette().brush(QPalette::Highlight)) : QVariant();
    case Qt::ForegroundRole:
      return shown ? QVariant(QApplication::palette().brush(QPalette::HighlightedText))
                   : QVariant();
    case Qt::FontRole: {
      if (!shown) return {};
      QFont f;
      f.setBold(true);
      return f;
    }
    default: return {};
  }
}

}  // namespace hakuro
