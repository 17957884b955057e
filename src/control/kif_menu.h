// Games and positions that travel: 棋譜 → KIF形式で書出… / KIF形式を読込… (KIF files through the
// desktop's file dialog) and 局面 → 局面をコピー(SFEN) / 局面を貼付(SFEN) (the clipboard).
#pragma once

#include "form/form.h"

namespace hakuro {

// KIF_WRITE: the whole record, every move held, saved as the KIF file named in the dialog.
void on_kif_write(Form& f);  // KIF_WRITE_Click
// KIF_READ: the KIF file chosen in the dialog loaded into the record and shown in record mode,
// from the file's start; a file that does not fit changes nothing. Refused while a game runs.
void on_kif_read(Form& f);  // KIF_READ_Click
// SFEN_COPY: the position shown put on the clipboard.
void on_sfen_copy(Form& f);  // SFEN_COPY_Click
// SFEN_PASTE: the clipboard's position set up to start a game from, as a handicap is; refused
// while a game runs or a record is shown.
void on_sfen_paste(Form& f);  // SFEN_PASTE_Click

}  // namespace hakuro
