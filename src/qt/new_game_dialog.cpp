#include "qt/new_game_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "control/usi_opponent.h"
#include "qt/window_settings.h"

namespace hakuro {

namespace {

const QString kGroup = QStringLiteral("new_game/");

QComboBox* player_box(QWidget* parent, const char* name,
                      const std::vector<usi::EngineEntry>& engines) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  box->addItem(NewGameDialog::tr("人間"), QStringLiteral("man"));
  for (int level = 1; level <= 5; ++level)
    box->addItem(QStringLiteral("LEVEL%1").arg(level), QStringLiteral("level%1").arg(level));
  for (const usi::EngineEntry& e : engines)
    box->addItem(QString::fromStdString(usi_caption(e)), QString::fromStdString("usi:" + e.path));
  return box;
}

bool plays_engine(const QComboBox* box) { return box->currentData().toString().startsWith("usi:"); }

void choose(QComboBox* box, const std::string& data) {
  const int i = box->findData(QString::fromStdString(data));
  if (i >= 0) box->setCurrentIndex(i);
}

std::string chosen(const QComboBox* box) { return box->currentData().toString().toStdString(); }

NewGameDialog::TimeKind kind_of(const NewGameChoice& c) {
  if (c.byoyomi > 0) return NewGameDialog::byoyomi;
  if (c.increment > 0) return NewGameDialog::increment;
  if (c.main > 0) return NewGameDialog::sudden_death;
  return NewGameDialog::no_time;
}

}  // namespace

NewGameChoice kept_new_game() {
  const auto s = window_settings_store();
  NewGameChoice c;
  c.sente = s->value(kGroup + "sente", QString::fromStdString(c.sente)).toString().toStdString();
  c.gote = s->value(kGroup + "gote", QString::fromStdString(c.gote)).toString().toStdString();
  c.standard_rules = s->value(kGroup + "standard_rules", false).toBool();
  c.handicap = std::clamp(s->value(kGroup + "handicap", 0).toInt(), -10, 10);
  c.main = std::max(0, s->value(kGroup + "main", 0).toInt());
  c.byoyomi = std::max(0, s->value(kGroup + "byoyomi", 0).toInt());
  c.increment = std::max(0, s->value(kGroup + "increment", 0).toInt());
  return c;
}

void keep_new_game(const NewGameChoice& c) {
  const auto s = window_settings_store();
  s->setValue(kGroup + "sente", QString::fromStdString(c.sente));
  s->setValue(kGroup + "gote", QString::fromStdString(c.gote));
  s->setValue(kGroup + "standard_rules", c.standard_rules);
  s->setValue(kGroup + "handicap", c.handicap);
  s->setValue(kGroup + "main", c.main);
  s->setValue(kGroup + "byoyomi", c.byoyomi);
  s->setValue(kGroup + "increment", c.increment);
}

NewGameDialog::NewGameDialog(QWidget* parent, const std::vector<usi::EngineEntry>& engines)
    : QDialog(parent),
      sente_(player_box(this, "sente", engines)),
      gote_(player_box(this, "gote", engines)),
      rules_(new QComboBox(this)),
      handicap_(new QSpinBox(this)),
      time_kind_(new QComboBox(this)),
      main_(new QTimeEdit(this)),
      seconds_label_(new QLabel(this)),
      seconds_(new QSpinBox(this)),
      refusal_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
  setWindowTitle(tr("新規対局"));
  rules_->setObjectName("rules");
  rules_->addItem(tr("このプログラムの将棋（自分の駒も取れる）"));
  rules_->addItem(tr("本将棋"));
  handicap_->setObjectName("handicap");
  handicap_->setRange(-10, 10);
  handicap_->setToolTip(tr("＋は盤の上側の駒を、−は下側の駒を落とします（△ ▽ と同じ）"));
  time_kind_->setObjectName("time_kind");
  time_kind_->addItems({tr("なし（経過時間を数える）"), tr("持ち時間＋秒読み"),
                        tr("持ち時間＋1手ごとの加算"), tr("切れ負け（持ち時間のみ）")});
  main_->setObjectName("main");
  main_->setDisplayFormat(QStringLiteral("H:mm"));
  main_->setMaximumTime(QTime(9, 59));
  seconds_->setObjectName("seconds");
  seconds_->setRange(0, 600);
  seconds_->setSuffix(tr(" 秒"));
  refusal_->setObjectName("refusal");

  auto* form = new QFormLayout;
  form->addRow(tr("先手"), sente_);
  form->addRow(tr("後手"), gote_);
  form->addRow(tr("ルール"), rules_);
  form->addRow(tr("ハンディキャップ"), handicap_);
  form->addRow(tr("持ち時間の方式"), time_kind_);
  form->addRow(tr("持ち時間"), main_);
  form->addRow(seconds_label_, seconds_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(refusal_);
  layout->addWidget(buttons_);

  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QComboBox* box : {sente_, gote_, rules_, time_kind_})
    connect(box, &QComboBox::currentIndexChanged, this, &NewGameDialog::update);
  connect(main_, &QTimeEdit::timeChanged, this, &NewGameDialog::update);
  connect(seconds_, &QSpinBox::valueChanged, this, &NewGameDialog::update);
  set_choice(NewGameChoice{});
}

void NewGameDialog::set_choice(const NewGameChoice& c) {
  choose(sente_, c.sente);
  choose(gote_, c.gote);
  rules_->setCurrentIndex(c.standard_rules ? 1 : 0);
  handicap_->setValue(c.handicap);
  const TimeKind kind = kind_of(c);
  time_kind_->setCurrentIndex(kind);
  main_->setTime(QTime(0, 0).addSecs(std::min(c.main, 9 * 3600 + 59 * 60)));
  seconds_->setValue(kind == byoyomi ? c.byoyomi : c.increment);
  update();
}

NewGameChoice NewGameDialog::choice() const {
  NewGameChoice c;
  c.sente = chosen(sente_);
  c.gote = chosen(gote_);
  c.standard_rules = rules_->currentIndex() == 1;
  c.handicap = handicap_->value();
  const auto kind = static_cast<TimeKind>(time_kind_->currentIndex());
  if (kind == no_time) return c;
  c.main = QTime(0, 0).secsTo(main_->time());
  if (kind == byoyomi) c.byoyomi = seconds_->value();
  if (kind == increment) c.increment = seconds_->value();
  return c;
}

QString NewGameDialog::refusal() const {
  if ((plays_engine(sente_) || plays_engine(gote_)) && rules_->currentIndex() != 1)
    return tr("USIエンジンとは本将棋で対局します");
  const NewGameChoice c = choice();
  const auto kind = static_cast<TimeKind>(time_kind_->currentIndex());
  if (kind != no_time && c.main == 0 && c.byoyomi == 0) return tr("持ち時間を決めて下さい");
  return {};
}

void NewGameDialog::update() {
  const auto kind = static_cast<TimeKind>(time_kind_->currentIndex());
  main_->setEnabled(kind != no_time);
  seconds_->setEnabled(kind == byoyomi || kind == increment);
  seconds_label_->setText(kind == increment ? tr("1手ごとの加算") : tr("秒読み"));
  const QString why = refusal();
  refusal_->setText(why);
  refusal_->setVisible(!why.isEmpty());
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(why.isEmpty());
}

}  // namespace hakuro
