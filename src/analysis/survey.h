// The influence survey: for every square, how the pieces of each player bear on it.
#pragma once

#include "state/game.h"

namespace hakuro {

// 勢力調査 "influence survey": recomputes the influence, attacker, defender and check tables
// from `ban` alone and sets the king squares of the kings found on the board.
void survey_influence(Game& g);

// 勢力確定上/下/右/左直進 "fix the influence going straight up / down / right / left": one
// straight line from the piece of `code` on (x, y), recorded for the piece's player.
void influence_line_up(Game& g, int code, int x, int y);     // 勢力確定上直進
void influence_line_down(Game& g, int code, int x, int y);   // 勢力確定下直進
void influence_line_right(Game& g, int code, int x, int y);  // 勢力確定右直進
void influence_line_left(Game& g, int code, int x, int y);   // 勢力確定左直進

// 勢力確定自金 / 敵金 "fix the influence of own / enemy gold": the gold pattern of the bottom
// player's piece of `code`, and of the top player's gold family (records KIN).
void influence_bottom_gold(Game& g, int code, int x, int y);  // 勢力確定自金
void influence_top_gold(Game& g, int x, int y);               // 勢力確定敵金

// 勢力確定自角 / 敵角 "fix the influence of own / enemy bishop": four diagonal lines, the bottom
// player's (records -KAKU) and the top player's piece of `code`.
void influence_bottom_bishop(Game& g, int x, int y);         // 勢力確定自角
void influence_top_bishop(Game& g, int code, int x, int y);  // 勢力確定敵角

}  // namespace hakuro
