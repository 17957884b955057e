// The record's commands: 戻 (one move back), 進 (one forward), 局面 → 最初 (the start) and 反転
// (turn the board round), and the record panel of 棋譜 → 読込 / 書込 with its controls.
#pragma once

#include <string>

#include "form/form.h"

namespace hakuro {

void on_back(Form& f);        // REPLAY_Click: 戻 "back"
void on_forward(Form& f);     // AFTER_Click: 進 "forward"
void on_to_start(Form& f);    // CANCEL_Click: 最初 "the start"
void on_turn_round(Form& f);  // REVERSE_Click: 反転 "turn round"

// 棋譜 → 読込 (load) shows the three lists; 書込 (save) the drive and directory lists with the
// text boxes and the RETURN button.
void on_record_load(Form& f);  // KIFU_READ_Click
void on_record_save(Form& f);  // KIFU_WRITE_Click

// The panel's controls: a drive chosen in Drive1 (its root folder), a folder chosen in Dir1, a
// file name clicked in File1 (loads it), the RETURN button Command1 (saves).
void on_drive_chosen(Form& f, const std::string& path);   // Drive1_Change
void on_folder_chosen(Form& f, const std::string& path);  // Dir1_Change
void on_file_clicked(Form& f, const std::string& name);   // File1_Click
void on_return(Form& f);                                  // Command1_Click

// A record just loaded is shown: " 読み込みました" (a passing notice when `passing`, else a
// box), then "棋譜を '進 'で進めて下さい"; the side that makes move 1 is to move (the top player
// as the computer, as in its games).
void enter_record_mode(Form& f, bool passing = false);

}  // namespace hakuro
