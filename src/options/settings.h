// The settings file and the option menus: background, move guidance, elapsed time, music.
#pragma once

#include <string>

#include "form/form.h"

namespace hakuro {

// 読込_環境設定ファイル "read the settings file": applies its four lines; a missing or short
// file is written anew with the defaults, which then apply.
void 読込_環境設定ファイル(Form& f);
// 書込_環境設定ファイル "write the settings file": the four options as they stand.
void 書込_環境設定ファイル(Form& f);
// チェック設定 "set the check": the background option `id` chosen (none for an id that names no
// background), its item checked and the other four unchecked.
void チェック設定(Form& f, int id);
// The menu's check marks of the nine option items, set from the options.
void show_option_checks(Form& f);
// Sets the option behind a menu item, as a choice made before would have left it: its check
// mark follows, and nothing is drawn, sounded or written. False when the item is no option.
bool set_option(Form& f, const std::string& item, bool on);

// Background items: MIDORI (green), TATAMI (straw mat), TAKE (bamboo), UCHU (space), RENGA
// (brick). Each is checked, written to the settings file and the window redrawn.
void MIDORI_Click(Form& f);
void TATAMI_Click(Form& f);
void TAKE_Click(Form& f);
void UCHU_Click(Form& f);
void RENGA_Click(Form& f);
// SIDOU (guidance): move guidance on or off; BGM: the music on or off; VER (version): the
// version box.
void SIDOU_Click(Form& f);
void BGM_Click(Form& f);
void VER_Click(Form& f);
// ZAHYO (座標を先手から見る): the squares beside the board named from 先手's side or from the
// bottom player's; the labels and the last moves are drawn again where that changes them. It is
// not written to the settings file.
void ZAHYO_Click(Form& f);

}  // namespace hakuro
