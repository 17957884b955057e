// Written by hakuro-tune: the worth of a piece by where it stands against the kings
// (king_relation.h), in hundredths of a pawn. Each group's rows are columns away from
// the king, 0 to 2; each row runs from 2 rows behind the king to 2 ahead,
// seen from the piece's owner.
#pragma once

#include "engine/king_relation.h"

namespace hakuro::engine::weights {

// clang-format off
inline constexpr relation::Table RELATION = {{
  {{  // against its own king
    {{  // pawn
      -44, -39, 0, -4, 8,
      -51, -28, -66, 3, 5,
      -71, -67, -36, -1, 2,
    }},
    {{  // lance
      -26, -10, 0, -12, -40,
      -55, -23, -52, -49, 13,
      31, 0, 0, 4, 9,
    }},
    {{  // knight
      -2, 3, 0, 14, 44,
      12, 46, 43, -6, 5,
      33, 49, 10, -14, -53,
    }},
    {{  // silver
      0, -17, 0, -32, 16,
      32, 29, -9, -1, 29,
      6, -51, -19, 48, -7,
    }},
    {{  // gold and promoted
      18, 53, 0, 43, 6,
      43, 19, 2, 50, 66,
      33, 22, -1, -17, -58,
    }},
    {{  // bishop
      -7, 7, 0, 11, -38,
      -16, -5, -89, -30, 13,
      16, 15, -43, 44, 9,
    }},
    {{  // rook
      -19, -16, 0, 19, 40,
      -3, -2, -20, -61, 13,
      -28, 3, 5, -26, 82,
    }},
    {{  // horse
      -18, -19, 0, 0, -4,
      -32, -9, 6, -80, -11,
      -42, -39, -53, -12, 13,
    }},
    {{  // dragon
      -16, -31, 0, -11, -31,
      -17, -11, -19, -35, -44,
      -78, -15, -16, -23, 23,
    }},
  }},
  {{  // against the opponent's king
    {{  // pawn
      5, 0, 0, -16, -47,
      1, 5, -38, -4, -76,
      2, -50, -68, -101, -146,
    }},
    {{  // lance
      -6, 0, 0, 3, -4,
      18, 12, -4, -4, -7,
      0, -71, -82, -85, -46,
    }},
    {{  // knight
      -18, 0, 0, -2, -17,
      5, 6, -11, 0, -41,
      2, -50, -57, -28, -111,
    }},
    {{  // silver
      26, 0, 0, 1, -12,
      37, 0, 18, 0, -13,
      -12, 50, 9, 6, -21,
    }},
    {{  // gold and promoted
      33, 0, 0, 0, -120,
      40, 0, 0, 30, -118,
      22, -31, -67, -76, -115,
    }},
    {{  // bishop
      14, 3, 0, 3, 0,
      -17, 0, 4, 0, 0,
      4, 37, 30, -7, -26,
    }},
    {{  // rook
      -16, 0, 0, 0, -4,
      -11, 6, 0, 7, -6,
      5, 4, 12, 10, -16,
    }},
    {{  // horse
      31, 0, 0, 0, -89,
      32, 0, 0, 0, -64,
      18, 4, 3, 19, -152,
    }},
    {{  // dragon
      -6, 0, 0, 0, -77,
      21, 0, 0, 0, -24,
      17, 45, 40, 11, -132,
    }},
  }},
}};
// clang-format on

}  // namespace hakuro::engine::weights
