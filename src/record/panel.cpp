#include "record/panel.h"

namespace hakuro {

void 描画_可視(Window& w, bool drive, bool dir, bool file) { w.show_lists(drive, dir, file); }

void 描画_棋譜_IO(Window& w, int mode) {
  if (mode == 0) {
    w.show_record_io(true);
    return;
  }
  for (int n = 1; n <= 4; ++n) w.set_text_box(n, "");
  w.show_record_io(false);
}

void hide_record_panel(Window& w) {
  描画_可視(w, false, false, false);
  描画_棋譜_IO(w, 1);
}

}  // namespace hakuro
