// An analysis as a person reads it, one line a move, or as one JSON document for programs.
//
// Scores are centipawns from 先手's view, "+35", "-245", "0". A mate the engine sees is "+M5" or
// "-M5": 先手 (+) or 後手 (-) wins in that many plies, counted up to the king's capture under the
// own rule, to the checkmate under the standard rules; "M0" once the game is already lost.
#pragma once

#include <string>
#include <vector>

#include "game_file.h"
#include "review/analyse.h"
#include "review/texts.h"

namespace hakuro::analyse {

// A move in USI's form, "7g7f", "8h2b+", "P*5e", with files and ranks seen from 先手.
std::string usi_text(const Move& m, bool sente_top);

// "12 △同　銀 -245 悪手 best ▲５五角" for every move, the mark left out when there is none.
std::string text_report(const GameMoves& game, const Analysis& a);

// What the JSON document says of the run itself.
struct RunInfo {
  std::string file;
  engine::Rules rules = engine::Rules::own;
  Budget budget;
};
// One document: the run, the start's verdict, every move's (number, mover, move, usi, score,
// score_text, mate, best, best_usi, loss, mark, pv) and each player's count of marks.
std::string json_report(const GameMoves& game, const Analysis& a, const RunInfo& run);

}  // namespace hakuro::analyse
