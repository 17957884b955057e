// Start-up, the match menu, the strength levels and the end of the program.
#pragma once

#include "form/form.h"

namespace hakuro {

// The window opens: sounds, constants, settings, the starting position.
void on_load(Form& f);  // Form_Load
// 初期設定 "initial setting": a new game's starting position, redrawn.
void initial_setup(Form& f);

// 対局 (match) menu: スタート (two people), 先手 / 後手 (against the computer, moving first or
// second), the menu's opening.
void on_start(Form& f);       // START_Click
void on_sente(Form& f);       // SENTE_Click
void on_gote(Form& f);        // GOTE_Click
void on_match_menu(Form& f);  // TAIKYOKU_Click
// A game the person watches: the computer at its level (or engine) plays the top player, moving
// first, and `bottom_level` (or the bottom engine) the bottom one.
void on_watch(Form& f);
// COM対局ﾚﾍﾞﾙ (computer's level) items. Levels 1 to 3 judge each move once; 4 and 5 search
// ahead with the engine, about 0.1 s and 0.5 s a move.
void on_level1(Form& f);  // LEVEL1_Click
void on_level2(Form& f);  // LEVEL2_Click
void on_level3(Form& f);  // LEVEL3_Click
void on_level4(Form& f);  // LEVEL4_Click
void on_level5(Form& f);  // LEVEL5_Click
// レベル_設定 "set the level": the check mark, the field and, against the computer, the display.
void set_level(Form& f, int n);

// The program's ends: 終わり (the menu item), closing the window, Esc.
void on_quit(Form& f);                // OWARI_Click
void on_unload(Form& f);              // Form_Unload
void on_key_press(Form& f, int key);  // Form_KeyPress
// 終了処理 "end processing": releases the sounds and ends the program; the event that called it
// does nothing more, and no event runs after it.
void end_program(Form& f);

}  // namespace hakuro
