// Start-up, the match menu, the strength levels and the end of the program.
#pragma once

#include "form/form.h"

namespace hakuro {

// The window opens: sounds, constants, settings, the starting position.
void Form_Load(Form& f);
// 初期設定 "initial setting": a new game's starting position, redrawn.
void 初期設定(Form& f);

// 対局 (match) menu: スタート (two people), 先手 / 後手 (against the computer, moving first or
// second), the menu's opening.
void START_Click(Form& f);
void SENTE_Click(Form& f);
void GOTE_Click(Form& f);
void TAIKYOKU_Click(Form& f);
// COM対局ﾚﾍﾞﾙ (computer's level) items. Levels 1 to 3 judge each move once; 4 and 5 search
// ahead with the engine, about 0.1 s and 0.5 s a move.
void LEVEL1_Click(Form& f);
void LEVEL2_Click(Form& f);
void LEVEL3_Click(Form& f);
void LEVEL4_Click(Form& f);
void LEVEL5_Click(Form& f);
// レベル_設定 "set the level": the check mark, the field and, against the computer, the display.
void レベル_設定(Form& f, int n);

// The program's ends: 終わり (the menu item), closing the window, Esc.
void OWARI_Click(Form& f);
void Form_Unload(Form& f);
void Form_KeyPress(Form& f, int key);
// 終了処理 "end processing": releases the sounds and ends the program; the event that called it
// does nothing more, and no event runs after it.
void 終了処理(Form& f);

}  // namespace hakuro
