// The record panel's visibility: the drive, directory and file lists, and the text boxes with
// their labels and button.
#pragma once

#include "control/form.h"

namespace hakuro {

void 描画_可視(Form& f, bool drive, bool dir, bool file);
// Mode 0 shows the text boxes, labels and button; any other mode empties the boxes and hides them.
void 描画_棋譜_IO(Form& f, int mode);
// Opening a menu hides the whole panel.
void hide_record_panel(Form& f);

}  // namespace hakuro
