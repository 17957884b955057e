#include "record/kifu.h"

#include <sstream>

namespace hakuro {

std::vector<std::string> lines_of(const std::string& comment) {
  std::vector<std::string> lines;
  std::istringstream in(comment);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

namespace {

// The comment of move n tells `level`, in place of any level it told.
void set_level_comment(Record& r, int n, int level) {
  std::string kept;
  for (const std::string& line : lines_of(r.comment(n)))
    if (level_told(line) == 0) kept += line + '\n';
  r.set_comment(n, kept + std::string(kLevelComment) + std::to_string(level));
}

}  // namespace

void record_move(Game& g, int from_x, int from_y, int to_x, int to_y, int piece, int after_piece,
                 double sita_before, double sita_after, double ue_before, double ue_after) {
  Record& r = g.record;
  const int n = ++r.kifu_tesu;
  KifuMove& m = r.at(n);
  m.moto_x = from_x;
  m.moto_y = from_y;
  m.saki_x = to_x;
  m.saki_y = to_y;
  m.koma = piece;
  m.ato_koma = after_piece;
  m.tori_koma = on_board(to_x, to_y) ? g.pos.ban[to_x][to_y] : KARA;
  m.jikan_sita_mae = sita_before;
  m.jikan_sita_ato = sita_after;
  m.jikan_ue_mae = ue_before;
  m.jikan_ue_ato = ue_after;
  r.saigo_tesu = n;
  r.end = {};
  // The comments of the moves given up go with them.
  if (r.comments.size() > static_cast<std::size_t>(n))
    r.comments.resize(static_cast<std::size_t>(n));
  r.com_level = g.taikyoku_mode == MODE_COM ? g.level : 0;
  if (n == 1) {
    r.ue_sente = is_top(piece);
    r.start_level = r.com_level;
  } else if (r.com_level > 0 && level_after(r, n - 1) != r.com_level) {
    // A change made after a move since given up.
    set_level_comment(r, n - 1, r.com_level);
  }
}

void note_level_change(Game& g, int level) {
  const bool playing = g.taikyoku_mode == MODE_COM && g.teban != TEBAN_NASI &&
                       g.kifu_mode != OK && g.record.end.reason == EndReason::none;
  if (playing && level != g.level) set_level_comment(g.record, g.record.kifu_tesu, level);
}

int level_told(std::string_view line) {
  const bool told = line.size() == kLevelComment.size() + 1 && line.starts_with(kLevelComment) &&
                    line.back() >= '1' && line.back() <= '5';
  return told ? line.back() - '0' : 0;
}

int level_after(const Record& r, int n) {
  int level = r.start_level;
  for (int k = 0; k <= n; ++k)
    for (const std::string& line : lines_of(r.comment(k)))
      if (const int told = level_told(line); told > 0) level = told;
  return level;
}

GameEnd end_of(const std::vector<KifuMove>& moves) {
  if (moves.empty()) return {};
  const int taken = moves.back().tori_koma;
  if (taken == OU) return {EndReason::king_taken, false};
  if (taken == -OU) return {EndReason::king_taken, true};
  return {};
}

}  // namespace hakuro
