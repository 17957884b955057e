// The move list beside the board: one row per held move, numbered, in the usual notation
// (▲７六歩, △同　銀), the move shown highlighted, and an analysis's marks after the moves.
#pragma once

#include <vector>

#include <QAbstractListModel>

#include "review/marks.h"
#include "state/game.h"

namespace hakuro {

class MoveListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  // True on the row of the move the board shows.
  static constexpr int ShownRole = Qt::UserRole + 1;

  using QAbstractListModel::QAbstractListModel;

  // Takes the record's moves and the move shown afresh, 先手 the top player when sente_top:
  // rows that changed are replaced, the rest kept, so a view keeps its place.
  void refresh(const Game& g, bool sente_top);
  // The move the board shows, 0 for the position before the first.
  int shown() const { return shown_; }

  // An analysis's verdict on a move: its mark and the tooltip that tells the best move.
  struct Verdict {
    analyse::Mark mark = analyse::Mark::none;
    QString tip;
  };
  // The verdicts, [n - 1] for move n; none to take them away.
  void set_verdicts(std::vector<Verdict> verdicts);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  QString text(int n) const;
  void show_move(int n);

  Record record_;  // the moves listed
  bool sente_top_ = false;
  int shown_ = 0;
  std::vector<Verdict> verdicts_;
};

}  // namespace hakuro
