// The engine's own compact terms: sides, piece types, squares on a padded board, and moves
// packed into 32 bits.
#pragma once

#include <cstdint>

#include "state/types.h"

namespace hakuro::engine {

// The bottom player (negative codes in the game record, moving towards smaller y) and the top
// player (positive codes, moving towards larger y).
enum Color : uint8_t { BOTTOM = 0, TOP = 1 };
constexpr Color operator~(Color c) { return Color(c ^ 1); }

// The rule set a position is played under, as the game names it.
using Rules = hakuro::Rules;

// Piece types. A promoted type is its base type plus 8, so `type & 7` is the kind that goes into
// a hand; 1..7 are also the game record's kind indices. PRO_GOLD is the gold code plus one that a
// record may hold: it stands, cannot move, and is captured as a gold.
enum Type : uint8_t {
  NO_TYPE = 0,
  PAWN = 1,
  LANCE,
  KNIGHT,
  SILVER,
  GOLD,
  BISHOP,
  ROOK,
  KING,
  PRO_PAWN = 9,
  PRO_LANCE,
  PRO_KNIGHT,
  PRO_SILVER,
  PRO_GOLD,
  HORSE,
  DRAGON,
};
inline constexpr int TYPE_N = 16;
inline constexpr int HAND_KINDS = 8;  // indices 1..7 used

// A square's content: EMPTY, WALL, or a type with the owner in bit 4.
using Piece = uint8_t;
inline constexpr Piece EMPTY = 0, WALL = 0x40;
inline constexpr int PIECE_N = 32;
constexpr Piece make_piece(Color c, Type t) { return Piece(t | (c << 4)); }
constexpr Type type_of(Piece p) { return Type(p & 15); }
constexpr Color color_of(Piece p) { return Color((p >> 4) & 1); }
constexpr bool is_piece(Piece p) { return p != EMPTY && p != WALL; }
constexpr bool can_promote_type(Type t) { return t <= ROOK && t != GOLD && t != NO_TYPE; }
constexpr Type promoted(Type t) { return Type(t | 8); }
constexpr Type hand_kind(Type t) { return Type(t & 7); }  // KING gives 0: kings are not held

// Squares of a board padded by walls: one column either side, two rows above and below, so that
// no step or knight's jump leaves the array. x and y are the game record's column and row.
inline constexpr int W = 11;
inline constexpr int SQ_N = 13 * W;
constexpr int square(int x, int y) { return (y + 1) * W + x; }
constexpr int file_of(int s) { return s % W; }
constexpr int rank_of(int s) { return s / W - 1; }

// Directions on the padded board. "Up" is towards row 1, the bottom player's forward.
inline constexpr int UP = -W, DOWN = W, LEFT = -1, RIGHT = 1;

// A move: destination, source (0 for a drop), promotion flag and the dropped kind.
using Move = uint32_t;
inline constexpr Move NO_MOVE = 0;
constexpr Move make_move(int from, int to, bool promote) {
  return Move(to | (from << 8) | (promote ? 1u << 16 : 0u));
}
constexpr Move make_drop(Type kind, int to) { return Move(to | (unsigned(kind) << 17)); }
constexpr int to_sq(Move m) { return int(m & 0xFF); }
constexpr int from_sq(Move m) { return int((m >> 8) & 0xFF); }
constexpr bool is_promotion(Move m) { return (m >> 16) & 1; }
constexpr Type drop_kind(Move m) { return Type((m >> 17) & 7); }
constexpr bool is_drop(Move m) { return drop_kind(m) != NO_TYPE; }

// Scores: centipawn-like units from the side to move's view. Taking the opponent's king wins;
// a score within MAX_PLY of WIN is a won game that many plies away.
using Value = int;
inline constexpr int MAX_PLY = 128;
inline constexpr Value WIN = 30000;
inline constexpr Value INFINITE = 32000;
inline constexpr Value DRAW = 0;
constexpr Value win_in(int ply) { return WIN - ply; }
constexpr Value loss_in(int ply) { return -WIN + ply; }
constexpr bool is_decisive(Value v) { return v >= WIN - MAX_PLY || v <= -WIN + MAX_PLY; }

}  // namespace hakuro::engine
