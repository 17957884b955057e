// Moves and squares in the usual shogi notation (▲７六歩, △同　銀, ▲５五角打), shared by the KIF
// files and the window's move list.
//
// Shogi names squares by file (1 to 9 from 先手's right) and rank (1 to 9 from the side away from
// 先手). 先手 sits at the bottom of the board unless it is the top player (sente_top): then the
// board is read turned round, so that the files and ranks are still the usual ones seen from 先手.
#pragma once

#include <string>

#include "state/game.h"

namespace hakuro {

struct FileRank {
  int file = 0, rank = 0;
};

FileRank file_rank(Square s, bool sente_top);
Square square_of(FileRank fr, bool sente_top);
// Whether the piece code belongs to 先手.
bool is_sente_piece(int code, bool sente_top);

// 歩 香 桂 銀 金 角 飛 玉, と 成香 成桂 成銀 馬 龍; empty for no piece.
std::string piece_name(int code);
// The one-character name a board diagram uses: as piece_name but 杏 圭 全 for the promoted lance,
// knight and silver.
std::string piece_letter(int code);
// 一 … 九, 十 … 十八: ranks and counts of pieces in hand.
std::string kanji_number(int n);
// １ … ９: files.
std::string wide_digit(int n);

// Whether the piece might have promoted on this move (the rules' own test).
bool promotion_was_possible(const Move& m);

// ▲ when 先手 made the move, △ when 後手 did.
std::string side_mark(const Move& m, bool sente_top);
// The move without its mark: the destination (同　 when it is the previous move's destination),
// the piece as it stood before the move, then 打 for a drop, 成 for a promotion, 不成 where the
// piece might have promoted and did not.
std::string move_text(const Move& m, bool may_promote, Square previous_to, bool sente_top);
// The source square as two digits in brackets, "(77)"; empty for a drop.
std::string move_source(const Move& m, bool sente_top);

}  // namespace hakuro
