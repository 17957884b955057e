#include "control/menu.h"

#include "control/computer_turn.h"
#include "control/thinking.h"
#include "display/draw.h"
#include "record/panel.h"

namespace hakuro {

void on_position_menu(Form& f) { hide_record_panel(f.win); }
void on_options_menu(Form& f) { hide_record_panel(f.win); }

void menu_click(Form& f, const Command& command) {
  const Command* c = &command;
  if (c->waits() && wait_for_search(f, [&f, c] { menu_click(f, *c); })) return;
  c->handler(f);
  // A command may have changed who is 先手 (a game begun, a handicap set).
  keep_labels_current(f);
  // An option may have redrawn the window while the computer thinks.
  if (computer_thinking(f)) show_thinking(f);
}

}  // namespace hakuro
