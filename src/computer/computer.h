// What the computer of levels 1 to 3 keeps between its turns: the survey it judges by and its
// own tables.
#pragma once

#include "analysis/survey.h"
#include "state/game.h"

namespace hakuro {

// The computer's tables, kept between its turns.
struct ComputerScratch {
  // kaku_nerai_ue "bishop's aim at the top": empty squares from which a human bishop would reach
  // the computer's king; fuka_sita, fuka_ue "cannot move": pieces that shield their king from an
  // enemy line.
  Table bishop_aims_at_top{}, bottom_pinned{}, top_pinned{};
  int top_pinned_any = NG;  // fuka_ue_ari: some computer piece shields its king
  int escape_count = 0;     // nigemichi_su "escape routes": the human king's free flights

  // Snapshots of the position before the computer's move (mae "before"): ban_mae,
  // seiryoku_sita_mae, seiryoku_ue_mae, kogeki_x_ue_mae, kogeki_y_ue_mae, ou_ue_x_mae,
  // ou_ue_y_mae, mochi_ue_su_mae, mochi_sita_su_mae.
  Table board_before{};
  Table bottom_influence_before{}, top_influence_before{};
  Table top_attacker_x_before{}, top_attacker_y_before{};
  int top_king_x_before = 0, top_king_y_before = 0;
  int top_hand_total_before = 0, bottom_hand_total_before = 0;

  // The candidate under evaluation: ugoku_koma "moving piece" (before promotion) and ou_kyori
  // "king distance" from its origin to the human's king (0 for a drop).
  int moving_piece = 0, king_distance = 0;
  int best_score = 0;  // in tenths of a point
};

// The computer of levels 1 to 3: it works on a Game with these, passed beside it.
struct Computer {
  Survey survey;            // the influence survey of the position last surveyed
  ComputerScratch scratch;  // its tables, kept between its turns
};

}  // namespace hakuro
