#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/text_file.h"
#include "record/fit.h"
#include "record/kif.h"
#include "record/position_check.h"

namespace hakuro {

namespace {

// ---- Text -------------------------------------------------------------------------------------

// The length of the UTF-8 character at the start of s; 0 when s starts with no valid one.
std::size_t utf8_char(std::string_view s) {
  if (s.empty()) return 0;
  const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char c = b(0);
  std::size_t n = 0;
  unsigned min = 0, v = 0;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) n = 2, min = 0x80, v = c & 0x1F;
  else if (c >= 0xE0 && c <= 0xEF) n = 3, min = 0x800, v = c & 0x0F;
  else if (c >= 0xF0 && c <= 0xF4) n = 4, min = 0x10000, v = c & 0x07;
  else return 0;
  if (s.size() < n) return 0;
  for (std::size_t i = 1; i < n; ++i) {
    if ((b(i) & 0xC0) != 0x80) return 0;
    v = v << 6 | (b(i) & 0x3F);
  }
  if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  return n;
}

bool valid_utf8(std::string_view s) {
  for (std::size_t n; !s.empty(); s.remove_prefix(n))
    if ((n = utf8_char(s)) == 0) return false;
  return true;
}

// UTF-8 with each byte that starts no character replaced by '?'.
std::string clean_utf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  while (!s.empty()) {
    const std::size_t n = utf8_char(s);
    if (n == 0) out += '?';
    else out.append(s.substr(0, n));
    s.remove_prefix(n == 0 ? 1 : n);
  }
  return out;
}

std::string decode(std::string_view bytes, bool utf8_by_name) {
  constexpr std::string_view bom = "\xEF\xBB\xBF";
  if (bytes.substr(0, 3) == bom) return clean_utf8(bytes.substr(3));
  const std::string_view first = bytes.substr(0, bytes.find('\n'));
  if (first.substr(0, 4) == "#KIF") {
    const std::size_t at = first.find("encoding=");
    if (at != std::string_view::npos) {
      std::string enc;
      for (char c : first.substr(at + 9)) {
        if (c == ' ' || c == '\r' || c == '\t') break;
        enc += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c == '-' ? '_' : c);
      }
      if (enc == "UTF_8" || enc == "UTF8") return clean_utf8(bytes);
      if (enc == "SHIFT_JIS" || enc == "SJIS" || enc == "CP932" || enc == "WINDOWS_31J")
        return sjis_to_utf8(std::string(bytes));
    }
  }
  if (utf8_by_name || valid_utf8(bytes)) return clean_utf8(bytes);
  return sjis_to_utf8(std::string(bytes));
}

bool eat(std::string_view& s, std::string_view prefix) {
  if (s.substr(0, prefix.size()) != prefix) return false;
  s.remove_prefix(prefix.size());
  return true;
}

void skip_blanks(std::string_view& s) {
  while (eat(s, " ") || eat(s, "\t") || eat(s, "\r") || eat(s, "　")) {}
}

std::string_view trimmed(std::string_view s) {
  skip_blanks(s);
  while (!s.empty()) {
    if (s.back() == ' ' || s.back() == '\t' || s.back() == '\r') s.remove_suffix(1);
    else if (s.size() >= 3 && s.substr(s.size() - 3) == "　") s.remove_suffix(3);
    else break;
  }
  return s;
}

// One of the words, as its index; -1 when s starts with none of them.
template <std::size_t N>
int eat_one_of(std::string_view& s, const std::array<std::string_view, N>& words) {
  for (std::size_t i = 0; i < N; ++i)
    if (!words[i].empty() && eat(s, words[i])) return static_cast<int>(i);
  return -1;
}

// Digits 1..9 in half or full width; kanji numbers.
constexpr std::array<std::string_view, 10> kWideDigits = {"",   "１", "２", "３", "４",
                                                          "５", "６", "７", "８", "９"};
constexpr std::array<std::string_view, 10> kKanjiDigits = {"",   "一", "二", "三", "四",
                                                           "五", "六", "七", "八", "九"};

int eat_digit(std::string_view& s) {
  if (!s.empty() && s[0] >= '1' && s[0] <= '9') {
    const int d = s[0] - '0';
    s.remove_prefix(1);
    return d;
  }
  const int d = eat_one_of(s, kWideDigits);
  return d > 0 ? d : 0;
}

int eat_kanji_digit(std::string_view& s) {
  const int d = eat_one_of(s, kKanjiDigits);
  return d > 0 ? d : 0;
}

// A whole number of at most `most` half-width digits; -1 when there is none.
long long eat_number(std::string_view& s, std::size_t most) {
  std::size_t n = 0;
  long long v = 0;
  while (n < s.size() && n < most && s[n] >= '0' && s[n] <= '9') v = v * 10 + (s[n++] - '0');
  if (n == 0 || (n < s.size() && s[n] >= '0' && s[n] <= '9')) return -1;
  s.remove_prefix(n);
  return v;
}

// 一 … 十八 (and half-width digits): a count of pieces in hand; 0 when there is none.
int eat_count(std::string_view& s) {
  if (!s.empty() && s[0] >= '0' && s[0] <= '9') return static_cast<int>(eat_number(s, 2));
  int n = 0;
  if (const int tens = eat_kanji_digit(s); tens > 0) {
    if (!eat(s, "十")) return tens;
    n = tens * 10;
  } else if (eat(s, "十")) {
    n = 10;
  } else {
    return 0;
  }
  return n + eat_kanji_digit(s);
}

// ---- Pieces -----------------------------------------------------------------------------------

struct PieceName {
  std::string_view name;
  int code;  // the top player's
};
// Longest first, so that 成香 is not read as a bare 成.
constexpr std::array<PieceName, 19> kPieceNames = {{
    {"成香", KYOU_NARI}, {"成桂", KEI_NARI}, {"成銀", GIN_NARI}, {"歩", HU},
    {"香", KYOU},        {"桂", KEI},        {"銀", GIN},        {"金", KIN},
    {"角", KAKU},        {"飛", SYA},        {"玉", OU},         {"王", OU},
    {"と", HU_NARI},     {"杏", KYOU_NARI},  {"圭", KEI_NARI},   {"全", GIN_NARI},
    {"馬", KAKU_NARI},   {"龍", SYA_NARI},   {"竜", SYA_NARI},
}};

int eat_piece(std::string_view& s) {
  for (const PieceName& p : kPieceNames)
    if (eat(s, p.name)) return p.code;
  return 0;
}

bool droppable(int code) { return kind_index(code) != 0 && code % 2 == 0; }

// ---- Header -----------------------------------------------------------------------------------

// What the header says, gathered before the start is settled.
struct Header {
  std::string handicap;  // 手合割
  int handicap_line = 0;
  bool gote_first = false;  // a 後手番 line
  Position board;
  int board_line = 0;  // the top border of the diagram; 0 when there is none
  int rows = 0;        // diagram rows read
  bool board_closed = false;
  Hand hand_sente{}, hand_gote{};
  bool rest_sente = false, rest_gote = false;  // the hand holds every piece found nowhere else
  int hands_line = 0;
};

bool read_hand(std::string_view s, Hand& hand, bool& rest) {
  hand = {};
  s = trimmed(s);
  rest = s == "残りの駒全部" || s == "残り全部";
  if (s == "なし" || rest) return true;
  while (!s.empty()) {
    const int code = eat_piece(s);
    const int k = kind_index(code);
    if (!droppable(code) || hand[static_cast<std::size_t>(k)] != 0) return false;
    const int n = eat_count(s);
    hand[static_cast<std::size_t>(k)] = n == 0 ? 1 : n;
    if (n < 0 || n > 18) return false;
    skip_blanks(s);
  }
  return true;
}

// "|v香v桂 ・ ・ ・ ・ ・v桂v香|一": 先手's pieces stand at the bottom of the board.
bool read_row(std::string_view s, Header& h) {
  if (h.rows >= 9 || h.board_closed || !eat(s, "|")) return false;
  ++h.rows;
  for (int file = 9; file >= 1; --file) {
    const Square sq = square_of({file, h.rows}, false);
    bool gote = false;
    if (eat(s, "v") || eat(s, "V")) gote = true;
    else if (!eat(s, " ") && !eat(s, "^")) return false;
    if (eat(s, "・")) {
      if (gote) return false;
      continue;
    }
    const int code = eat_piece(s);
    if (code == 0) return false;
    h.board.board[sq.x][sq.y] = gote ? code : -code;
  }
  return eat(s, "|");
}

// Every piece of a set that is neither on the board nor in the other hand.
Hand rest_of_set(const Position& p, const Hand& other) {
  Hand rest = kPiecesInASet;
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) --rest[static_cast<std::size_t>(kind_index(p.board[x][y]))];
  for (std::size_t k = 1; k <= 7; ++k) rest[k] = std::max(0, rest[k] - other[k]);
  rest[0] = 0;
  return rest;
}

bool is_border(std::string_view s) {
  if (!eat(s, "+")) return false;
  while (eat(s, "-")) {}
  return trimmed(s) == "+";
}

// Parses 2024/05/01 10:00:00, with or without the seconds, the time or a weekday in brackets.
// 1時間30分, 10分, 30秒: whole seconds; nothing when no part is there.
std::optional<int> eat_duration(std::string_view& s) {
  long long total = 0;
  bool any = false;
  for (const auto& [unit, seconds] : {std::pair{"時間", 3600}, {"分", 60}, {"秒", 1}}) {
    std::string_view rest = s;
    const long long n = eat_number(rest, 5);
    if (n < 0 || !eat(rest, unit)) continue;
    total += n * seconds;
    any = true;
    s = rest;
  }
  if (!any || total > 99 * 3600) return std::nullopt;
  return static_cast<int>(total);
}

// 持ち時間 as this program writes it: 10分 秒読み30秒, 10分 1手10秒加算, 10分 切れ負け; none for
// any other text.
TimeControl read_time_control(std::string_view s) {
  TimeControl c;
  const std::optional<int> main = eat_duration(s);
  if (!main) return {};
  c.main = *main;
  skip_blanks(s);
  if (eat(s, "秒読み")) {
    const std::optional<int> b = eat_duration(s);
    if (!b) return {};
    c.byoyomi = *b;
    skip_blanks(s);
  }
  if (eat(s, "1手")) {
    const std::optional<int> i = eat_duration(s);
    if (!i || !eat(s, "加算")) return {};
    c.increment = *i;
    skip_blanks(s);
  }
  if (c.byoyomi == 0 && c.increment == 0 && !eat(s, "切れ負け")) return {};
  if (!trimmed(s).empty()) return {};
  return c;
}

std::optional<DateTime> read_date(std::string_view s) {
  DateTime t;
  const long long y = eat_number(s, 4);
  if (y < 1 || !eat(s, "/")) return std::nullopt;
  const long long mo = eat_number(s, 2);
  if (!eat(s, "/")) return std::nullopt;
  const long long d = eat_number(s, 2);
  if (mo < 1 || mo > 12 || d < 1 || d > 31) return std::nullopt;
  t.year = static_cast<int>(y);
  t.month = static_cast<int>(mo);
  t.day = static_cast<int>(d);
  if (eat(s, "(") || eat(s, "（")) {  // the weekday
    std::size_t close = std::min(s.find(")"), s.find("）"));
    if (close == std::string_view::npos) return std::nullopt;
    s.remove_prefix(close);
    if (!eat(s, ")")) eat(s, "）");
  }
  skip_blanks(s);
  if (s.empty()) return t;
  const long long hh = eat_number(s, 2);
  if (hh < 0 || hh > 23 || !eat(s, ":")) return std::nullopt;
  const long long mm = eat_number(s, 2);
  if (mm < 0 || mm > 59) return std::nullopt;
  long long ss = 0;
  if (eat(s, ":") && ((ss = eat_number(s, 2)) < 0 || ss > 59)) return std::nullopt;
  if (!trimmed(s).empty()) return std::nullopt;
  t.hour = static_cast<int>(hh);
  t.minute = static_cast<int>(mm);
  t.second = static_cast<int>(ss);
  return t;
}

// ---- Moves ------------------------------------------------------------------------------------

constexpr std::array<std::string_view, 9> kEndWords = {
    "投了", "詰み", "中断", "千日手", "持将棋", "切れ負け", "反則勝ち", "反則負け", "入玉勝ち"};
// Whether the side to move wins (+1), loses (-1) or neither (0) by each end word.
constexpr std::array<int, 9> kEndWinner = {-1, -1, 0, 0, 0, -1, 1, -1, 1};
// What each end word tells of how the game ended.
constexpr std::array<KifEnd, 9> kEndKind = {KifEnd::resigned,   KifEnd::mated, KifEnd::none,
                                            KifEnd::repetition, KifEnd::none,  KifEnd::time_out,
                                            KifEnd::foul,       KifEnd::foul,  KifEnd::none};

struct KifMoveText {
  bool same = false;  // 同: onto the previous move's destination
  FileRank to;
  int code = 0;  // the piece before the move, as the top player's code
  enum { plain, promote, no_promote, drop } suffix = plain;
  bool has_from = false;
  FileRank from;
  bool has_time = false;
  long long own = 0, total = 0;
};

bool read_time(std::string_view& s, KifMoveText& m) {
  if (!eat(s, "(")) return false;
  skip_blanks(s);
  const long long om = eat_number(s, 6);
  if (om < 0 || !eat(s, ":")) return false;
  const long long os = eat_number(s, 2);
  skip_blanks(s);
  if (os < 0 || !eat(s, "/")) return false;
  skip_blanks(s);
  const long long th = eat_number(s, 6);
  if (th < 0 || !eat(s, ":")) return false;
  const long long tm = eat_number(s, 2);
  if (tm < 0 || !eat(s, ":")) return false;
  const long long ts = eat_number(s, 2);
  skip_blanks(s);
  if (ts < 0 || !eat(s, ")")) return false;
  m.has_time = true;
  m.own = om * 60 + os;
  m.total = th * 3600 + tm * 60 + ts;
  return true;
}

// "７六歩(77)   ( 0:05/00:00:05)", "同　銀(31)", "５五角打", "２二角成(88)+".
bool read_move_text(std::string_view s, KifMoveText& m) {
  if (eat(s, "同") || eat(s, "仝")) {
    m.same = true;
    skip_blanks(s);
  } else {
    m.to.file = eat_digit(s);
    m.to.rank = eat_kanji_digit(s);
    if (m.to.file == 0 || m.to.rank == 0) return false;
  }
  m.code = eat_piece(s);
  if (m.code == 0) return false;
  if (eat(s, "不成")) m.suffix = KifMoveText::no_promote;
  else if (eat(s, "成")) m.suffix = KifMoveText::promote;
  else if (eat(s, "打")) m.suffix = KifMoveText::drop;
  if (eat(s, "(")) {
    m.has_from = true;
    m.from.file = eat_digit(s);
    m.from.rank = eat_digit(s);
    if (m.from.file == 0 || m.from.rank == 0 || !eat(s, ")")) return false;
  }
  skip_blanks(s);
  if (!s.empty() && s[0] == '(' && !read_time(s, m)) return false;
  skip_blanks(s);
  eat(s, "+");  // a branch starts here
  return trimmed(s).empty();
}

// The record's move for the text, read off the scratch position; false when it cannot be one.
bool build_move(const KifMoveText& t, const Game& g, bool top, Square previous_to, Move& m) {
  const int sign = top ? 1 : -1;
  const Square to = t.same ? previous_to : square_of(t.to, false);
  if (!on_board(to.x, to.y)) return false;
  m.to = to;
  m.captured = g.pos.board[to.x][to.y];
  const bool drop = t.suffix == KifMoveText::drop || !t.has_from;
  if (drop) {
    if (t.has_from || !droppable(t.code)) return false;
    m.from = FromHand{kind_index(t.code)};
    m.piece = m.placed = sign * t.code;
    return true;
  }
  const Square from = square_of(t.from, false);
  m.from = from;
  m.piece = sign * t.code;
  if (g.pos.board[from.x][from.y] != m.piece) return false;
  m.placed = t.suffix == KifMoveText::promote ? m.piece + sign : m.piece;
  // 不成 only where the piece might have promoted.
  return t.suffix != KifMoveText::no_promote || promotion_was_possible(m);
}

// Each player's accumulated seconds, kept from line to line.
struct Clocks {
  double top = 0, bottom = 0;
};

void set_times(const KifMoveText& t, bool top, Clocks& c, RecordMove& m) {
  double& mover = top ? c.top : c.bottom;
  const double before =
      t.has_time ? static_cast<double>(t.total > t.own ? t.total - t.own : 0) : mover;
  const double after = t.has_time ? static_cast<double>(t.total) : mover;
  mover = after;
  m.top_time_before = top ? before : c.top;
  m.top_time_after = c.top;
  m.bottom_time_before = top ? c.bottom : before;
  m.bottom_time_after = c.bottom;
}

// "まで81手で先手の勝ち": the winner, if it names one.
Winner winner_of(std::string_view s) {
  constexpr std::array<std::string_view, 4> sides = {"先手の", "下手の", "後手の", "上手の"};
  for (std::size_t i = 0; i < sides.size(); ++i) {
    const std::size_t at = s.find(sides[i]);
    if (at == std::string_view::npos) continue;
    const std::string_view rest = s.substr(at);
    const bool bottom = i < 2;
    if (rest.find("勝ち") != std::string_view::npos) return bottom ? Winner::bottom : Winner::top;
    if (rest.find("負け") != std::string_view::npos) return bottom ? Winner::top : Winner::bottom;
  }
  return Winner::none;
}

// ---- Players and comments ----------------------------------------------------------------------

// A player by the header's name; the names written for the roles of a game against the computer
// ("あなた", "コンピュータ(LEVEL 3)") give the role as well.
KifPlayer player_named(std::string_view name) {
  KifPlayer p{std::string(name)};
  if (name == "あなた") p.role = Role::you;
  if (eat(name, "コンピュータ(LEVEL")) {
    skip_blanks(name);
    const int level = eat_digit(name);
    if (level <= 5 && name == ")") {
      p.role = Role::computer;
      p.level = level;
    }
  }
  return p;
}

// ---- The file ---------------------------------------------------------------------------------

class Reader {
 public:
  explicit Reader(KifRead& r) : r_(r) {}

  // Reads line n; false once the moves have ended or the file is refused.
  bool line(int n, std::string_view l) {
    n_ = n;
    l = trimmed(l);
    if (!l.empty() && l[0] == '*') return comment_line(l.substr(1));
    if (l.empty() || l[0] == '#' || l[0] == '&') return true;
    if (l.substr(0, 6) == "変化") return false;  // the branches follow the main line
    const bool more = kif_line(l);
    if (last_stray_ == n) return more;
    kif_seen_ = true;
    // Text before the first line of KIF: the file is KIF after all, and that text is wrong.
    if (first_stray_ != 0) return refuse(KifProblem::bad_line, first_stray_);
    return more;
  }

  // After the last line: the start of a file without moves.
  void finish() {
    if (r_.problem != KifProblem::none) return;
    if (!kif_seen_) refuse(KifProblem::not_kif, 0);
    else if (!in_moves_) settle_start();
  }

 private:
  bool refuse(KifProblem p, int line) {
    r_.problem = p;
    r_.line = line;
    return false;
  }

  // A comment line follows the move read last, or the start before the first move.
  bool comment_line(std::string_view text) {
    std::vector<std::string>& comments = r_.game.comments;
    const std::size_t n = r_.game.moves.size();
    if (comments.size() == n + 1) {
      comments[n] += '\n';
      comments[n] += text;
    } else {
      comments.resize(n + 1);
      comments[n] = text;
    }
    return true;
  }

  bool kif_line(std::string_view l) {
    if (in_moves_) return move_line(l);
    if (l[0] >= '0' && l[0] <= '9') return begin_moves() && move_line(l);
    return header_line(l);
  }

  // A line that is no part of a KIF file. Before the first line of KIF it is only noted: a
  // file that never holds one is no KIF file at all.
  bool stray() {
    if (kif_seen_) return refuse(KifProblem::bad_line, n_);
    if (first_stray_ == 0) first_stray_ = n_;
    last_stray_ = n_;
    return true;
  }

  bool header_line(std::string_view l) {
    if (l.substr(0, 6) == "手数") {
      if (l.substr(6, 1) == "-") return begin_moves();
      return true;  // "手数＝0": a diagram's caption
    }
    if (l == "後手番" || l == "上手番") {
      h_.gote_first = true;
      return true;
    }
    if (l == "先手番" || l == "下手番") return true;
    if (l.find("９ ８ ７ ６ ５ ４ ３ ２ １") != std::string_view::npos) return true;
    if (is_border(l)) {
      if (h_.board_line == 0) h_.board_line = n_;
      else if (h_.rows == 9) h_.board_closed = true;
      else return refuse(KifProblem::bad_line, n_);
      return true;
    }
    if (l[0] == '|') {
      if (h_.board_line != 0 && read_row(l, h_)) return true;
      return refuse(KifProblem::bad_line, n_);
    }
    const std::size_t colon = l.find("：");
    if (colon == std::string_view::npos) return stray();
    return key_line(l.substr(0, colon), trimmed(l.substr(colon + 3)));
  }

  bool key_line(std::string_view key, std::string_view value) {
    KifGame& g = r_.game;
    if (key == "先手" || key == "下手") g.bottom = player_named(value);
    else if (key == "後手" || key == "上手") g.top = player_named(value);
    else if (key == "棋戦") g.title = value;
    else if (key == "開始日時") g.started = read_date(value);
    else if (key == "持ち時間") g.time_control = read_time_control(value);
    else if (key == "手合割") {
      h_.handicap = value;
      h_.handicap_line = n_;
    } else if (key == "先手の持駒" || key == "下手の持駒" || key == "後手の持駒" ||
               key == "上手の持駒") {
      const bool sente = key == "先手の持駒" || key == "下手の持駒";
      if (!read_hand(value, sente ? h_.hand_sente : h_.hand_gote,
                     sente ? h_.rest_sente : h_.rest_gote))
        return refuse(KifProblem::bad_line, n_);
      h_.hands_line = n_;
    }
    return true;  // other header fields are kept by nobody
  }

  // The start: the diagram if there is one, else the 手合割 (平手 when none is given).
  bool settle_start() {
    KifGame& g = r_.game;
    const bool even = h_.handicap.empty() || h_.handicap == "平手";
    if (h_.board_line != 0) {
      if (h_.rows != 9) return refuse(KifProblem::bad_line, h_.board_line);
      g.start = h_.board;
    } else if (even) {
      g.start = full_position();
    } else if (!handicap_start(h_.handicap, g.start)) {
      return refuse(KifProblem::bad_line, h_.handicap_line);
    }
    g.start.bottom_hand = h_.hand_sente;
    g.start.top_hand = h_.hand_gote;
    if (h_.rest_gote) g.start.top_hand = rest_of_set(g.start, g.start.bottom_hand);
    if (h_.rest_sente) g.start.bottom_hand = rest_of_set(g.start, g.start.top_hand);
    complete_position(g.start);
    r_.check = check_position(g.start);
    if (r_.check.problem != PositionProblem::none)
      return refuse(KifProblem::impossible_start,
                    h_.board_line != 0 ? h_.board_line : h_.hands_line);
    // The diagram's bottom player is 先手 whoever moves first.
    g.top_first = g.gote_to_move = h_.gote_first || !even;
    scratch_ = scratch_game(g.start);
    return true;
  }

  bool begin_moves() {
    in_moves_ = true;
    return settle_start();
  }

  bool move_line(std::string_view l) {
    if (l.substr(0, 6) == "まで") {
      r_.game.winner = winner_of(l);
      return false;
    }
    if (!(l[0] >= '0' && l[0] <= '9')) {
      if (l.find("：") != std::string_view::npos) return true;  // a header field after the moves
      return refuse(KifProblem::bad_line, n_);
    }
    std::vector<RecordMove>& moves = r_.game.moves;
    const long long number = eat_number(l, 6);
    skip_blanks(l);
    if (number != static_cast<long long>(moves.size()) + 1) return refuse(KifProblem::bad_line, n_);
    const bool top = r_.game.top_first == (moves.size() % 2 == 0);
    if (const int end = eat_one_of(l, kEndWords); end >= 0) {
      const int w = kEndWinner[static_cast<std::size_t>(end)];
      if (w != 0) r_.game.winner = (w > 0) == top ? Winner::top : Winner::bottom;
      r_.game.end = kEndKind[static_cast<std::size_t>(end)];
      return false;
    }
    if (moves.size() >= kKifMaxMoves) return refuse(KifProblem::too_many_moves, n_);
    KifMoveText t;
    if (!read_move_text(l, t) || (t.same && moves.empty())) return refuse(KifProblem::bad_line, n_);
    RecordMove m;
    const Square previous_to = moves.empty() ? Square{} : moves.back().move.to;
    if (!build_move(t, scratch_, top, previous_to, m.move) || !move_fits(scratch_, m))
      return refuse(KifProblem::wrong_move, n_);
    play_fitting(scratch_, m);
    set_times(t, top, clocks_, m);
    moves.push_back(m);
    return true;
  }

  KifRead& r_;
  Header h_;
  Game scratch_;
  Clocks clocks_;
  bool in_moves_ = false;
  bool kif_seen_ = false;                 // a line of KIF has been read
  int first_stray_ = 0, last_stray_ = 0;  // lines before it that are no part of KIF
  int n_ = 0;
};

}  // namespace

KifRead read_kif(std::string_view bytes, bool utf8_by_name) {
  KifRead r;
  if (bytes.size() > kKifMaxBytes) {
    r.problem = KifProblem::too_large;
    return r;
  }
  const std::string text = decode(bytes, utf8_by_name);
  Reader reader(r);
  std::string_view rest = text;
  bool more = true;
  for (int n = 1; more && !rest.empty(); ++n) {
    const std::size_t end = rest.find('\n');
    more = reader.line(n, rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  reader.finish();
  if (r.problem != KifProblem::none) r.game = KifGame{};
  return r;
}

}  // namespace hakuro
