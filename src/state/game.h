// The one game record: the position, whose turn it is, the move record, the clock, the human's
// selection, the appearance options, the survey tables and the computer's scratch tables.
#pragma once

#include <cstddef>
#include <vector>

#include "state/types.h"

namespace hakuro {

// What is on the board and in the hands.
struct Position {
  Table ban = filled(KARA);       // piece code by square
  Hand mochi_sita{}, mochi_ue{};  // the bottom and the top player's hands, by kind index
  int mochi_sita_su = 0, mochi_ue_su = 0;  // each hand's total
  Flags nifu_sita{}, nifu_ue{};   // 1 where the column holds that player's unpromoted pawn
  int ou_sita_x = 0, ou_sita_y = 0, ou_ue_x = 0, ou_ue_y = 0;  // the two kings' squares
};

// One move of the record. A drop's source is its hand column and a row.
struct KifuMove {
  int moto_x = 0, moto_y = 0, saki_x = 0, saki_y = 0;
  int koma = 0;       // the moving piece before the move
  int ato_koma = 0;   // the piece on the destination after it (promoted when it promoted)
  int tori_koma = 0;  // what stood on the destination before: KARA or the captured piece
  // Each player's accumulated thinking time before and after the move.
  double jikan_sita_mae = 0, jikan_sita_ato = 0, jikan_ue_mae = 0, jikan_ue_ato = 0;
};

// The move record. Entry 0 is no move; the record grows with the game.
struct Record {
  int kifu_tesu = 0;   // the last move applied to the board
  int saigo_tesu = 0;  // the last move held, the limit for stepping forward
  std::vector<KifuMove> kifu = std::vector<KifuMove>(1, KifuMove{.ato_koma = HU});

  // Move n, making room for it.
  KifuMove& at(int n) {
    const auto i = static_cast<std::size_t>(n < 0 ? 0 : n);
    if (kifu.size() <= i) kifu.resize(i + 1);
    return kifu[i];
  }
};

// Each player's thinking time, in seconds.
struct Clock {
  double teban_kaishi = 0;  // time of day at which the turn began
  double keika_byou = 0;    // seconds of the current turn
  int hyouji_byou = 0;      // the whole seconds last shown
  double mochi_jikan_ue = 0, mochi_jikan_sita = 0;  // the top and the bottom player's totals
};

// The human's selection and what the mouse handler keeps between presses.
struct Selection {
  int sentaku = 0;                    // 1 while a piece is picked
  int sentaku_x = 0, sentaku_y = 0;   // the cell last picked
  int moto_x = 0, moto_y = 0, saki_x = 0, saki_y = 0;  // source and destination
  int ugoki_koma = 0;                 // the picked piece's code
};

// The background, the move guidance and the colours.
struct Appearance {
  int haikei = HAIKEI_MIDORI;  // background picture
  int sidou_on = NG;           // move guidance
  int haikei_iro = IRO_MIDORI, masu_iro = IRO_MIDORI, sidou_iro = IRO_MIDORI,
      moji_iro = IRO_SHIRO;
};

// The influence survey of the board as it stood at the last survey.
struct Survey {
  Table seiryoku_sita{}, seiryoku_ue{};  // how many bottom / top pieces bear on a square
  Table kogeki_su_sita{};                // bottom pieces bearing on a top piece
  Table kogeki_koma_sita = filled(-999), kogeki_x_sita{}, kogeki_y_sita{};
  Table mamori_koma_sita = filled(999), mamori_koma_ue = filled(999);
  Table mamori_x_ue{}, mamori_y_ue{};
  Table kogeki_koma_ue = filled(999), kogeki_x_ue{}, kogeki_y_ue{};
  Table oute_sita{}, oute_ue{};  // check maps against the top and the bottom king
};

// The computer's tables, kept between its turns.
struct ComputerScratch {
  Table kaku_nerai_ue{}, fuka_sita{}, fuka_ue{}, ban_mae{};
  int fuka_ue_ari = NG, nigemichi_su = 0;
};

struct Game {
  Position pos;

  // Side values. TEBAN_SENTE and TEBAN_GOTE mean the side that moves first and second (+1 and
  // -1 until a record says otherwise); SITA and UE are the bottom and the top player's side
  // values for this game; teban is the side to move.
  int TEBAN_SENTE = 1, TEBAN_GOTE = -1;
  int SITA = -1, UE = 1;
  int teban = TEBAN_NASI;

  int taikyoku_mode = MODE_MAN;
  int tesu = 0;   // moves made, as shown
  int level = 3;  // the computer's strength, 1..3
  int ou_tori = TEBAN_NASI;  // the side that took a king
  int nari_koma = 0;         // the promoted code found by the last promotion test

  // Suspension, record display, flip and handicap.
  int chudan = NG, kifu_mode = NG, hanten = NG;
  int hande_level = 0, hande_settei = NG;

  Record record;
  Clock clock;
  Selection sel;
  Appearance look;
  Survey survey;
  ComputerScratch com;
};

// Every square and hand count cleared, the starting position set, the hand totals recomputed.
void set_starting_position(Position& p);

}  // namespace hakuro
