#include "form/form.h"

namespace hakuro {

Thinker& in_place_thinker() {
  static InPlaceThinker thinker;
  return thinker;
}

void set_timer1(Form& f, bool on) {
  f.timer1 = on;
  f.win.set_timer(on);
}

void msg_ok(Form& f, const std::string& text, const std::string& title) {
  f.win.message_box(text, title, Buttons::Ok);
}

bool msg_yes(Form& f, const std::string& text, const std::string& title) {
  return f.win.message_box(text, title, Buttons::YesNo) == Answer::Yes;
}

}  // namespace hakuro
