// Menu items by name, for the front ends.
#pragma once

#include <string>

#include "form/form.h"

namespace hakuro {

// A menu item's click (or the opening of a menu with children), by item name; false when the
// name is no item of the menu bar.
bool menu_click(Form& f, const std::string& name);

// Opening the 局面 (position) and ｵﾌﾟｼｮﾝ (options) menus hides the record panel.
void on_position_menu(Form& f);  // STOP_Click
void on_options_menu(Form& f);   // OPTION_Click

}  // namespace hakuro
