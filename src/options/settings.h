// The settings file and the option menus: background, move guidance, elapsed time, music.
#pragma once

#include "form/form.h"

namespace hakuro {

void 読込_環境設定ファイル(Form& f);
void 書込_環境設定ファイル(Form& f);
void チェック設定(Form& f, int id);

void MIDORI_Click(Form& f);
void TATAMI_Click(Form& f);
void TAKE_Click(Form& f);
void UCHU_Click(Form& f);
void RENGA_Click(Form& f);
void SIDOU_Click(Form& f);
void BGM_Click(Form& f);
void VER_Click(Form& f);

}  // namespace hakuro
