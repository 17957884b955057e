#include "record/notation.h"

#include <array>
#include <cstdlib>

#include "rules/move.h"

namespace hakuro {

FileRank file_rank(Square s, bool sente_top) {
  return sente_top ? FileRank{s.x, 10 - s.y} : FileRank{10 - s.x, s.y};
}

Square square_of(FileRank fr, bool sente_top) {
  return sente_top ? Square{fr.file, 10 - fr.rank} : Square{10 - fr.file, fr.rank};
}

bool is_sente_piece(int code, bool sente_top) { return sente_top ? is_top(code) : is_bottom(code); }

std::string piece_name(int code) {
  switch (std::abs(code)) {
    case HU: return "歩";
    case HU_NARI: return "と";
    case KYOU: return "香";
    case KYOU_NARI: return "成香";
    case KEI: return "桂";
    case KEI_NARI: return "成桂";
    case GIN: return "銀";
    case GIN_NARI: return "成銀";
    case KIN:
    case KIN_NARI: return "金";
    case KAKU: return "角";
    case KAKU_NARI: return "馬";
    case SYA: return "飛";
    case SYA_NARI: return "龍";
    case OU: return "玉";
    default: return "";
  }
}

std::string piece_letter(int code) {
  switch (std::abs(code)) {
    case KYOU_NARI: return "杏";
    case KEI_NARI: return "圭";
    case GIN_NARI: return "全";
    default: return piece_name(code);
  }
}

std::string kanji_number(int n) {
  static constexpr std::array<const char*, 10> units = {"",   "一", "二", "三", "四",
                                                        "五", "六", "七", "八", "九"};
  if (n < 1 || n > 99) return std::to_string(n);
  std::string s;
  if (n >= 20) s += units[static_cast<std::size_t>(n / 10)];
  if (n >= 10) s += "十";
  return s + units[static_cast<std::size_t>(n % 10)];
}

std::string wide_digit(int n) {
  static constexpr std::array<const char*, 10> digits = {"０", "１", "２", "３", "４",
                                                         "５", "６", "７", "８", "９"};
  return n >= 0 && n <= 9 ? digits[static_cast<std::size_t>(n)] : std::to_string(n);
}

bool promotion_was_possible(const Move& m) { return may_promote(m.from, m.to.y, m.piece); }

std::string side_mark(const Move& m, bool sente_top) {
  return is_sente_piece(m.placed, sente_top) ? "▲" : "△";
}

std::string move_text(const Move& m, bool may_promote, Square previous_to, bool sente_top) {
  std::string s;
  if (on_board(previous_to.x, previous_to.y) && previous_to == m.to) {
    s = "同　";
  } else {
    const FileRank to = file_rank(m.to, sente_top);
    s = wide_digit(to.file) + kanji_number(to.rank);
  }
  s += piece_name(m.piece);
  if (m.is_drop()) s += "打";
  else if (m.placed != m.piece) s += "成";
  else if (may_promote) s += "不成";
  return s;
}

std::string move_source(const Move& m, bool sente_top) {
  if (m.is_drop()) return "";
  const FileRank from = file_rank(m.square(), sente_top);
  return "(" + std::to_string(from.file) + std::to_string(from.rank) + ")";
}

}  // namespace hakuro
