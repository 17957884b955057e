// The record's commands: 戻 (one move back), 進 (one forward), 局面 → 最初 (the start) and 反転
// (turn the board round), and the record panel of 棋譜 → 読込 / 書込 with its controls.
#pragma once

#include <string>

#include "form/form.h"

namespace hakuro {

void REPLAY_Click(Form& f);   // 戻 "back"
void AFTER_Click(Form& f);    // 進 "forward"
void CANCEL_Click(Form& f);   // 最初 "the start"
void REVERSE_Click(Form& f);  // 反転 "turn round"

// 棋譜 → 読込 (load) shows the three lists; 書込 (save) the drive and directory lists with the
// text boxes and the RETURN button.
void KIFU_READ_Click(Form& f);
void KIFU_WRITE_Click(Form& f);

// The panel's controls: a drive chosen in Drive1 (its root folder), a folder chosen in Dir1, a
// file name clicked in File1 (loads it), the RETURN button Command1 (saves).
void Drive1_Change(Form& f, const std::string& path);
void Dir1_Change(Form& f, const std::string& path);
void File1_Click(Form& f, const std::string& name);
void Command1_Click(Form& f);

// A record just loaded is shown: " 読み込みました" (a passing notice when `passing`, else a
// box), then "棋譜を '進 'で進めて下さい"; the side that makes move 1 is to move (the top player
// as the computer, as in its games).
void enter_record_mode(Form& f, bool passing = false);

}  // namespace hakuro
