// Positions as SFEN text, as engines and analysis tools pass them:
//   lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1
// the board rank by rank from the far side, files 9 to 1, 先手's pieces in capitals, a promoted
// piece after "+"; then the side to move (b 先手, w 後手), the pieces in hand ("-" for none) and
// the move number. 先手 is the bottom player unless sente_top (see notation.h).
#pragma once

#include <string>
#include <string_view>

#include "record/position_check.h"
#include "state/game.h"

namespace hakuro {

std::string write_sfen(const Position& p, bool sente_top, bool top_to_move, int move_number);

enum class SfenProblem {
  none,
  malformed,   // not SFEN at all, or a field that is not what it should be
  impossible,  // SFEN, but not a position of a game: see `check`
};

struct SfenRead {
  SfenProblem problem = SfenProblem::none;
  PositionCheck check;  // why an impossible position is refused
  std::string reason;   // why the text is refused, for the user; empty when it is read
  Position pos;         // with its hand totals, kings' squares and two-pawn flags
  bool top_to_move = false;
  int move_number = 1;
};

// Reads SFEN, with or without a leading "sfen " and the move number (1 when it is missing),
// blanks around it ignored. A malformed text or an impossible position is refused.
SfenRead read_sfen(std::string_view text, bool sente_top);

}  // namespace hakuro
