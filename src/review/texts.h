// An analysis in words: moves and lines in the usual notation, scores, each player's marks.
#pragma once

#include <string>
#include <vector>

#include "review/analyse.h"

namespace hakuro::analyse {

// The destination of the move before move n (1 from the first), for 同.
Square previous_to(const GameMoves& g, std::size_t n);

// ▲７六歩, △同　銀: the move with its mover's mark.
std::string notation(const Move& m, Square previous, bool sente_top);

// The line in notation, each move's 同 told by the one before.
std::vector<std::string> line_notation(const std::vector<Move>& pv, Square previous,
                                       bool sente_top);

// The mate's distance in plies, signed as the score; 0 when the score is no mate.
int mate_plies(engine::Value v);

// The score's text, the engine's value from 先手's view: +123, -45, +M5.
std::string score_text(engine::Value sente_view);

struct MarkCount {
  int blunders = 0, dubious = 0;
};
// The marks of 先手's moves (`sente`) or 後手's.
MarkCount mark_count(const GameMoves& g, const Analysis& a, bool sente);

// The analysis as comments of a KIF file, [n] after move n ([0] before the first): the score
// of the position and the best move in it, "解析 評価値 123 最善 ▲７六歩", which the file shows
// as a "*" line.
std::vector<std::string> kif_comments(const GameMoves& g, const Analysis& a);

}  // namespace hakuro::analyse
