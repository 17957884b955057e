#include "record/panel.h"

namespace hakuro {

void 描画_可視(Form& f, bool drive, bool dir, bool file) { f.win.show_lists(drive, dir, file); }

void 描画_棋譜_IO(Form& f, int mode) {
  if (mode == 0) {
    f.win.show_record_io(true);
    return;
  }
  for (int n = 1; n <= 4; ++n) f.win.set_text_box(n, "");
  f.win.show_record_io(false);
}

void hide_record_panel(Form& f) {
  描画_可視(f, false, false, false);
  描画_棋譜_IO(f, 1);
}

}  // namespace hakuro
