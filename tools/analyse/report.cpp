#include "report.h"

#include <cstdio>
#include <cstdlib>

#include "record/notation.h"
#include "review/texts.h"

namespace hakuro::analyse {

namespace {

std::string json_string(const std::string& s) {
  std::string out = "\"";
  for (const char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(c));
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string json_list(const std::vector<std::string>& items) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + json_string(items[i]);
  return out + "]";
}

// score, score_text, mate, best, best_usi and pv: a score, and the engine's line from the
// position before the move (the start's own for the start).
std::string json_verdict(engine::Value sente_view, const std::vector<Move>& line, Square previous,
                         bool sente_top) {
  const int mate = mate_plies(sente_view);
  const bool has_best = !line.empty();
  return "\"score\": " + std::to_string(sente_view) +
         ", \"score_text\": " + json_string(score_text(sente_view)) +
         ", \"mate\": " + (mate ? std::to_string(mate) : "null") + ", \"best\": " +
         (has_best ? json_string(notation(line.front(), previous, sente_top)) : "null") +
         ", \"best_usi\": " + (has_best ? json_string(usi_text(line.front(), sente_top)) : "null") +
         ", \"pv\": " + json_list(line_notation(line, previous, sente_top));
}

std::string json_move(const GameMoves& g, const Analysis& a, std::size_t n) {
  const Move& m = g.moves[n - 1];
  const MoveVerdict& v = a.moves[n - 1];
  const bool by_sente = m.by_top() == g.sente_top;
  const std::string mark = mark_text(v.mark);
  return "{\"number\": " + std::to_string(n) +
         ", \"mover\": " + json_string(by_sente ? "sente" : "gote") +
         ", \"move\": " + json_string(notation(m, previous_to(g, n), g.sente_top)) +
         ", \"usi\": " + json_string(usi_text(m, g.sente_top)) + ", " +
         json_verdict(sente_score(a.positions[n], g.sente_top), a.positions[n - 1].pv,
                      previous_to(g, n), g.sente_top) +
         ", \"loss\": " + std::to_string(v.loss) +
         ", \"mark\": " + (mark.empty() ? "null" : json_string(mark)) + "}";
}

std::string json_summary(const GameMoves& g, const Analysis& a, bool sente) {
  const MarkCount c = mark_count(g, a, sente);
  return "{\"blunders\": " + std::to_string(c.blunders) +
         ", \"dubious\": " + std::to_string(c.dubious) + "}";
}

}  // namespace

std::string usi_text(const Move& m, bool sente_top) {
  const auto square = [sente_top](Square s) {
    const FileRank fr = file_rank(s, sente_top);
    return std::string{char('0' + fr.file), char('a' + fr.rank - 1)};
  };
  if (m.is_drop()) return std::string{" PLNSGBR"[m.kind()], '*'} + square(m.to);
  return square(m.square()) + square(m.to) + (m.promotes() ? "+" : "");
}

std::string text_report(const GameMoves& g, const Analysis& a) {
  std::string out;
  for (std::size_t n = 1; n <= g.moves.size(); ++n) {
    const Square previous = previous_to(g, n);
    const std::string mark = mark_text(a.moves[n - 1].mark);
    const std::vector<Move>& best = a.positions[n - 1].pv;
    out += std::to_string(n) + " " + notation(g.moves[n - 1], previous, g.sente_top) + " " +
           score_text(sente_score(a.positions[n], g.sente_top)) + (mark.empty() ? "" : " " + mark) +
           " best " + (best.empty() ? "-" : notation(best.front(), previous, g.sente_top)) + "\n";
  }
  return out;
}

std::string json_report(const GameMoves& g, const Analysis& a, const RunInfo& run) {
  const std::string budget = run.budget.milliseconds > 0
                                 ? "{\"movetime\": " + std::to_string(run.budget.milliseconds) + "}"
                                 : "{\"nodes\": " + std::to_string(run.budget.nodes) + "}";
  std::string out =
      "{\n  \"file\": " + json_string(run.file) +
      ",\n  \"rules\": " + json_string(run.rules == engine::Rules::standard ? "standard" : "own") +
      ",\n  \"budget\": " + budget + ",\n  \"start\": {" +
      json_verdict(sente_score(a.positions[0], g.sente_top), a.positions[0].pv, Square{},
                   g.sente_top) +
      "},\n  \"moves\": [";
  for (std::size_t n = 1; n <= g.moves.size(); ++n)
    out += (n > 1 ? ",\n    " : "\n    ") + json_move(g, a, n);
  out += g.moves.empty() ? "],\n" : "\n  ],\n";
  return out + "  \"summary\": {\"sente\": " + json_summary(g, a, true) +
         ", \"gote\": " + json_summary(g, a, false) + "}\n}\n";
}

}  // namespace hakuro::analyse
