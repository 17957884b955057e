// One move of either player, played the same way whoever makes it, and the end of a game.
#pragma once

#include <functional>
#include <string>

#include "form/form.h"

namespace hakuro {

// What became of a move, or of a turn, told to its callers up the move path: it was played and
// the game goes on; the game ended and a new one has been set up; the program ended; the
// computer is thinking, and its move is played when its search ends. The callers stop on the
// last three.
enum class Outcome { played, restarted, ended, thinking };

// A move accepted by the rules.
struct Move {
  int from_x, from_y;   // a square, or a hand column with the row the board change takes
  int to_x, to_y;
  int piece;            // the code before the move
  int placed;           // the code on the destination after it (promoted when it promotes)
  int recorded_from_y;  // the source row the record keeps: the picked row of a top-hand drop
};

// 駒移動 "move a piece": makes the move on the board and draws it.
void move_piece(Form& f, int from_x, int from_y, int to_x, int to_y, int piece);

// Plays a move in the order every move is played: recorded with both players' time totals,
// counted and numbered, then `before_board_change` (the human's input clears its highlight
// there), made on the board and drawn, and sounded. Returns what stood on the destination.
int play_move(Form& f, const Move& m, const std::function<void()>& before_board_change = {});

// After the human's move: against the computer the end of the game or the computer's reply;
// between two people the end of the game or the turn passing. `captured` is what the move took.
Outcome after_human_move(Form& f, int captured);

// A king has been taken: the game is decided, and nothing more is played in it.
bool king_taken(const Game& g);
// The refusal of a move, or of the computer's turn, in a decided game.
void refuse_decided_game(Form& f);

// The game ends: how, and who won (`name` as end_game announces it), is kept with the record;
// then end_game.
Outcome decided(Form& f, EndReason why, bool top_won, const std::string& name);

// 終了 "end": announces the winner and offers a new game: restarted on Yes; No ends the
// program.
Outcome end_game(Form& f, const std::string& name);

}  // namespace hakuro
