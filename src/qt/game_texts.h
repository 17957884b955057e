// What the window says about the game beside the board: its title, and the status bar's account
// of whose turn it is, the record's place, the result and the handicap.
#pragma once

#include <QString>

#include "record/kif.h"
#include "state/game.h"

namespace hakuro {

// HAKURO KAISEN将棋, with 対局中 (LEVEL3), 棋譜 12/83 or 終局 after a dash.
QString window_title(const Game& g);
// ▲先手の番 — あなた, △後手の番 — コンピュータ LEVEL3, 棋譜 12/83 — …, 終局 — …の勝ち（投了）,
// the sides named as `sides` (game_sides) tells.
QString status_text(const Game& g, const KifSides& sides);
// The handicap set beside the board, and the usual handicap the start is, if any; empty
// without.
QString handicap_text(const Game& g, const KifSides& sides);

}  // namespace hakuro
