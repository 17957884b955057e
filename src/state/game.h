// The one game record: board, hands, turn, mode, move record, survey tables and option fields.
#pragma once

#include <array>
#include <vector>

namespace hakuro {

// Piece codes: the top player's pieces are positive, the bottom player's negative.
inline constexpr int KARA = 0;
inline constexpr int HU = 10, HU_NARI = 11;
inline constexpr int KYOU = 20, KYOU_NARI = 21;
inline constexpr int KEI = 30, KEI_NARI = 31;
inline constexpr int GIN = 100, GIN_NARI = 101;
inline constexpr int KIN = 110, KIN_NARI = 111;
inline constexpr int KAKU = 800, KAKU_NARI = 801;
inline constexpr int SYA = 900, SYA_NARI = 901;
inline constexpr int OU = 950;

inline constexpr int MASU_SU = 9;
inline constexpr int OK = 1, NG = 0;
inline constexpr int TEBAN_NASI = 0;
inline constexpr int BTN_HIDARI = 1, BTN_MIGI = 2;
inline constexpr int MODE_MAN = 0, MODE_COM = 1;

// Picture identifiers besides the piece codes.
inline constexpr int E_TITLE = 1;
inline constexpr int HAIKEI_MIDORI = 2, HAIKEI_TATAMI = 3, HAIKEI_TAKE = 4, HAIKEI_UCHU = 5,
                     HAIKEI_RENGA = 6;

// Palette colours (the standard 16-colour palette).
inline constexpr int IRO_KURO = 0, IRO_MIDORI = 2, IRO_MURASAKI = 5, IRO_CHA = 6, IRO_AKA = 12,
                     IRO_KIIRO = 14, IRO_SHIRO = 15;

// Board geometry in window units (twips).
inline constexpr int ban_left = 1050, ban_top = 100, masu_w = 495, masu_h = 615;

// Kind index 1..7 (pawn .. rook) to the top player's unpromoted code.
inline constexpr std::array<int, 8> KIND_CODE = {0, HU, KYOU, KEI, GIN, KIN, KAKU, SYA};

// A 10 x 10 table indexed [x][y]; index 0 is never used.
using Table = std::array<std::array<int, 10>, 10>;
using Hand = std::array<int, 8>;
using Flags = std::array<int, 10>;

inline Table filled(int v) {
  Table t;
  for (auto& col : t) col.fill(v);
  return t;
}

struct Game {
  // Position.
  Table ban = filled(KARA);
  Hand mochi_sita{}, mochi_ue{};
  int mochi_sita_su = 0, mochi_ue_su = 0;
  Flags nifu_sita{}, nifu_ue{};

  // Sides and turn.
  int TEBAN_SENTE = 1, TEBAN_GOTE = -1;
  int SITA = -1, UE = 1;
  int teban = TEBAN_NASI;
  int taikyoku_mode = MODE_MAN;
  int tesu = 0;
  int level = 3;

  // Kings and the end of a game.
  int ou_tori = TEBAN_NASI;
  int ou_sita_x = 0, ou_sita_y = 0, ou_ue_x = 0, ou_ue_y = 0;

  // The human's selection and the mouse handler's memory between presses.
  int sentaku = 0, sentaku_x = 0, sentaku_y = 0;
  int moto_x = 0, moto_y = 0, saki_x = 0, saki_y = 0, ugoki_koma = 0;
  int nari_koma = 0;

  // Suspension, record display, flip and handicap.
  int chudan = NG, kifu_mode = NG, hanten = NG;
  int hande_level = 0, hande_settei = NG;

  // The move record. Index 0 is not a move; the arrays grow with the game.
  int kifu_tesu = 0, saigo_tesu = 0;
  std::vector<int> kifu_moto_x, kifu_moto_y, kifu_saki_x, kifu_saki_y;
  std::vector<int> kifu_koma, kifu_ato_koma = std::vector<int>(1, HU), kifu_tori_koma;
  std::vector<double> kifu_jikan_sita_mae, kifu_jikan_sita_ato, kifu_jikan_ue_mae,
      kifu_jikan_ue_ato;

  // Options and colours.
  int haikei = HAIKEI_MIDORI;
  int sidou_on = NG;
  int haikei_iro = IRO_MIDORI, masu_iro = IRO_MIDORI, sidou_iro = IRO_MIDORI, moji_iro = IRO_SHIRO;

  // Clock.
  double teban_kaishi = 0, keika_byou = 0;
  int hyouji_byou = 0;
  double mochi_jikan_ue = 0, mochi_jikan_sita = 0;

  // Influence survey.
  Table seiryoku_sita{}, seiryoku_ue{};
  Table kogeki_su_sita{};
  Table kogeki_koma_sita = filled(-999), kogeki_x_sita{}, kogeki_y_sita{};
  Table mamori_koma_sita = filled(999), mamori_koma_ue = filled(999);
  Table mamori_x_ue{}, mamori_y_ue{};
  Table kogeki_koma_ue = filled(999), kogeki_x_ue{}, kogeki_y_ue{};
  Table oute_sita{}, oute_ue{};

  // The computer's scratch tables.
  Table kaku_nerai_ue{}, fuka_sita{}, fuka_ue{}, ban_mae{};
  int fuka_ue_ari = NG, nigemichi_su = 0;
};

// Owner tests on piece codes.
inline bool is_top(int c) { return c >= HU; }
inline bool is_bottom(int c) { return c <= -HU; }

// A piece code that has a picture and a name: every code but the gold codes plus one.
inline bool is_drawn_piece(int code) {
  switch (code < 0 ? -code : code) {
    case HU: case HU_NARI: case KYOU: case KYOU_NARI: case KEI: case KEI_NARI:
    case GIN: case GIN_NARI: case KIN: case KAKU: case KAKU_NARI: case SYA: case SYA_NARI:
    case OU:
      return true;
    default:
      return false;
  }
}

// Kind index 1..7 of a piece code, promoted or not, either sign; 0 for a king or no piece.
int kind_index(int code);

// Every square and hand count cleared, the starting position set, the hand totals recomputed.
void set_starting_position(Game& g);

// Makes room in the move record for move n.
void ensure_record(Game& g, int n);

}  // namespace hakuro
