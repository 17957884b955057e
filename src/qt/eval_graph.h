// The evaluation graph under the move list: the engine's score of every position of an analysed
// record against the move number, 先手's advantage up, the move shown marked. A click steps the
// record to the move under it.
#pragma once

#include <functional>
#include <vector>

#include <QWidget>

namespace hakuro {

class EvalGraph : public QWidget {
  Q_OBJECT

 public:
  // A click on the graph calls show_move(n), n the move under it (0: the start).
  explicit EvalGraph(std::function<void(int)> show_move, QWidget* parent = nullptr);

  // The scores from 先手's view, [n] after move n ([0] the start); empty when there are none.
  // Mates and large scores are drawn at the graph's top or bottom.
  void set_scores(std::vector<int> scores);
  const std::vector<int>& scores() const { return scores_; }
  // The move the board shows.
  void set_shown(int n);
  int shown() const { return shown_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QRectF plot() const;
  QPointF point(int n) const;
  int move_at(double x) const;

  std::function<void(int)> show_move_;
  std::vector<int> scores_;
  int shown_ = 0;
};

}  // namespace hakuro
