#include "record/panel.h"

namespace hakuro {

void show_record_lists(Window& w, bool drive, bool dir, bool file) {
  w.show_lists(drive, dir, file);
}

void show_record_boxes(Window& w, int mode) {
  if (mode == 0) {
    w.show_record_io(true);
    return;
  }
  for (int n = 1; n <= 4; ++n) w.set_text_box(n, "");
  w.show_record_io(false);
}

void hide_record_panel(Window& w) {
  show_record_lists(w, false, false, false);
  show_record_boxes(w, 1);
}

}  // namespace hakuro
