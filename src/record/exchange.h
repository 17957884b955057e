// The game held, as KIF files and SFEN see it: the record as a KIF game and back, and the
// position shown as SFEN.
#pragma once

#include <string>

#include "record/kif.h"
#include "state/game.h"

namespace hakuro {

// The names the record panel gives: the title, the player who moved first (Text3, 先手) and the
// other (Text4, 後手); empty where nothing is typed.
struct GivenNames {
  std::string title, first, second;
};

// The whole record as a KIF game: its start, every move held with its times and comments, the
// title and the names (those given, else those a loaded file gave, else the roles: あなた and the
// computer at the level it began at when the game was played against it, otherwise two people),
// the start time and the result.
KifGame kif_game_of(const Game& g, const GivenNames& given);

// The record holds the KIF game: its start, moves, comments, names, title, start time and
// result. Nothing is applied to the board.
void take_kif_game(Record& r, const KifGame& k);

// The record begins afresh at the position on the board, no moves held: the top player moves
// first when `top_first`; `move_number` is the number SFEN gives the position. 先手 is the side
// that moves first (gote_to_move cleared).
void start_record_here(Game& g, bool top_first, int move_number = 1);

// Whether KIF and SFEN call the top player 先手: before a game has begun never, afterwards when
// it moved first (for the usual handicaps, when 上手 is the bottom player) and the start did not
// name the bottom player 先手 (gote_to_move).
bool sente_is_top(const Game& g);

// The position shown, as SFEN: the side to move, the pieces in hand and the move number.
std::string sfen_shown(const Game& g);

// When a game began whose first move, made at `now`, took `seconds`.
DateTime started_before(const DateTime& now, double seconds);

}  // namespace hakuro
