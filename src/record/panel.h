// The record panel's visibility: the drive, directory and file lists, and the text boxes with
// their labels and button.
#pragma once

#include "platform/ports.h"

namespace hakuro {

// 描画_可視 "draw visible": shows or hides the drive, directory and file lists.
void show_record_lists(Window& w, bool drive, bool dir, bool file);
// 描画_棋譜_IO "draw record input/output": mode 0 shows the text boxes, labels and button; any
// other mode empties the boxes and hides them.
void show_record_boxes(Window& w, int mode);
// Opening a menu hides the whole panel.
void hide_record_panel(Window& w);

}  // namespace hakuro
