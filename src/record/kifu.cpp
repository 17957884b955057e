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

void record_move(Game& g, const Move& move, DropRow row, const MoveTimes& times) {
  Record& r = g.record;
  const int n = r.current_move() + 1;
  RecordMove m{move, times.bottom_before, times.bottom_after, times.top_before, times.top_after,
               row};
  const auto [to_x, to_y] = move.to;
  m.move.captured = on_board(to_x, to_y) ? g.pos.board[to_x][to_y] : KARA;
  r.record(n, m);
  r.show(n);
  r.set_computer_level(g.play_mode == MODE_COM ? g.level : 0);
  r.set_bottom_level(g.play_mode == MODE_COM ? g.bottom_level : 0);
  if (n == 1) {
    r.set_top_first(is_top(move.piece));
    r.set_start_level(r.computer_level());
  } else if (r.computer_level() > 0 && level_after(r, n - 1) != r.computer_level()) {
    // A change made after a move since given up.
    set_level_comment(r, n - 1, r.computer_level());
  }
}

void note_level_change(Game& g, int level) {
  const bool playing = g.play_mode == MODE_COM && g.side_to_move != TEBAN_NASI &&
                       g.record_mode != OK && g.record.end().reason == EndReason::none;
  if (playing && level != g.level) set_level_comment(g.record, g.record.current_move(), level);
}

int level_told(std::string_view line) {
  const bool told = line.size() == kLevelComment.size() + 1 && line.starts_with(kLevelComment) &&
                    line.back() >= '1' && line.back() <= '5';
  return told ? line.back() - '0' : 0;
}

int level_after(const Record& r, int n) {
  int level = r.start_level();
  for (int k = 0; k <= n; ++k)
    for (const std::string& line : lines_of(r.comment(k)))
      if (const int told = level_told(line); told > 0) level = told;
  return level;
}

GameEnd end_of(const std::vector<RecordMove>& moves) {
  if (moves.empty()) return {};
  const int taken = moves.back().move.captured;
  if (taken == OU) return {EndReason::king_taken, false};
  if (taken == -OU) return {EndReason::king_taken, true};
  return {};
}

}  // namespace hakuro
