// Menu items by name, for the front ends.
#pragma once

#include "control/commands.h"
#include "form/form.h"

namespace hakuro {

// A menu item's click, or the opening of a menu with items of its own; `command` is an entry
// of commands().
void menu_click(Form& f, const Command& command);

// Opening the 局面 (position) and ｵﾌﾟｼｮﾝ (options) menus hides the record panel.
void on_position_menu(Form& f);  // STOP_Click
void on_options_menu(Form& f);   // OPTION_Click

}  // namespace hakuro
