// The window's events and the game-control procedures behind the match menu.
#pragma once

#include <string>

#include "control/form.h"

namespace hakuro {

void Form_Load(Form& f);
void 初期設定(Form& f);
void Form_MouseDown(Form& f, int button, int shift, double X, double Y);
// Outlines in `colour` every square the piece may reach (with move guidance on).
void 描画_移動可能桝色(Form& f, int from_x, int from_y, int colour, int piece);
void Form_KeyPress(Form& f, int key);
void Form_Unload(Form& f);
void Timer1_Timer(Form& f);

void START_Click(Form& f);
void SENTE_Click(Form& f);
void GOTE_Click(Form& f);
void TAIKYOKU_Click(Form& f);
void LEVEL1_Click(Form& f);
void LEVEL2_Click(Form& f);
void LEVEL3_Click(Form& f);
void OWARI_Click(Form& f);

void レベル_設定(Form& f, int n);
void 描画_レベル(Form& f, int level);
[[noreturn]] void 終了処理(Form& f);

// A menu item's click (or the opening of a menu with children), by item name; false when the
// name is no item of the menu bar.
bool menu_click(Form& f, const std::string& name);

}  // namespace hakuro
