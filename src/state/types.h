// Piece codes, the fixed constants and the small helpers every part of the program shares.
#pragma once

#include <array>
#include <cstdint>

namespace hakuro {

// Piece codes: the top player's pieces are positive, the bottom player's negative. A promoted
// piece (_NARI "promoted") is its kind's code plus one in magnitude, and codes grow with a
// piece's worth.
inline constexpr int KARA = 0;                     // KARA "empty": empty square
inline constexpr int HU = 10, HU_NARI = 11;        // pawn
inline constexpr int KYOU = 20, KYOU_NARI = 21;    // lance
inline constexpr int KEI = 30, KEI_NARI = 31;      // knight
inline constexpr int GIN = 100, GIN_NARI = 101;    // silver
inline constexpr int KIN = 110, KIN_NARI = 111;    // gold (its "promoted" code is never made)
inline constexpr int KAKU = 800, KAKU_NARI = 801;  // bishop
inline constexpr int SYA = 900, SYA_NARI = 901;    // rook
inline constexpr int OU = 950;                     // king

// The rule set a game is played under. `own`: a board move may take the mover's own pieces,
// kings included, and taking a king ends the game. `standard` (本将棋): shogi as usually played,
// where a move must leave the mover's king safe and a player with no move is checkmated.
enum class Rules : uint8_t { own, standard };

inline constexpr int MASU_SU = 9;  // MASU_SU "square count": squares per row and per column
inline constexpr int OK = 1, NG = 0;
inline constexpr int TEBAN_NASI = 0;  // TEBAN_NASI "no side": nobody to move, no king taken
inline constexpr int BTN_HIDARI = 1, BTN_MIGI = 2;  // HIDARI "left", MIGI "right" mouse button
inline constexpr int MODE_MAN = 0, MODE_COM = 1;    // two people; a person against the computer

// The window's columns of the hands (mochi) beside the board: the bottom player's (sita) on the
// right, the top player's (ue) on the left.
inline constexpr int MOCHI_SITA_X = 11, MOCHI_UE_X = -1;

// Picture identifiers besides the piece codes: the title, and the backgrounds (HAIKEI) MIDORI
// "green", TATAMI "straw mat", TAKE "bamboo", UCHU "space", RENGA "brick".
inline constexpr int E_TITLE = 1;
inline constexpr int HAIKEI_MIDORI = 2, HAIKEI_TATAMI = 3, HAIKEI_TAKE = 4, HAIKEI_UCHU = 5,
                     HAIKEI_RENGA = 6;

// Palette colours (IRO, the standard 16-colour palette): KURO black, MIDORI green, MURASAKI
// purple, CHA brown, AKA red, KIIRO yellow, SHIRO white.
inline constexpr int IRO_KURO = 0, IRO_MIDORI = 2, IRO_MURASAKI = 5, IRO_CHA = 6, IRO_AKA = 12,
                     IRO_KIIRO = 14, IRO_SHIRO = 15;

// Board (ban) geometry in window units (twips): the origin of cell (0, 0) and the size of a
// cell (masu, square).
inline constexpr int ban_left = 1050, ban_top = 100, masu_w = 495, masu_h = 615;

// Kind index 1..7 (pawn .. rook) to the top player's unpromoted code.
inline constexpr std::array<int, 8> KIND_CODE = {0, HU, KYOU, KEI, GIN, KIN, KAKU, SYA};

// A 10 x 10 table indexed [x][y]; index 0 is never used.
using Table = std::array<std::array<int, 10>, 10>;
// Counts by kind index 1..7; index 0 is never used.
using Hand = std::array<int, 8>;
// One flag per column 1..9.
using Flags = std::array<int, 10>;

inline constexpr Table filled(int v) {
  Table t{};
  for (auto& col : t) col.fill(v);
  return t;
}

// A row or column number of the board.
constexpr bool on_board(int v) { return static_cast<unsigned>(v) - 1u < unsigned{MASU_SU}; }
constexpr bool on_board(int x, int y) { return on_board(x) && on_board(y); }

// Owner tests on piece codes.
constexpr bool is_top(int c) { return c >= HU; }
constexpr bool is_bottom(int c) { return c <= -HU; }

// A piece code that has a picture and a name: every code but the gold codes plus one.
constexpr bool is_drawn_piece(int code) {
  switch (code < 0 ? -code : code) {
    case HU:
    case HU_NARI:
    case KYOU:
    case KYOU_NARI:
    case KEI:
    case KEI_NARI:
    case GIN:
    case GIN_NARI:
    case KIN:
    case KAKU:
    case KAKU_NARI:
    case SYA:
    case SYA_NARI:
    case OU: return true;
    default: return false;
  }
}

// Kind index 1..7 of a piece code, promoted or not, either sign; 0 for a king or no piece.
int kind_index(int code);

}  // namespace hakuro
