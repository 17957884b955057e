// The game in progress kept as a KIF file after every move, and read back to go on with it.
// What KIF has no words for (the mode, the side values, the handicap level, the move number
// shown) travels in a header comment of our own, "*HAKURO ...", which any KIF reader passes over.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record/kif.h"
#include "state/game.h"

namespace hakuro {

// The file, in the folder where the program keeps its settings and records.
inline constexpr const char* kLastGameFile = "前回の対局.kifu";

// How the game stood besides its record.
struct Standing {
  int play_mode = MODE_MAN;  // taikyoku_mode
  // sita, ue, teban_sente: side values; 後手's is -sente_side
  int bottom_side = -1, top_side = 1, sente_side = 1;
  int move_number = 0;                                      // tesu
  int handicap_level = 0, handicap_set = NG, flipped = NG;  // hande_level, hande_settei, hanten
  int start_number = 1;                                     // kaishi_tesu
  bool top_first = false;    // ue_sente: the top player made the first move
  Rules rules = Rules::own;  // honshogi=1: the game is played under the standard rules
  // jikan=MAIN,BYOYOMI,INCREMENT nokori=TOP_MS,BOTTOM_MS, only under a time control: the
  // control and the main time each player has left, in milliseconds.
  TimeControl time_control;
  int top_left_ms = 0, bottom_left_ms = 0;
  // sita_level=N, only in a game the computer plays on both sides: the bottom side's level.
  int bottom_level = 0;
  bool operator==(const Standing&) const = default;
};

Standing standing_of(const Game& g);
// "HAKURO key=value ...", and back; nothing when the line is not ours.
std::string standing_line(const Standing& s);
std::optional<Standing> read_standing(std::string_view line);

// The game as its file keeps it: the record with every move held, the roles, the standing.
KifGame last_game_of(const Game& g);

// A last game read back: turned round as it was played (a KIF file puts 先手 at the bottom),
// the standing taken out of its comments (or, in a file without one, told by the roles), and
// the names that only named the roles cleared.
struct LastGame {
  KifGame game;
  Standing standing;
  Position end;           // the position after every move
  bool finished = false;  // a winner is known, or the last move took a king
};
LastGame last_game_from(KifGame k);

// The same game seen from the other side of the board: top and bottom players swap.
KifGame turned_round(const KifGame& k);

// The computer's level as the header names it; `otherwise` when it names none.
int header_level(const KifGame& k, int otherwise);
// The computer's level after move n: the header's, then the last "LEVELn" comment at or before
// move n.
int level_after(const KifGame& k, int n, int otherwise);

}  // namespace hakuro
