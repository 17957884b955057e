#include "record/sfen.h"

#include <array>
#include <cctype>
#include <cstdlib>
#include <vector>

#include "record/notation.h"

namespace hakuro {

namespace {

// Letters by kind index, and the order in which hands are written: rook first.
constexpr std::string_view kLetters = " PLNSGBR";
constexpr std::array<int, 7> kHandOrder = {7, 6, 5, 4, 3, 2, 1};

char letter_of(int code, bool sente) {
  const int a = std::abs(code);
  const char c = a == OU ? 'K' : kLetters[static_cast<std::size_t>(kind_index(code))];
  return sente ? c : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The top player's code of a letter, unpromoted; 0 for none.
int code_of(char letter) {
  const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  if (c == 'K') return OU;
  const std::size_t k = kLetters.find(c);
  return k == std::string_view::npos || k == 0 ? 0 : KIND_CODE[k];
}

bool promotable(int code) {
  return code == HU || code == KYOU || code == KEI || code == GIN || code == KAKU || code == SYA;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> fields(std::string_view s) {
  std::vector<std::string_view> out;
  while (!s.empty()) {
    std::size_t n = 0;
    while (n < s.size() && !std::isspace(static_cast<unsigned char>(s[n]))) ++n;
    out.push_back(s.substr(0, n));
    s.remove_prefix(n);
    s = trim(s);
  }
  return out;
}

// A whole number of at most `digits` digits, no sign, no leading zero.
bool number(std::string_view s, std::size_t digits, int& n) {
  if (s.empty() || s.size() > digits || s[0] == '0') return false;
  n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  return true;
}

bool read_board(std::string_view s, bool sente_top, Position& p) {
  int rank = 1, file = 9;
  bool promoted = false;
  for (char c : s) {
    if (c == '/') {
      if (file != 0 || promoted || ++rank > 9) return false;
      file = 9;
    } else if (c >= '1' && c <= '9') {
      if (promoted) return false;
      file -= c - '0';
      if (file < 0) return false;
    } else if (c == '+') {
      if (promoted) return false;
      promoted = true;
    } else {
      int code = code_of(c);
      if (code == 0 || file < 1 || (promoted && !promotable(code))) return false;
      if (promoted) code += 1;
      const bool sente = std::isupper(static_cast<unsigned char>(c)) != 0;
      const Square sq = square_of({file--, rank}, sente_top);
      p.board[sq.x][sq.y] = sente == sente_top ? code : -code;
      promoted = false;
    }
  }
  return rank == 9 && file == 0 && !promoted;
}

bool read_hands(std::string_view s, bool sente_top, Position& p) {
  if (s == "-") return true;
  std::string seen;
  while (!s.empty()) {
    std::size_t digits = 0;
    while (digits < s.size() && s[digits] >= '0' && s[digits] <= '9') ++digits;
    int n = 1;
    if (digits > 0 && !number(s.substr(0, digits), 2, n)) return false;
    if (digits == s.size()) return false;
    const char c = s[digits];
    const int code = code_of(c);
    if (code == 0 || code == OU || seen.find(c) != std::string::npos) return false;
    seen += c;
    const bool sente = std::isupper(static_cast<unsigned char>(c)) != 0;
    Hand& hand = sente == sente_top ? p.top_hand : p.bottom_hand;
    hand[static_cast<std::size_t>(kind_index(code))] = n;
    s.remove_prefix(digits + 1);
  }
  return !seen.empty();
}

SfenRead malformed(const char* reason) {
  SfenRead r;
  r.problem = SfenProblem::malformed;
  r.reason = reason;
  return r;
}

}  // namespace

std::string write_sfen(const Position& p, bool sente_top, bool top_to_move, int move_number) {
  std::string s;
  for (int rank = 1; rank <= 9; ++rank) {
    if (rank > 1) s += '/';
    int empty = 0;
    for (int file = 9; file >= 1; --file) {
      const Square sq = square_of({file, rank}, sente_top);
      const int c = p.board[sq.x][sq.y];
      if (c == KARA) {
        ++empty;
        continue;
      }
      if (empty > 0) s += static_cast<char>('0' + empty);
      empty = 0;
      if ((std::abs(c) & 1) != 0 && std::abs(c) != KIN_NARI) s += '+';
      s += letter_of(c, is_sente_piece(c, sente_top));
    }
    if (empty > 0) s += static_cast<char>('0' + empty);
  }
  s += top_to_move == sente_top ? " b " : " w ";
  std::string hands;
  for (const bool sente : {true, false}) {
    const Hand& hand = sente == sente_top ? p.top_hand : p.bottom_hand;
    for (int k : kHandOrder) {
      const int n = hand[static_cast<std::size_t>(k)];
      if (n <= 0) continue;
      if (n > 1) hands += std::to_string(n);
      hands += letter_of(KIND_CODE[static_cast<std::size_t>(k)], sente);
    }
  }
  s += hands.empty() ? "-" : hands;
  return s + " " + std::to_string(move_number);
}

SfenRead read_sfen(std::string_view text, bool sente_top) {
  text = trim(text);
  if (text.substr(0, 5) == "sfen ") text = trim(text.substr(5));
  const std::vector<std::string_view> f = fields(text);
  if (f.size() < 3 || f.size() > 4) return malformed("SFENの形式ではありません");
  SfenRead r;
  if (!read_board(f[0], sente_top, r.pos)) return malformed("盤面の書き方が正しくありません");
  if (f[1] != "b" && f[1] != "w") return malformed("手番は b か w で書いて下さい");
  r.top_to_move = (f[1] == "b") == sente_top;
  if (!read_hands(f[2], sente_top, r.pos)) return malformed("持駒の書き方が正しくありません");
  if (f.size() == 4 && !number(f[3], 7, r.move_number)) return malformed("手数が正しくありません");
  complete_position(r.pos);
  r.check = check_position(r.pos);
  if (r.check.problem != PositionProblem::none) {
    r.problem = SfenProblem::impossible;
    r.reason = why_impossible(r.check, sente_top);
  }
  return r;
}

}  // namespace hakuro
