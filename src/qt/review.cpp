#include "qt/review.h"

#include <memory>

#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "qt/eval_graph.h"
#include "qt/move_list.h"
#include "review/texts.h"

namespace hakuro {

namespace {

constexpr int kNoticeMilliseconds = 5000;
// 検討 gives up on a position after this long, so that a window left alone rests.
constexpr double kLiveSeconds = 60;

QString from_utf8(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString joined(const std::vector<std::string>& words) {
  QStringList out;
  for (const std::string& w : words) out << from_utf8(w);
  return out.join(QLatin1Char(' '));
}

// The best move in the position before move n, in notation; "-" when there is none.
std::string best_before(const analyse::GameMoves& g, const analyse::Analysis& a, std::size_t n) {
  const std::vector<Move>& pv = a.positions[n - 1].pv;
  return pv.empty() ? "-" : analyse::notation(pv.front(), analyse::previous_to(g, n), g.sente_top);
}

}  // namespace

Review::Review(QMainWindow& window, QDockWidget& list_dock, MoveListModel& moves,
               std::function<void(int)> show_move)
    : QObject(&window),
      window_(window),
      moves_(moves),
      graph_(new EvalGraph(std::move(show_move))),
      live_line_(new QLabel),
      summary_(new QLabel),
      progress_(new QProgressBar),
      cancel_button_(new QPushButton(tr("キャンセル"))) {
  live_line_->setObjectName("live_analysis");
  live_line_->setWordWrap(true);
  live_line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  live_line_->hide();
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(graph_, 1);
  layout->addWidget(live_line_);
  auto* dock = new QDockWidget(tr("評価値"), &window);
  dock->setObjectName("eval_graph_dock");
  dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  dock->setWidget(box);
  window.addDockWidget(Qt::RightDockWidgetArea, dock);
  window.splitDockWidget(&list_dock, dock, Qt::Vertical);

  summary_->setObjectName("analysis_summary");
  progress_->setObjectName("analysis_progress");
  progress_->setFormat(tr("解析 %v/%m"));
  progress_->setMaximumWidth(220);
  cancel_button_->setObjectName("analysis_cancel");
  connect(cancel_button_, &QPushButton::clicked, this, [this] {
    cancel();
    notice(tr("解析を中止しました"));
  });
  for (QWidget* w : {static_cast<QWidget*>(summary_), static_cast<QWidget*>(progress_),
                     static_cast<QWidget*>(cancel_button_)}) {
    window.statusBar()->addPermanentWidget(w);
    w->hide();
  }
}

void Review::notice(const QString& text) {
  window_.statusBar()->showMessage(text, kNoticeMilliseconds);
}

void Review::start(const Game& g, bool game_busy) {
  if (game_busy) {
    notice(tr("コンピュータの思考中は解析できません"));
    return;
  }
  auto game = std::make_shared<const analyse::GameMoves>(analyse::game_moves(g));
  if (game->moves.empty()) {
    notice(tr("解析する指し手がありません"));
    return;
  }
  const Rules rules = g.rules;
  progress_->setRange(0, int(game->moves.size()) + 1);
  progress_->setValue(0);
  progress_->show();
  cancel_button_->show();
  job_.start([this, game, rules](const std::atomic<bool>& stop, const BackgroundJob::Post& post) {
    analyse::Watch watch{
        &stop, [this, &post](int done, int) { post([this, done] { progress_->setValue(done); }); }};
    analyse::Analysed a = analyse::analyse(*game, rules, {kReviewNodes, 0}, watch);
    if (a.cancelled) return;
    post([this, game, a = std::move(a)]() mutable { finished(*game, std::move(a)); });
  });
}

void Review::cancel() {
  job_.cancel();
  progress_->hide();
  cancel_button_->hide();
}

void Review::finished(const analyse::GameMoves& game, analyse::Analysed a) {
  progress_->hide();
  cancel_button_->hide();
  if (!a.error.empty()) {
    notice(tr("この棋譜は解析できません"));
    return;
  }
  show_verdict(false);
  game_ = game;
  analysis_ = std::move(a.analysis);
  const analyse::MarkCount sente = analyse::mark_count(game, analysis_, true);
  const analyse::MarkCount gote = analyse::mark_count(game, analysis_, false);
  summary_->setText(tr("▲先手 悪手%1 疑問手%2　△後手 悪手%3 疑問手%4")
                        .arg(sente.blunders)
                        .arg(sente.dubious)
                        .arg(gote.blunders)
                        .arg(gote.dubious));
  show_verdict(analyse::same_game(game, record_));
}

void Review::show_verdict(bool on) {
  if (on == shown_) return;
  shown_ = on;
  summary_->setVisible(on);
  if (!on) {
    graph_->set_scores({});
    moves_.set_verdicts({});
    return;
  }
  const analyse::GameMoves& g = *game_;
  std::vector<int> scores;
  for (const analyse::PositionVerdict& p : analysis_.positions)
    scores.push_back(analyse::sente_score(p, g.sente_top));
  graph_->set_scores(std::move(scores));
  std::vector<MoveListModel::Verdict> verdicts;
  for (std::size_t n = 1; n <= g.moves.size(); ++n) {
    const analyse::MoveVerdict& v = analysis_.moves[n - 1];
    const QString word = v.mark == analyse::Mark::blunder   ? tr("悪手")
                         : v.mark == analyse::Mark::dubious ? tr("疑問手")
                                                            : QString();
    const QString best =
        tr("最善 %1　損 %2").arg(from_utf8(best_before(g, analysis_, n))).arg(v.loss);
    verdicts.push_back({v.mark, word.isEmpty() ? best : word + QStringLiteral("　") + best});
  }
  moves_.set_verdicts(std::move(verdicts));
}

void Review::refresh(const Game& g, bool game_busy) {
  if (game_busy && running()) {
    cancel();
    notice(tr("解析を中止しました"));
  }
  const analyse::GameMoves now = analyse::game_moves(g);
  record_ = now;
  show_verdict(game_ && analyse::same_game(*game_, now));
  graph_->set_shown(g.record.current_move());
  const bool live = live_ && !game_busy && g.record_mode == OK;
  if (!live) stop_live();
  else if (!live_game_ || !analyse::same_game(*live_game_, now) ||
           live_move_ != g.record.current_move())
    start_live(now, g.rules, g.record.current_move());
}

bool Review::switch_live() {
  live_ = !live_;
  if (!live_) stop_live();
  return live_;
}

void Review::stop_live() {
  live_job_.cancel();
  live_game_.reset();
  live_move_ = -1;
  live_line_->hide();
}

void Review::start_live(const analyse::GameMoves& game, Rules rules, int n) {
  live_game_ = game;
  live_move_ = n;
  const std::optional<analyse::Standing> standing = analyse::standing_after(game, rules, n);
  if (!standing) {
    stop_live();
    return;
  }
  live_line_->setText(tr("検討中…"));
  live_line_->show();
  const bool sente_top = game.sente_top;
  const Square previous = n >= 1 ? game.moves[std::size_t(n - 1)].to : Square{};
  live_job_.start([this, s = *standing, sente_top, previous](const std::atomic<bool>& stop,
                                                             const BackgroundJob::Post& post) {
    engine::Search search;
    engine::Limits limits;
    limits.seconds = kLiveSeconds;
    limits.stop = &stop;
    search.think(s.pos, limits, s.history, [&](const engine::Result& r) {
      const analyse::PositionVerdict v = analyse::verdict_of(s.pos, r);
      const QString text =
          tr("深さ %1　評価値 %2\n%3")
              .arg(r.depth)
              .arg(from_utf8(analyse::score_text(analyse::sente_score(v, sente_top))))
              .arg(joined(analyse::line_notation(v.pv, previous, sente_top)));
      post([this, text] { live_line_->setText(text); });
    });
  });
}

std::vector<std::string> Review::kif_comments(const Game& g) const {
  if (!game_ || !analyse::same_game(*game_, analyse::game_moves(g))) return {};
  return analyse::kif_comments(*game_, analysis_);
}

}  // namespace hakuro
