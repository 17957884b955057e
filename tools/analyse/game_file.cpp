#include "game_file.h"

#include <algorithm>
#include <cctype>

#include "record/file.h"
#include "record/kif_file.h"

namespace hakuro::analyse {

namespace {

bool ends_with(std::string s, std::string end, bool any_case) {
  if (s.size() < end.size()) return false;
  s = s.substr(s.size() - end.size());
  if (any_case)
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
  return s == end;
}

std::string kif_problem(const KifRead& r) {
  const std::string at = r.line > 0 ? " at line " + std::to_string(r.line) : "";
  switch (r.problem) {
    case KifProblem::none: return "";
    case KifProblem::unreadable: return "cannot be read";
    case KifProblem::too_large: return "is too large for a KIF file";
    case KifProblem::too_many_moves: return "has too many moves" + at;
    case KifProblem::not_kif: return "is not a KIF file";
    case KifProblem::bad_line: return "is not a KIF file" + at;
    case KifProblem::impossible_start: return "has an impossible start position" + at;
    case KifProblem::wrong_move: return "has an illegal move" + at;
  }
  return "cannot be read";
}

GameRead read_kif_game(const std::string& path) {
  const KifRead r = load_kif(path);
  if (r.problem != KifProblem::none) return {{}, kif_problem(r)};
  GameRead g;
  g.game.start = r.game.start;
  g.game.top_first = r.game.top_first;
  g.game.sente_top = kif_sides(r.game.start, r.game.top_first, r.game.gote_to_move).sente_top;
  for (const RecordMove& m : r.game.moves) g.game.moves.push_back(m.move);
  return g;
}

GameRead read_record_game(const std::string& path) {
  const Loaded l = load_record_file(path);
  switch (l.status) {
    case Loaded::Status::ok: break;
    case Loaded::Status::unreadable: return {{}, "cannot be read"};
    case Loaded::Status::bad_line:
      return {{}, "has a bad or illegal move at line " + std::to_string(l.bad_line)};
    case Loaded::Status::no_moves: return {{}, "holds no moves"};
  }
  GameRead g;
  g.game.start = full_position();
  g.game.top_first = l.record.moves.front().move.by_top();
  g.game.sente_top = kif_sides(g.game.start, g.game.top_first).sente_top;
  for (const RecordMove& m : l.record.moves) g.game.moves.push_back(m.move);
  return g;
}

}  // namespace

GameRead read_game_file(const std::string& path) {
  GameRead g;
  if (ends_with(path, ".kif", true) || ends_with(path, ".kifu", true)) g = read_kif_game(path);
  else if (ends_with(path, ".棋譜", false)) g = read_record_game(path);
  else g.error = "is not a record file (.kif, .kifu or .棋譜)";
  if (!g.error.empty()) g.error = path + ": " + g.error;
  return g;
}

}  // namespace hakuro::analyse
