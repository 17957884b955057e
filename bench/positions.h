// Real positions for the benchmarks, written as rows of letters.
#pragma once

#include <array>
#include <cctype>
#include <sstream>
#include <string>

#include "state/game.h"

namespace hakuro::bench {

// Rows 1..9 from the top; lower case is the top player, upper case the bottom player,
// '+' promotes the next piece, '.' is an empty square.
inline Game position(const std::array<const char*, 9>& rows) {
  Game g;
  for (int y = 1; y <= 9; ++y) {
    std::istringstream in(rows[static_cast<std::size_t>(y - 1)]);
    std::string token;
    for (int x = 1; x <= 9 && in >> token; ++x) {
      const bool promoted = token[0] == '+';
      const char c = token.back();
      int code = 0;
      switch (std::tolower(c)) {
        case 'p': code = HU; break;
        case 'l': code = KYOU; break;
        case 'n': code = KEI; break;
        case 's': code = GIN; break;
        case 'g': code = KIN; break;
        case 'b': code = KAKU; break;
        case 'r': code = SYA; break;
        case 'k': code = OU; break;
        default: code = KARA;
      }
      if (promoted) ++code;
      g.pos.board[x][y] = std::isupper(static_cast<unsigned char>(c)) ? -code : code;
    }
  }
  return g;
}

inline const std::array<std::array<const char*, 9>, 4> kPositions = {{
    // A quiet castle against castle.
    {"l n . . . . g n l", ". r . . . s k . .", "p . s p p g . p p", ". p p . . p p . .",
     ". . . . . . . . P", ". . P P . . P P .", "P P . S P P S . .", ". . K G . . . R .",
     "L N S . . G . N L"},
    // Bishops exchanged and in hand; rooks facing on open files.
    {"l n . g . . . n l", ". . . . k . g . .", "p . s p p p s . p", ". . p . . . p p .",
     ". p . . . . . . .", ". . P . P P . P .", "P P . P S . P . P", ". . G . . . . R .",
     "L N S K . G . N L"},
    // A sharp attack: promoted rook and horse near the top king, checks on the board.
    {"l n . . . . . . l", ". . . . g k . . .", "p . . s p p n +R p", ". . p p . . p . .",
     ". p . . . . . . .", ". . P . P . . . .", "P P . P . P P . P", ". +b S . G . . . .",
     "L N . K . G . . L"},
    // Late middle game: many pieces in hand, kings exposed.
    {". . . . . . . . l", ". . g . . . . . .", "p . . . k . . p .", ". . p s . p . . p",
     ". . . . r . . . .", ". . P . . . P . P", "P P . . . P . . .", ". . . G . . S . .",
     "L . . K . . . . R"},
}};

}  // namespace hakuro::bench
