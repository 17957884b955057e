// The move record: every move made on the board is appended before the board changes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"

namespace hakuro {

// 手順保存 "save the move": appends it as number current_move + 1 and makes it the last one held.
// Reads the captured piece from the board, so it is called before the move is made. Move 1 tells
// the record who moved first and the computer's level; every move, whether the computer played
// it. The comments of the moves it replaces go.
// `times` are the bottom player's total before and after the move, then the top player's.
struct MoveTimes {
  double bottom_before = 0, bottom_after = 0, top_before = 0, top_after = 0;
};
void record_move(Game& g, const Move& move, DropRow row, const MoveTimes& times);

// A level chosen during a game against the computer is kept as the comment "LEVELn" at the move
// shown, the move after which the computer plays at it; it replaces another chosen there.
// Called before g.level changes; the level chosen again changes nothing. A move played at a
// level the record does not tell (the change was made after a move since given up) notes it too.
inline constexpr std::string_view kLevelComment = "LEVEL";
void note_level_change(Game& g, int level);
// Each line of a comment.
std::vector<std::string> lines_of(const std::string& comment);
// The level a comment's line tells ("LEVEL4"); 0 when it tells none.
int level_told(std::string_view line);
// The computer's level after move n: the level the game began at, changed by the comments.
int level_after(const Record& r, int n);

// How a game of these moves ended, as far as the moves tell: a king taken by the last one.
GameEnd end_of(const std::vector<RecordMove>& moves);

}  // namespace hakuro
