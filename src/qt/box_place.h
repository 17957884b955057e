// Message boxes open beside the board, never over its squares: left of it over the top player's
// move-result area, or centred on the view's left or right margin, whichever the box fits; out
// of the window beside the board when neither does.
#pragma once

#include <QMessageBox>
#include <QRect>

namespace hakuro {

class BoardView;

// The places around the board, in global coordinates.
struct BoxRoom {
  QRect board;        // the 9 x 9 squares
  QRect view;         // the board view
  QRect move_result;  // the top player's last move, left of the board
  QRect screen;       // the screen's available area
};
BoxRoom room_around(const BoardView& view);

// The top-left corner of a box of that size (its frame included).
QPoint box_position(const BoxRoom& room, QSize box);

// A message box that places itself beside the board when it is shown.
class BesideBoardBox : public QMessageBox {
  Q_OBJECT

 public:
  BesideBoardBox(QWidget* parent, const BoardView& view);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  const BoardView& view_;
};

}  // namespace hakuro
