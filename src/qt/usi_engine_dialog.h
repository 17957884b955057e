// ｵﾌﾟｼｮﾝ → USIエンジンの設定…: the player's other engines, added by their program, removed, and
// for the one selected its hash, threads and time per move. Every change is kept at once.
#pragma once

#include <vector>

#include <QDialog>

#include "usi/engine_entry.h"

class QDoubleSpinBox;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace hakuro {

class UsiEngineDialog : public QDialog {
  Q_OBJECT

 public:
  explicit UsiEngineDialog(QWidget* parent = nullptr);

  const std::vector<usi::EngineEntry>& engines() const { return engines_; }
  QListWidget* list() const { return list_; }
  // Starts the program at `path` and adds it by the name it gives; an error box and false when
  // it does not answer as a USI engine.
  bool add_engine(const QString& path);
  // Removes the engine selected, if any.
  void remove_selected();

 protected:
  // The desktop's file dialog for the engine's program: its path, empty for Cancel.
  virtual QString choose_program();
  virtual void show_error(const QString& text);

 private:
  void add_chosen();
  // The spin boxes made the selected engine's.
  void show_selected();
  // The spin boxes' values given to the selected engine.
  void take_values();
  usi::EngineEntry* selected();

  std::vector<usi::EngineEntry> engines_;
  QListWidget* list_;
  QPushButton* remove_;
  QSpinBox* hash_;
  QSpinBox* threads_;
  QDoubleSpinBox* seconds_;
  bool showing_ = false;  // the spin boxes are being filled, not changed by the player
};

}  // namespace hakuro
