// The human's mouse input (first part: the refusals before any move is made).
#include "control/events.h"
#include "options/sound.h"
#include "record/panel.h"

namespace hakuro {

void Form_MouseDown(Form& f, int, int, double, double) {
  hide_record_panel(f);
  if (f.g.teban == TEBAN_NASI) {
    play(f, f.snd_kinshi);
    msg_ok(f, "「対局」で始めて下さい", "開始");
  }
}

}  // namespace hakuro
