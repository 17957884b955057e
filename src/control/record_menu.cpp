#include "control/record_menu.h"

namespace hakuro {

void REPLAY_Click(Form&) {}
void AFTER_Click(Form&) {}
void CANCEL_Click(Form&) {}
void REVERSE_Click(Form&) {}
void KIFU_READ_Click(Form&) {}
void KIFU_WRITE_Click(Form&) {}
void Drive1_Change(Form&, const std::string&) {}
void Dir1_Change(Form& f, const std::string& path) { f.win.set_panel_directory(path); }
void File1_Click(Form&, const std::string&) {}
void Command1_Click(Form&) {}

}  // namespace hakuro
