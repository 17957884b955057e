// The settings file and the option menus: background, move guidance, elapsed time, music.
#pragma once

#include <string>

#include "form/form.h"

namespace hakuro {

// 読込_環境設定ファイル "read the settings file": applies its four lines; a missing or short
// file is written anew with the defaults, which then apply.
void read_settings(Form& f);
// 書込_環境設定ファイル "write the settings file": the four options as they stand.
void write_settings(Form& f);
// チェック設定 "set the check": the background option `id` chosen (none for an id that names no
// background), its item checked and the other four unchecked.
void set_background_option(Form& f, int id);
// The menu's check marks of the ten option items, set from the options.
void show_option_checks(Form& f);
// Sets the option behind a menu item, as a choice made before would have left it: its check
// mark follows, and nothing is drawn, sounded or written. False when the item is no option.
bool set_option(Form& f, const std::string& item, bool on);

// Background items: MIDORI (green), TATAMI (straw mat), TAKE (bamboo), UCHU (space), RENGA
// (brick). Each is checked, written to the settings file and the window redrawn.
void on_green(Form& f);   // MIDORI_Click
void on_tatami(Form& f);  // TATAMI_Click
void on_bamboo(Form& f);  // TAKE_Click
void on_space(Form& f);   // UCHU_Click
void on_brick(Form& f);   // RENGA_Click
// SIDOU (guidance): move guidance on or off; BGM: the music on or off; VER (version): the
// version box.
void on_guidance(Form& f);  // SIDOU_Click
void on_music(Form& f);     // BGM_Click
void on_version(Form& f);   // VER_Click
// ZAHYO (座標を先手から見る): the squares beside the board named from 先手's side or from the
// bottom player's; the labels and the last moves are drawn again where that changes them. It is
// not written to the settings file.
void on_coordinates_from_sente(Form& f);  // ZAHYO_Click

}  // namespace hakuro
