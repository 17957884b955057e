#include "state/game.h"

#include <algorithm>
#include <cstdlib>

namespace hakuro {

int kind_index(int code) {
  switch (std::abs(code)) {
    case HU:
    case HU_NARI: return 1;
    case KYOU:
    case KYOU_NARI: return 2;
    case KEI:
    case KEI_NARI: return 3;
    case GIN:
    case GIN_NARI: return 4;
    case KIN:
    case KIN_NARI: return 5;
    case KAKU:
    case KAKU_NARI: return 6;
    case SYA:
    case SYA_NARI: return 7;
    default: return 0;
  }
}

void set_starting_position(Position& p) {
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) p.board[x][y] = KARA;
  for (int k = 1; k <= 7; ++k) p.bottom_hand[k] = p.top_hand[k] = KARA;

  constexpr int back[10] = {0, KYOU, KEI, GIN, KIN, OU, KIN, GIN, KEI, KYOU};
  for (int x = 1; x <= 9; ++x) {
    p.board[x][1] = back[x];
    p.board[x][3] = HU;
    p.board[x][7] = -HU;
    p.board[x][9] = -back[x];
  }
  p.board[2][2] = SYA;
  p.board[8][2] = KAKU;
  p.board[2][8] = -KAKU;
  p.board[8][8] = -SYA;

  p.bottom_hand_total = p.top_hand_total = 0;
  for (int k = 1; k <= 7; ++k) {
    if (p.bottom_hand[k] > 0) p.bottom_hand_total += p.bottom_hand[k];
    if (p.top_hand[k] > 0) p.top_hand_total += p.top_hand[k];
  }
}

void forget_missing_kings(Position& p) {
  bool top = false, bottom = false;
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) {
      top = top || p.board[x][y] == OU;
      bottom = bottom || p.board[x][y] == -OU;
    }
  if (!top) p.top_king_x = p.top_king_y = 0;
  if (!bottom) p.bottom_king_x = p.bottom_king_y = 0;
}

Position turned_round(const Position& p) {
  Position t = p;
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) t.board[10 - x][10 - y] = -p.board[x][y];
  std::swap(t.bottom_hand, t.top_hand);
  std::swap(t.bottom_hand_total, t.top_hand_total);
  forget_missing_kings(t);  // the side without a king may have changed
  return t;
}

Position starting_position() {
  Position p;
  set_starting_position(p);
  return p;
}

bool Record::hirate() const {
  static const Position full = starting_position();
  return start_.board == full.board && start_.bottom_hand == full.bottom_hand &&
         start_.top_hand == full.top_hand;
}

void Record::give_up_after(int n) {
  const auto keep = static_cast<std::size_t>(std::max(n, 0)) + 1;
  if (moves_.size() > keep) moves_.resize(keep);
  if (comments_.size() > keep) comments_.resize(keep);
  current_ = std::min(current_, held());
}

void Record::cut(int n) {
  if (n < last_ || n == 0) end_ = {};
  give_up_after(n);
  if (n == 0) {
    started_.reset();
    title_.clear();
    top_name_.clear();
    bottom_name_.clear();
    comments_.clear();
    computer_level_ = 0;
    bottom_level_ = 0;
    start_level_ = 0;
  }
  last_ = n;
}

void Record::record(int n, const RecordMove& m) {
  n = std::max(n, 1);
  const int shown = current_;
  give_up_after(n - 1);
  moves_.resize(static_cast<std::size_t>(n));
  moves_.push_back(m);
  current_ = std::min(shown, n);
  // The comment of the move recorded over goes too.
  if (comments_.size() > static_cast<std::size_t>(n)) comments_.resize(static_cast<std::size_t>(n));
  end_ = {};
  last_ = n;
}

void Record::set_comments(std::vector<std::string> all) {
  comments_ = std::move(all);
  if (comments_.size() > moves_.size()) comments_.resize(moves_.size());
}

void Record::set_comment(int n, std::string text) {
  if (n < 0 || n > held()) return;
  const auto i = static_cast<std::size_t>(n);
  if (comments_.size() <= i) comments_.resize(i + 1);
  comments_[i] = std::move(text);
}

}  // namespace hakuro
