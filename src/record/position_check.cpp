#include "record/position_check.h"

#include "record/notation.h"
#include "rules/move.h"

namespace hakuro {

PositionCheck check_position(const Position& p) {
  Hand count{};
  int kings_top = 0, kings_bottom = 0;
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) {
      const int c = p.board[x][y];
      ++count[static_cast<std::size_t>(kind_index(c))];
      if (c == OU) ++kings_top;
      if (c == -OU) ++kings_bottom;
    }
  for (std::size_t k = 1; k <= 7; ++k) count[k] += p.bottom_hand[k] + p.top_hand[k];
  for (int k = 1; k <= 7; ++k)
    if (count[static_cast<std::size_t>(k)] > kPiecesInASet[static_cast<std::size_t>(k)])
      return {PositionProblem::too_many_pieces, k};
  if (kings_top > 1 || kings_bottom > 1) return {PositionProblem::two_kings, 0, kings_top > 1};
  if (kings_top == 0 && kings_bottom == 0) return {PositionProblem::no_king};
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y)
      if (may_stay_unpromoted(y, p.board[x][y]) == NG) return {PositionProblem::immovable_piece};
  for (int x = 1; x <= MASU_SU; ++x) {
    int top = 0, bottom = 0;
    for (int y = 1; y <= MASU_SU; ++y) {
      top += p.board[x][y] == HU;
      bottom += p.board[x][y] == -HU;
    }
    if (top > 1 || bottom > 1) return {PositionProblem::two_pawns, 0, top > 1};
  }
  return {};
}

std::string why_impossible(const PositionCheck& c, bool sente_top) {
  const std::string side = c.top == sente_top ? "先手" : "後手";
  switch (c.problem) {
    case PositionProblem::too_many_pieces:
      return piece_name(KIND_CODE[static_cast<std::size_t>(c.kind)]) + "が" +
             std::to_string(kPiecesInASet[static_cast<std::size_t>(c.kind)]) + "枚を超えています";
    case PositionProblem::two_kings: return side + "の玉が2枚あります";
    case PositionProblem::no_king: return "玉がありません";
    case PositionProblem::immovable_piece: return "行き所のない駒があります";
    case PositionProblem::two_pawns: return side + "の二歩があります";
    case PositionProblem::none: break;
  }
  return "";
}

void complete_position(Position& p) {
  p.bottom_hand_total = p.top_hand_total = 0;
  p.bottom_king_x = p.bottom_king_y = p.top_king_x = p.top_king_y = 0;
  for (std::size_t k = 1; k <= 7; ++k) {
    p.bottom_hand_total += p.bottom_hand[k];
    p.top_hand_total += p.top_hand[k];
  }
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) {
      if (p.board[x][y] == OU) {
        p.top_king_x = x;
        p.top_king_y = y;
      } else if (p.board[x][y] == -OU) {
        p.bottom_king_x = x;
        p.bottom_king_y = y;
      }
    }
  set_nifu_flags(p);
}

Position full_position() {
  Position p;
  set_starting_position(p);
  complete_position(p);
  return p;
}

bool same_position(const Position& a, const Position& b) {
  return a.board == b.board && a.bottom_hand == b.bottom_hand && a.top_hand == b.top_hand;
}

}  // namespace hakuro
