#include "qt/usi_engine_dialog.h"

#include <cmath>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "qt/language/core_texts.h"
#include "qt/usi_engines.h"

namespace hakuro {

namespace {

void show_spin(QSpinBox* box, const std::optional<usi::EngineEntry::Spin>& spin) {
  box->setEnabled(spin.has_value());
  if (!spin) {
    box->setRange(0, 0);
    box->setSpecialValueText(QStringLiteral("-"));
    return;
  }
  box->setSpecialValueText({});
  box->setRange(spin->min, spin->max);
  box->setValue(spin->value);
}

}  // namespace

UsiEngineDialog::UsiEngineDialog(QWidget* parent)
    : QDialog(parent),
      engines_(kept_engines()),
      list_(new QListWidget(this)),
      remove_(new QPushButton(tr("削除"), this)),
      hash_(new QSpinBox(this)),
      threads_(new QSpinBox(this)),
      seconds_(new QDoubleSpinBox(this)) {
  setWindowTitle(tr("USIエンジンの設定"));
  auto* add = new QPushButton(tr("追加…"), this);
  add->setObjectName("add");
  remove_->setObjectName("remove");
  hash_->setObjectName("hash");
  threads_->setObjectName("threads");
  seconds_->setObjectName("seconds");
  seconds_->setDecimals(1);
  seconds_->setRange(0.1, 3600);
  seconds_->setSingleStep(0.5);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(add);
  buttons->addWidget(remove_);
  buttons->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(list_);
  top->addLayout(buttons);
  auto* form = new QFormLayout;
  form->addRow(tr("ハッシュ(MB)"), hash_);
  form->addRow(tr("スレッド数"), threads_);
  form->addRow(tr("1手の時間(秒)"), seconds_);
  auto* close = new QDialogButtonBox(this);
  close->addButton(tr("閉じる"), QDialogButtonBox::RejectRole);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(form);
  layout->addWidget(close);

  for (const usi::EngineEntry& e : engines_) list_->addItem(QString::fromStdString(e.name));
  connect(add, &QPushButton::clicked, this, &UsiEngineDialog::add_chosen);
  connect(remove_, &QPushButton::clicked, this, &UsiEngineDialog::remove_selected);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::currentRowChanged, this, &UsiEngineDialog::show_selected);
  for (QSpinBox* box : {hash_, threads_})
    connect(box, &QSpinBox::valueChanged, this, &UsiEngineDialog::take_values);
  connect(seconds_, &QDoubleSpinBox::valueChanged, this, &UsiEngineDialog::take_values);
  list_->setCurrentRow(engines_.empty() ? -1 : 0);
  show_selected();
}

usi::EngineEntry* UsiEngineDialog::selected() {
  const int row = list_->currentRow();
  return row >= 0 && row < static_cast<int>(engines_.size())
             ? &engines_[static_cast<std::size_t>(row)]
             : nullptr;
}

void UsiEngineDialog::show_selected() {
  const usi::EngineEntry* e = selected();
  showing_ = true;
  remove_->setEnabled(e != nullptr);
  seconds_->setEnabled(e != nullptr);
  show_spin(hash_, e ? e->hash_mb : std::nullopt);
  show_spin(threads_, e ? e->threads : std::nullopt);
  if (e) seconds_->setValue(e->byoyomi_ms / 1000.0);
  showing_ = false;
}

void UsiEngineDialog::take_values() {
  usi::EngineEntry* e = selected();
  if (showing_ || !e) return;
  if (e->hash_mb) e->hash_mb->value = hash_->value();
  if (e->threads) e->threads->value = threads_->value();
  e->byoyomi_ms = static_cast<int>(std::lround(seconds_->value() * 1000));
  keep_engines(engines_);
}

bool UsiEngineDialog::add_engine(const QString& path) {
  usi::EngineEntry entry;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const usi::Error error = usi::probe_engine(path.toStdString(), entry);
  QApplication::restoreOverrideCursor();
  if (error) {
    show_error(core_text(error.message));
    return false;
  }
  engines_.push_back(entry);
  keep_engines(engines_);
  list_->addItem(QString::fromStdString(entry.name));
  list_->setCurrentRow(list_->count() - 1);
  return true;
}

void UsiEngineDialog::remove_selected() {
  const int row = list_->currentRow();
  if (!selected()) return;
  engines_.erase(engines_.begin() + row);
  keep_engines(engines_);
  delete list_->takeItem(row);
  show_selected();
}

void UsiEngineDialog::add_chosen() {
  const QString path = choose_program();
  if (!path.isEmpty()) add_engine(path);
}

QString UsiEngineDialog::choose_program() {
  return QFileDialog::getOpenFileName(this, tr("USIエンジンを選ぶ"));
}

void UsiEngineDialog::show_error(const QString& text) {
  QMessageBox::warning(this, tr("USIエンジンの設定"), text);
}

}  // namespace hakuro
