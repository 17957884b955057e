#include <array>
#include <cstdio>
#include <string>

#include "record/kif.h"
#include "record/position_check.h"

namespace hakuro {

namespace {

constexpr const char* kEol = "\r\n";
constexpr std::size_t kMoveColumn = 13;  // the move and its source, padded to this width
constexpr std::array<int, 7> kHandOrder = {7, 6, 5, 4, 3, 2, 1};  // 飛 角 金 銀 桂 香 歩

std::string format(const char* f, auto... v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, f, v...);
  return buf;
}

// Names and titles stay on their line.
std::string one_line(std::string s) {
  for (char& c : s)
    if (c == '\r' || c == '\n') c = ' ';
  return s;
}

std::string player_line(const KifPlayer& p, const char* label) {
  std::string shown = one_line(p.name);
  if (shown.empty()) {
    switch (p.role) {
      case Role::you: shown = "あなた"; break;
      case Role::computer: shown = "コンピュータ(LEVEL " + std::to_string(p.level) + ")"; break;
      case Role::person: shown = label; break;
    }
  }
  return std::string(label) + "：" + shown + kEol;
}

// A span of whole seconds as hours, minutes and seconds: 1時間30分, 10分, 30秒.
std::string duration(int seconds) {
  std::string s;
  if (seconds >= 3600) s += std::to_string(seconds / 3600) + "時間";
  if (seconds % 3600 >= 60) s += std::to_string(seconds % 3600 / 60) + "分";
  if (seconds % 60 > 0 || s.empty()) s += std::to_string(seconds % 60) + "秒";
  return s;
}

// 持ち時間：10分 秒読み30秒, 10分 1手10秒加算 or 10分 切れ負け.
std::string time_control_line(const TimeControl& c) {
  std::string s = "持ち時間：" + duration(c.main);
  if (c.byoyomi > 0) s += " 秒読み" + duration(c.byoyomi);
  if (c.increment > 0) s += " 1手" + duration(c.increment) + "加算";
  if (c.byoyomi == 0 && c.increment == 0) s += " 切れ負け";
  return s + kEol;
}

std::string hand_line(const Hand& hand, const char* label) {
  std::string pieces;
  for (int k : kHandOrder) {
    const int n = hand[static_cast<std::size_t>(k)];
    if (n <= 0) continue;
    if (!pieces.empty()) pieces += "　";
    pieces += piece_name(KIND_CODE[static_cast<std::size_t>(k)]);
    if (n > 1) pieces += kanji_number(n);
  }
  return std::string(label) + "の持駒：" + (pieces.empty() ? "なし" : pieces) + kEol;
}

std::string diagram(const Position& p, bool sente_top) {
  std::string s = hand_line(sente_top ? p.bottom_hand : p.top_hand, "後手");
  s += std::string("  ９ ８ ７ ６ ５ ４ ３ ２ １") + kEol;
  s += std::string("+---------------------------+") + kEol;
  for (int rank = 1; rank <= 9; ++rank) {
    s += "|";
    for (int file = 9; file >= 1; --file) {
      const Square sq = square_of({file, rank}, sente_top);
      const int c = p.board[sq.x][sq.y];
      if (c == KARA) s += " ・";
      else s += (is_sente_piece(c, sente_top) ? " " : "v") + piece_letter(c);
    }
    s += "|" + kanji_number(rank) + kEol;
  }
  s += std::string("+---------------------------+") + kEol;
  return s + hand_line(sente_top ? p.top_hand : p.bottom_hand, "先手");
}

// Whole seconds of an accumulated time.
long long whole(double t) { return t > 0 && t < 1e12 ? static_cast<long long>(t) : 0; }

std::string time_column(const RecordMove& m) {
  const bool top = m.move.by_top();
  const long long total = whole(top ? m.top_time_after : m.bottom_time_after);
  const long long before = whole(top ? m.top_time_before : m.bottom_time_before);
  const long long own = total > before ? total - before : 0;
  return format("(%2lld:%02lld/%02lld:%02lld:%02lld)", own / 60, own % 60, total / 3600,
                total / 60 % 60, total % 60);
}

// Display width: a character outside ASCII takes two columns.
std::size_t width(const std::string& s) {
  std::size_t w = 0;
  for (unsigned char c : s) {
    if (c < 0x80) w += 1;
    else if ((c & 0xC0) != 0x80) w += 2;
  }
  return w;
}

// Each line of a comment as a "*" line.
std::string comment_lines(const std::string& comment) {
  std::string s;
  std::size_t begin = 0;
  while (begin < comment.size()) {
    std::size_t end = comment.find('\n', begin);
    if (end == std::string::npos) end = comment.size();
    std::string line = comment.substr(begin, end - begin);
    std::erase(line, '\r');
    s += "*" + line + kEol;
    begin = end + 1;
  }
  return s;
}

std::string comment_after(const KifGame& g, std::size_t n) {
  return n < g.comments.size() ? comment_lines(g.comments[n]) : std::string();
}

std::string move_line(int n, const RecordMove& m, Square previous_to, bool sente_top) {
  std::string text = move_text(m.move, promotion_was_possible(m.move), previous_to, sente_top) +
                     move_source(m.move, sente_top);
  text.append(width(text) < kMoveColumn ? kMoveColumn - width(text) : 1, ' ');
  return format("%4d ", n) + text + time_column(m) + kEol;
}

// The word of the line after the last move: 投了 or 詰み when the side to move lost so, 千日手,
// 反則勝ち or 反則負け as the side to move won or lost by a foul; nothing for any other end.
const char* end_word(const KifGame& g) {
  const bool top_to_move = g.top_first == (g.moves.size() % 2 == 0);
  const bool mover_lost = g.winner == (top_to_move ? Winner::bottom : Winner::top);
  switch (g.end) {
    case KifEnd::resigned: return mover_lost ? "投了" : nullptr;
    case KifEnd::mated: return mover_lost ? "詰み" : nullptr;
    case KifEnd::repetition: return "千日手";
    case KifEnd::time_out: return mover_lost ? "切れ負け" : nullptr;
    case KifEnd::foul:
      if (g.winner == Winner::none) return nullptr;
      return mover_lost ? "反則負け" : "反則勝ち";
    case KifEnd::none: break;
  }
  return nullptr;
}

}  // namespace

std::string write_kif(const KifGame& g) {
  const KifSides sides = kif_sides(g.start, g.top_first, g.gote_to_move);
  const bool handicap = sides.handicap != nullptr;
  std::string s;
  if (g.started) {
    const DateTime& t = *g.started;
    s += "開始日時：" +
         format("%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second) +
         kEol;
  }
  if (g.time_control.on()) s += time_control_line(g.time_control);
  if (same_position(g.start, full_position())) {
    s += std::string("手合割：平手") + kEol;
  } else {
    if (handicap) s += std::string("手合割：") + sides.handicap + kEol;
    s += diagram(g.start, sides.sente_top);
  }
  // 後手 moves first, not being 上手 of a handicap.
  if (!handicap && sides.sente_top != g.top_first) s += std::string("後手番") + kEol;
  const KifPlayer& sente = sides.sente_top ? g.top : g.bottom;
  const KifPlayer& gote = sides.sente_top ? g.bottom : g.top;
  s += player_line(sente, handicap ? "下手" : "先手");
  s += player_line(gote, handicap ? "上手" : "後手");
  if (!g.title.empty()) s += "棋戦：" + one_line(g.title) + kEol;
  s += std::string("手数----指手---------消費時間--") + kEol;
  s += comment_after(g, 0);

  Square previous_to;
  for (std::size_t i = 0; i < g.moves.size(); ++i) {
    const RecordMove& m = g.moves[i];
    s += move_line(static_cast<int>(i) + 1, m, previous_to, sides.sente_top);
    s += comment_after(g, i + 1);
    previous_to = m.move.to;
  }
  const std::string last = format("%4d ", static_cast<int>(g.moves.size()) + 1);
  if (const char* word = end_word(g)) s += last + word + kEol;
  if (g.end == KifEnd::repetition) {
    s += "まで" + std::to_string(g.moves.size()) + "手で千日手" + kEol;
  } else if (g.winner != Winner::none) {
    const bool sente_won = (g.winner == Winner::top) == sides.sente_top;
    const char* who = sente_won ? (handicap ? "下手" : "先手") : (handicap ? "上手" : "後手");
    s += "まで" + std::to_string(g.moves.size()) + "手で" + who + "の勝ち" + kEol;
  }
  return s;
}

}  // namespace hakuro
