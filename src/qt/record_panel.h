// The game-record panel of 棋譜 → 読込 / 書込: the drive list (Drive1), the folder list (Dir1),
// the record-file list (File1), the four text boxes (Text1..Text4) with their labels and the
// RETURN button (Command1). It lies over the board view right of the bottom side's hand, below
// the move texts, and keeps that place and the picture's scale whatever the window's size.
#pragma once

#include <array>
#include <functional>
#include <string>

#include <QFrame>
#include <QRectF>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace hakuro {

class RecordPanel : public QFrame {
  Q_OBJECT

 public:
  // What a person does with the panel; paths and names are UTF-8.
  struct Events {
    std::function<void(const std::string& path)> drive_chosen;
    std::function<void(const std::string& path)> folder_entered;
    std::function<void(const std::string& name)> file_clicked;
    std::function<void()> return_pressed;
  };

  // The panel's place on the client picture, in twips.
  static QRectF area();

  // view: the widget the client picture is scaled into; the panel lies over it.
  RecordPanel(QWidget* view, Events events);

  void show_lists(bool drive, bool dir, bool file);
  void show_record_io(bool shown);
  // Text box n (1..4); empty for any other n.
  std::string text(int n) const;
  void set_text(int n, const std::string& s);
  // The folder the lists show, as an absolute path.
  std::string directory() const;
  void set_directory(const std::string& path);
  // Reads the folder's record files afresh.
  void refresh_files();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  // Keys typed into the panel's controls are theirs, never the window's.
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void build_lists();
  void build_record_io();
  // The panel's place and font for the view's present size.
  void fit();
  // Shows or hides the whole panel after any control was shown or hidden.
  void update_shown();
  // Points Dir1 and File1 at the folder (their models are made the first time they show).
  void show_folder();
  // The folder above Dir1, its left end elided to fit.
  void elide_caption();
  void new_file_model();
  // Lists the mounted volumes afresh, the root and the home folder first.
  void fill_drives();
  // Selects the drive holding the folder, without telling the program.
  void select_drive();

  QWidget* view_;
  Events events_;
  QString folder_;
  QComboBox* drive_ = nullptr;
  QListView* dir_ = nullptr;
  QListView* file_ = nullptr;
  QFileSystemModel* dir_model_ = nullptr;
  QFileSystemModel* file_model_ = nullptr;
  QLabel* dir_caption_ = nullptr;
  std::array<QLineEdit*, 4> boxes_{};
  std::array<QLabel*, 4> labels_{};
  QPushButton* command_ = nullptr;
  QWidget* record_io_ = nullptr;
};

}  // namespace hakuro
