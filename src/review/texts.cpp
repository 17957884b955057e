#include "review/texts.h"

#include <cstdlib>

#include "record/notation.h"

namespace hakuro::analyse {

Square previous_to(const GameMoves& g, std::size_t n) {
  return n > 1 ? g.moves[n - 2].to : Square{};
}

std::string notation(const Move& m, Square previous, bool sente_top) {
  return side_mark(m, sente_top) + move_text(m, promotion_was_possible(m), previous, sente_top);
}

std::vector<std::string> line_notation(const std::vector<Move>& pv, Square previous,
                                       bool sente_top) {
  std::vector<std::string> out;
  for (const Move& m : pv) {
    out.push_back(notation(m, previous, sente_top));
    previous = m.to;
  }
  return out;
}

int mate_plies(engine::Value v) {
  if (!engine::is_decisive(v)) return 0;
  const int plies = engine::WIN - std::abs(v);
  return v > 0 ? plies : -plies;
}

std::string score_text(engine::Value v) {
  const int mate = mate_plies(v);
  if (engine::is_decisive(v)) return (v > 0 ? "+M" : "-M") + std::to_string(std::abs(mate));
  return (v > 0 ? "+" : "") + std::to_string(v);
}

MarkCount mark_count(const GameMoves& g, const Analysis& a, bool sente) {
  MarkCount c;
  for (std::size_t i = 0; i < g.moves.size() && i < a.moves.size(); ++i) {
    if ((g.moves[i].by_top() == g.sente_top) != sente) continue;
    c.blunders += a.moves[i].mark == Mark::blunder;
    c.dubious += a.moves[i].mark == Mark::dubious;
  }
  return c;
}

std::vector<std::string> kif_comments(const GameMoves& g, const Analysis& a) {
  std::vector<std::string> out;
  for (std::size_t n = 0; n < a.positions.size(); ++n) {
    const engine::Value score = sente_score(a.positions[n], g.sente_top);
    const std::vector<Move>& pv = a.positions[n].pv;
    const Square previous = n >= 1 ? g.moves[n - 1].to : Square{};
    out.push_back("解析 評価値 " +
                  (engine::is_decisive(score) ? score_text(score) : std::to_string(score)) +
                  " 最善 " + (pv.empty() ? "-" : notation(pv.front(), previous, g.sente_top)));
  }
  return out;
}

}  // namespace hakuro::analyse
