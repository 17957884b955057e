// The usual handicaps, and which side a KIF file calls 先手.
#include <array>

#include "record/kif.h"
#include "record/position_check.h"

namespace hakuro {

namespace {

// The squares (file and rank, seen from 下手) of the pieces 上手 leaves out.
struct Handicap {
  const char* name;
  std::array<FileRank, 10> removed;  // up to the first {0, 0}
};

// Rook 8二, bishop 2二, lances 1一 and 9一, knights 8一 and 2一, silvers 7一 and 3一, golds.
const std::array<Handicap, 15> kHandicaps = {{
    {"香落ち", {{{1, 1}}}},
    {"右香落ち", {{{9, 1}}}},
    {"角落ち", {{{2, 2}}}},
    {"飛車落ち", {{{8, 2}}}},
    {"飛香落ち", {{{8, 2}, {1, 1}}}},
    {"二枚落ち", {{{8, 2}, {2, 2}}}},
    {"三枚落ち", {{{8, 2}, {2, 2}, {1, 1}}}},
    {"四枚落ち", {{{8, 2}, {2, 2}, {1, 1}, {9, 1}}}},
    {"五枚落ち", {{{8, 2}, {2, 2}, {1, 1}, {9, 1}, {8, 1}}}},
    {"左五枚落ち", {{{8, 2}, {2, 2}, {1, 1}, {9, 1}, {2, 1}}}},
    {"六枚落ち", {{{8, 2}, {2, 2}, {1, 1}, {9, 1}, {8, 1}, {2, 1}}}},
    {"左七枚落ち", {{{8, 2}, {2, 2}, {1, 1}, {9, 1}, {8, 1}, {2, 1}, {3, 1}}}},
    {"右七枚落ち", {{{8, 2}, {2, 2}, {1, 1}, {9, 1}, {8, 1}, {2, 1}, {7, 1}}}},
    {"八枚落ち", {{{8, 2}, {2, 2}, {1, 1}, {9, 1}, {8, 1}, {2, 1}, {7, 1}, {3, 1}}}},
    {"十枚落ち",
     {{{8, 2}, {2, 2}, {1, 1}, {9, 1}, {8, 1}, {2, 1}, {7, 1}, {3, 1}, {6, 1}, {4, 1}}}},
}};

// The handicap's start with 上手 on the side the file calls 後手.
Position handicap_position(const Handicap& h, bool sente_top) {
  Position p = full_position();
  for (const FileRank fr : h.removed) {
    if (fr.file == 0) break;
    const Square sq = square_of(fr, sente_top);
    p.board[sq.x][sq.y] = KARA;
  }
  complete_position(p);
  return p;
}

}  // namespace

KifSides kif_sides(const Position& start, bool top_first, bool gote_ban) {
  // 上手 moves first, so the side that did is written as 後手.
  for (const Handicap& h : kHandicaps)
    if (same_position(start, handicap_position(h, !top_first))) return {!top_first, h.name};
  return {top_first && !gote_ban, nullptr};
}

bool handicap_start(std::string_view name, Position& p) {
  for (const Handicap& h : kHandicaps)
    if (name == h.name) {
      p = handicap_position(h, false);
      return true;
    }
  return false;
}

}  // namespace hakuro
