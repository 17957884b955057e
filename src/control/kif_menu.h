// Games and positions that travel: 棋譜 → KIF形式で書出… / KIF形式を読込… (KIF files through the
// desktop's file dialog) and 局面 → 局面をコピー(SFEN) / 局面を貼付(SFEN) (the clipboard).
#pragma once

#include "form/form.h"

namespace hakuro {

// KIF_WRITE: the whole record, every move held, saved as the KIF file named in the dialog.
void KIF_WRITE_Click(Form& f);
// KIF_READ: the KIF file chosen in the dialog loaded into the record and shown in record mode,
// from the file's start; a file that does not fit changes nothing. Refused while a game runs.
void KIF_READ_Click(Form& f);
// SFEN_COPY: the position shown put on the clipboard.
void SFEN_COPY_Click(Form& f);
// SFEN_PASTE: the clipboard's position set up to start a game from, as a handicap is; refused
// while a game runs or a record is shown.
void SFEN_PASTE_Click(Form& f);

}  // namespace hakuro
