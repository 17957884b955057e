// 対局 → 新規対局…: who plays 先手 and 後手 (a person, the computer at a level or an engine), the
// rules, the handicap and the time control of the next game, the last choices kept across starts.
#pragma once

#include <QDialog>

#include <vector>

#include "platform/ports.h"
#include "usi/engine_entry.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QSpinBox;
class QTimeEdit;

namespace hakuro {

// The choices kept from the last time the dialog was accepted (the first time: a person
// against LEVEL3, no time control), and keeping them.
NewGameChoice kept_new_game();
void keep_new_game(const NewGameChoice& c);

class NewGameDialog : public QDialog {
  Q_OBJECT

 public:
  // The kinds of time control, in the order the dialog lists them.
  enum TimeKind { no_time, byoyomi, increment, sudden_death };

  // The players offered: a person, the levels, and `engines` as "USI: name".
  explicit NewGameDialog(QWidget* parent = nullptr,
                         const std::vector<usi::EngineEntry>& engines = {});

  // The dialog shows c; choice() gives what it shows.
  void set_choice(const NewGameChoice& c);
  NewGameChoice choice() const;
  // Why OK cannot start a game as things stand (shown under the choices); empty when it can.
  QString refusal() const;

 private:
  // The time control's fields shown as its kind needs them, and OK allowed or not.
  void update();

  QComboBox* sente_;
  QComboBox* gote_;
  QComboBox* rules_;
  QSpinBox* handicap_;
  QComboBox* time_kind_;
  QTimeEdit* main_;
  QLabel* seconds_label_;
  QSpinBox* seconds_;
  QLabel* refusal_;
  QDialogButtonBox* buttons_;
};

}  // namespace hakuro
