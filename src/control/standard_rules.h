// The standard rules (本将棋) as the game plays them: the ｵﾌﾟｼｮﾝ item that chooses them for the
// games to come, the moves they allow, why they refuse a move, and how a game under them ends.
// Under the program's own rule nothing here changes anything.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "computer/search.h"
#include "control/play.h"
#include "engine/repetition.h"
#include "form/form.h"

namespace hakuro {

// HONSHOGI (本将棋): the rules of the games to come; refused while a game is played.
void on_standard_rules(Form& f);  // HONSHOGI_Click

// The rules a game begun now is played under, as the check mark says.
Rules chosen_rules(const Form& f);

// Under the standard rules, the moves of the top player (`top`) or of the bottom player that
// they allow in `p`, by source and destination; nothing under the own rule, which allows all the
// board's own tests allow.
std::optional<MoveFilter> rules_filter(const Position& p, bool top, Rules rules);

// Why the standard rules refuse m, a move the own rule allows, when the reason is its own king:
// "王手がかかっています" when the mover is in check now, "王が取られます" when the move opens its
// king to capture; empty for any other reason.
std::string king_refusal(const Position& p, const Move& m);

// The game's positions before each move of the record up to the one shown, each with its mover
// to move and whether that mover stood in check, oldest first.
std::vector<engine::Earlier> game_history(const Game& g);

// How a game under the standard rules stands with the top player (`top`) or the bottom player to
// move: checkmated when it has no legal move; 千日手 when the position stands for the fourth time,
// drawn unless one player gave check with every move of the cycle and so lost. `none` while it
// goes on, and always under the own rule.
GameEnd standing(const Game& g, bool top);

// After a move under the standard rules, with the top player (`top`) or the bottom player to
// move: the end of the game, announced ("詰みです", the 千日手 messages) before the usual winner's
// box or the draw's offer of a new game; nothing while the game goes on.
std::optional<Outcome> standard_end(Form& f, bool top);

}  // namespace hakuro
