#include "qt/eval_graph.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include "review/marks.h"

namespace hakuro {

namespace {

constexpr int kMargin = 4;
constexpr int kGridStep = 1000;  // a faint line every 1000 centipawns

// 先手's side of the graph and 後手's, as the board's two players.
const QColor kSenteFill(70, 110, 200, 110);
const QColor kGoteFill(200, 80, 70, 110);

}  // namespace

EvalGraph::EvalGraph(std::function<void(int)> show_move, QWidget* parent)
    : QWidget(parent), show_move_(std::move(show_move)) {
  setObjectName("eval_graph");
  setMinimumHeight(60);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void EvalGraph::set_scores(std::vector<int> scores) {
  scores_ = std::move(scores);
  update();
}

void EvalGraph::set_shown(int n) {
  if (n == shown_) return;
  shown_ = n;
  update();
}

QSize EvalGraph::sizeHint() const { return {200, 120}; }

QRectF EvalGraph::plot() const {
  return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QPointF EvalGraph::point(int n) const {
  const QRectF r = plot();
  const int last = std::max(1, int(scores_.size()) - 1);
  const int score = std::clamp(scores_[std::size_t(n)], -analyse::kScoreCap, analyse::kScoreCap);
  return {r.left() + r.width() * n / last,
          r.center().y() - r.height() / 2 * score / analyse::kScoreCap};
}

int EvalGraph::move_at(double x) const {
  const QRectF r = plot();
  const int last = std::max(1, int(scores_.size()) - 1);
  const int n = int(std::lround((x - r.left()) / r.width() * last));
  return std::clamp(n, 0, int(scores_.size()) - 1);
}

void EvalGraph::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), palette().base());
  const QRectF r = plot();
  QPen grid(palette().mid().color(), 0, Qt::DotLine);
  p.setPen(grid);
  for (int v = kGridStep; v < analyse::kScoreCap; v += kGridStep)
    for (const int sign : {1, -1}) {
      const double y = r.center().y() - r.height() / 2 * sign * v / analyse::kScoreCap;
      p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
  p.setPen(QPen(palette().text().color(), 0));
  p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
  if (scores_.empty()) return;

  // The area between the line and even: 先手's colour above, 後手's below.
  QPainterPath line, area;
  area.moveTo(r.left(), r.center().y());
  for (int n = 0; n < int(scores_.size()); ++n) {
    const QPointF q = point(n);
    if (n == 0) line.moveTo(q);
    else line.lineTo(q);
    area.lineTo(q);
  }
  area.lineTo(point(int(scores_.size()) - 1).x(), r.center().y());
  area.closeSubpath();
  QRectF top = r, bottom = r;
  top.setBottom(r.center().y());
  bottom.setTop(r.center().y());
  p.save();
  p.setClipRect(top);
  p.fillPath(area, kSenteFill);
  p.setClipRect(bottom);
  p.fillPath(area, kGoteFill);
  p.restore();
  p.setPen(QPen(palette().text().color(), 1.5));
  p.drawPath(line);

  if (shown_ >= 0 && shown_ < int(scores_.size())) {
    const QPointF q = point(shown_);
    p.setPen(QPen(palette().highlight().color(), 1.5));
    p.drawLine(QPointF(q.x(), r.top()), QPointF(q.x(), r.bottom()));
    p.setBrush(palette().highlight());
    p.drawEllipse(q, 3.5, 3.5);
  }
}

void EvalGraph::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || scores_.empty()) return;
  show_move_(move_at(e->position().x()));
}

}  // namespace hakuro
