// The influence survey: for every square, how the pieces of each player bear on it.
#pragma once

#include "state/game.h"

namespace hakuro {

// Marks of the check maps (oute): OUTE_KOMA on a piece giving check (a knight's check marks the
// king's square too); OUTE_AIDA on a square between a long-range checker and the king, where a
// piece put would block it.
inline constexpr int OUTE_KOMA = 9, OUTE_AIDA = 1;
// What the attacker and defender tables hold where no piece bears, beyond every piece code so that
// the first piece found replaces it: the bottom player's attackers keep the largest code, the
// other tables the smallest.
inline constexpr int NO_PIECE_LOW = -999, NO_PIECE_HIGH = 999;

// The influence survey of the board as it stood at the last survey. seiryoku "influence",
// kogeki "attack", mamori "defence", oute "check"; _sita / _ue by the bottom / top player.
struct Survey {
  // seiryoku_sita, seiryoku_ue: how many bottom / top pieces bear on a square
  Table bottom_influence{}, top_influence{};
  // kogeki_su_sita "attack count": how many bottom pieces bear on a top piece.
  Table bottom_attack_count{};
  // kogeki_koma "attacking piece": the cheapest one bearing on an enemy piece, and its square
  // (kogeki_koma_sita, kogeki_x_sita, kogeki_y_sita; kogeki_koma_ue, kogeki_x_ue, kogeki_y_ue).
  Table bottom_attacker = filled(NO_PIECE_LOW), bottom_attacker_x{}, bottom_attacker_y{};
  // mamori_koma "defending piece": the lowest code bearing on an own piece; its square, top only
  // (mamori_koma_sita; mamori_koma_ue, mamori_x_ue, mamori_y_ue).
  Table bottom_defender = filled(NO_PIECE_HIGH), top_defender = filled(NO_PIECE_HIGH);
  Table top_defender_x{}, top_defender_y{};
  Table top_attacker = filled(NO_PIECE_HIGH), top_attacker_x{}, top_attacker_y{};
  // oute_sita, oute_ue: check maps against the top and the bottom king
  Table bottom_checks{}, top_checks{};
};

// 勢力調査 "influence survey": recomputes the influence, attacker, defender and check tables
// from the board alone (the top player's attackers' and defenders' squares are kept where no
// new one is found) and sets the squares of the kings found on the board.
void survey_influence(Position& p, Survey& s);

// 勢力確定上/下/右/左直進 "fix the influence going straight up / down / right / left": one
// straight line from the piece of `code` on (x, y), recorded for the piece's player.
void influence_line_up(const Position& p, Survey& s, int code, int x, int y);  // 勢力確定上直進
void influence_line_down(const Position& p, Survey& s, int code, int x, int y);  // 勢力確定下直進
void influence_line_right(const Position& p, Survey& s, int code, int x, int y);  // 勢力確定右直進
void influence_line_left(const Position& p, Survey& s, int code, int x, int y);  // 勢力確定左直進

// 勢力確定自金 / 敵金 "fix the influence of own / enemy gold": the gold pattern of the bottom
// player's piece of `code`, and of the top player's gold family (records KIN).
void influence_bottom_gold(const Position& p, Survey& s, int code, int x, int y);  // 勢力確定自金
void influence_top_gold(const Position& p, Survey& s, int x, int y);  // 勢力確定敵金

// 勢力確定自角 / 敵角 "fix the influence of own / enemy bishop": four diagonal lines, the bottom
// player's (records -KAKU) and the top player's piece of `code`.
void influence_bottom_bishop(const Position& p, Survey& s, int x, int y);  // 勢力確定自角
void influence_top_bishop(const Position& p, Survey& s, int code, int x, int y);  // 勢力確定敵角

}  // namespace hakuro
