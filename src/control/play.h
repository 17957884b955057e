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

// 駒移動 "move a piece": makes the move on the board and draws it.
void move_piece(Form& f, const Move& m);

// Plays a move accepted by the rules in the order every move is played: recorded with both
// players' time totals (its file line naming a drop's row as `row` says), counted and numbered,
// then `before_board_change` (the human's input clears its highlight there), made on the board
// and drawn, and sounded. Returns what stood on the destination.
int play_move(Form& f, const Move& m, DropRow row,
              const std::function<void()>& before_board_change = {});

// After the human's move: against the computer the end of the game or the computer's reply;
// between two people the end of the game or the turn passing. `captured` is what the move took.
Outcome after_human_move(Form& f, int captured);

// A game the person watches: the computer plays both players, the bottom one at `bottom_level`
// (or by its own engine).
bool watched_game(const Game& g);
// The name the winner's box gives a player: "ｺﾝﾋﾟｭｰﾀ" and "あなた" against the computer, "先手" and
// "後手" between people; in a watched game its side and who plays it ("先手(LEVEL5)").
std::string player_name(const Form& f, bool top);

// A king has been taken: the game is decided, and nothing more is played in it.
bool king_taken(const Game& g);
// The refusal of a move, or of the computer's turn, in a decided game.
void refuse_decided_game(Form& f);

// The game ends: how, and who won (`name` as end_game announces it), is kept with the record;
// then end_game.
Outcome decided(Form& f, EndReason why, bool top_won, const std::string& name);

// The game ends drawn by 千日手, which is kept with the record; `text` tells so in a box titled
// `title`, then a new game is offered.
Outcome drawn(Form& f, const std::string& text, const std::string& title);

// 終了 "end": announces the winner and offers a new game.
Outcome end_game(Form& f, const std::string& name);
// "続けますか？": restarted on Yes; No ends the program.
Outcome offer_new_game(Form& f);

}  // namespace hakuro
