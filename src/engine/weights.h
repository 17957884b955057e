// Every weight of the evaluation, in one place. Values are in hundredths of a pawn.
#pragma once

#include <array>

#include "engine/types.h"

namespace hakuro::engine::weights {

// A piece on the board, by type: its kind's worth. Promoted pieces add PROMOTION below.
inline constexpr std::array<int, TYPE_N> BASE = {
    0,                                  // no type
    90,                                 // pawn
    240,                                // lance
    270,                                // knight
    380,                                // silver
    460,                                // gold
    600,                                // bishop
    680,                                // rook
    0,                                  // king: never counted, taking it ends the game
    90,  240, 270, 380, 460, 600, 680,  // promoted pawn .. dragon: their kind's worth
};
// What promotion adds on top of the kind's worth.
inline constexpr std::array<int, TYPE_N> PROMOTION = {
    0,   0, 0, 0, 0, 0, 0, 0, 0,
    450,  // promoted pawn: nearly a gold
    270,  // promoted lance
    250,  // promoted knight
    120,  // promoted silver
    0,    // the gold code plus one (cannot move)
    260,  // horse
    300,  // dragon
};
// A piece's worth on the board: its kind's and its promotion's.
inline constexpr int worth(Type t) { return BASE[t] + PROMOTION[t]; }

// A piece in hand, by kind 1..7: the first of a kind is worth this much...
inline constexpr std::array<int, HAND_KINDS> HAND = {0, 90, 240, 270, 380, 460, 600, 680};
// ... and each further one of the same kind this share of it, in percent (a second silver in
// hand adds less than the first).
inline constexpr int HAND_MORE_PERCENT = 90;

// Placement: a bonus per row for a piece, counted from its owner's far side (row 1 is the
// opponent's back row), for the pieces that like to advance or to stay back.
inline constexpr std::array<int, 10> PAWN_ROW = {0, 0, 20, 24, 18, 12, 6, 0, 0, 0};
inline constexpr std::array<int, 10> SILVER_ROW = {0, 0, 18, 26, 22, 16, 8, 2, 0, -6};
inline constexpr std::array<int, 10> GOLD_ROW = {0, -20, -10, 0, 4, 6, 10, 14, 14, 8};
inline constexpr std::array<int, 10> KNIGHT_ROW = {0, 0, 0, 10, 16, 12, 4, 0, -8, -10};
inline constexpr std::array<int, 10> KING_ROW = {0, -90, -80, -70, -55, -40, -20, 0, 8, 10};

// Mobility: per square a rook, bishop, their promotions or a lance can slide to.
inline constexpr int SLIDER_SQUARE = 4;
inline constexpr int LANCE_SQUARE = 2;

// King safety. In the 5 x 5 block round each king the opponent's pieces add danger units by
// type and the king's own pieces take some away; each kind in the opponent's hand adds units for
// the drops it threatens, and so does each empty square next to the king while the opponent holds
// anything. The units above the defence map to a penalty that grows faster than linearly.
inline constexpr std::array<int, TYPE_N> ATTACK_UNITS = {
    0, 1, 2, 3, 4, 4, 4, 5, 0,  // no type, pawn .. king
    4, 4, 4, 4, 0, 6, 7,        // promoted pawn .. dragon
};
inline constexpr std::array<int, TYPE_N> DEFENCE_UNITS = {
    0, 1, 0, 0, 2, 3, 1, 1, 0, 2, 2, 2, 2, 0, 3, 2,
};
inline constexpr std::array<int, HAND_KINDS> HAND_ATTACK_UNITS = {0, 1, 1, 2, 3, 3, 3, 4};
inline constexpr int OPEN_SQUARE_UNITS = 1;
// Penalty for n units (above the defence), centipawns: n * n * DANGER_SCALE / 16, capped.
inline constexpr int DANGER_SCALE = 20;
inline constexpr int DANGER_CAP = 2400;

// A small bonus for the side to move.
inline constexpr int TEMPO = 20;

}  // namespace hakuro::engine::weights
