#include "computer/search.h"

#include <algorithm>
#include <cstdlib>

#include "analysis/survey.h"
#include "computer/evaluate.h"
#include "computer/surveys.h"
#include "rules/legality.h"
#include "rules/move.h"

namespace hakuro {

namespace {

// The candidate on the board: surveyed and scored. The mate test inside the evaluation redoes
// the two-pawn flags for the trial position; the drops still to come need those of the real one.
Score score_here(Game& g, Computer& com, const Flags& nifu_sita, const Flags& nifu_ue, int captured,
                 int piece, int fx, int fy, int tx, int ty) {
  survey_influence(g.pos, com.survey);
  const Score s = evaluate_candidate(g, com, captured, piece, fx, fy, tx, ty);
  g.pos.bottom_nifu = nifu_sita;
  g.pos.top_nifu = nifu_ue;
  return s;
}

}  // namespace

namespace {

constexpr int kSquares = MASU_SU * MASU_SU;

// A board square as 0..80; -1 off the board.
int square_index(Square s) {
  const bool on = s.x >= 1 && s.x <= MASU_SU && s.y >= 1 && s.y <= MASU_SU;
  return on ? (s.x - 1) * MASU_SU + (s.y - 1) : -1;
}

}  // namespace

// Board moves by source and destination, then drops by kind and destination; -1 for a move that
// names no place.
int MoveFilter::index(const Move& m) {
  const int to = square_index(m.to), from = square_index(m.square()), k = m.kind();
  if (to < 0) return -1;
  if (m.is_drop()) return k >= 1 && k <= 7 ? kSquares * kSquares + (k - 1) * kSquares + to : -1;
  return from < 0 ? -1 : from * kSquares + to;
}

MoveFilter::MoveFilter(const std::vector<Move>& allowed)
    : allowed_(std::size_t(kSquares * kSquares + 7 * kSquares), false) {
  for (const Move& m : allowed)
    if (const int i = index(m); i >= 0) allowed_[std::size_t(i)] = true;
}

bool MoveFilter::allows(const Move& m) const {
  const int i = index(m);
  return i >= 0 && allowed_[std::size_t(i)];
}

void prepare_search(Game& g, Computer& com) {
  Position& p = g.pos;
  ComputerScratch& c = com.scratch;
  c.best_score = NO_SCORE;
  c.board_before = p.board;
  set_nifu_flags(p);
  c.escape_count = human_king_escapes(g, com.survey);
  survey_influence(p, com.survey);
  mark_bishop_aims(g, com);
  mark_pinned_pieces(p, c);
  c.top_king_x_before = p.top_king_x;
  c.top_king_y_before = p.top_king_y;
  c.top_hand_total_before = p.top_hand_total;
  c.bottom_hand_total_before = p.bottom_hand_total;
  c.bottom_influence_before = com.survey.bottom_influence;
  c.top_influence_before = com.survey.top_influence;
  c.top_attacker_x_before = com.survey.top_attacker_x;
  c.top_attacker_y_before = com.survey.top_attacker_y;
}

bool search_best(Game& g, Computer& com, const SearchHooks& hooks, Candidate& best,
                 const MoveFilter* allowed) {
  Position& p = g.pos;
  ComputerScratch& c = com.scratch;
  const Flags nifu_sita = p.bottom_nifu, nifu_ue = p.top_nifu;
  bool found = false;
  auto consider = [&](const Candidate& m) {
    if (hooks.seen) hooks.seen(m);
    if (m.score > c.best_score) {
      c.best_score = m.score;
      best = m;
      found = true;
      return true;
    }
    return false;
  };

  for (int x = 1; x <= MASU_SU; ++x) {
    if (hooks.tick) hooks.tick();
    for (int y = 1; y <= MASU_SU; ++y) {
      if (p.board[x][y] < HU) continue;
      for (int tx = 1; tx <= MASU_SU; ++tx)
        for (int ty = 1; ty <= MASU_SU; ++ty) {
          const int piece = p.board[x][y];
          if (!within_reach(piece, tx - x, ty - y) || may_move(p, x, y, tx, ty, piece) != OK)
            continue;
          if (allowed && !allowed->allows(board_move({x, y}, {tx, ty}, piece, piece))) continue;
          c.moving_piece = piece;
          c.king_distance = std::max(std::abs(p.bottom_king_x - x), std::abs(p.bottom_king_y - y));
          const int captured = p.board[tx][ty];
          p.board[x][y] = KARA;
          p.board[tx][ty] = piece;
          Candidate m{board_move({x, y}, {tx, ty}, piece, piece, captured)};
          auto score = [&](int placed) {
            p.board[tx][ty] = placed;
            return score_here(g, com, nifu_sita, nifu_ue, captured, placed, x, y, tx, ty);
          };
          if (check_promotion(Square{x, y}, ty, piece) == NG) {
            m.score = score(piece);
          } else {
            const int promoted_piece = promoted(piece);
            if (hooks.promotes) hooks.promotes(promoted_piece);
            if (may_stay_unpromoted(ty, piece) == NG) {
              m.move.placed = promoted_piece;
              m.score = score(promoted_piece);
            } else {
              m.score = score(piece);
              const Score promoted_score = score(promoted_piece);
              if (promoted_score > m.score) {
                m.score = promoted_score;
                m.move.placed = promoted_piece;
              }
              if (piece == HU || piece == KAKU || piece == SYA) m.move.placed = promoted_piece;
            }
          }
          p.board[tx][ty] = captured;
          p.board[x][y] = piece;
          if (consider(m) && captured == -OU) return true;
        }
    }
  }

  if (c.top_hand_total_before <= 0) return found;
  for (int kind = 1; kind <= 7; ++kind) {
    if (hooks.tick) hooks.tick();
    if (p.top_hand[kind] <= 0) continue;
    const int piece = KIND_CODE[static_cast<std::size_t>(kind)];
    c.moving_piece = piece;
    c.king_distance = 0;
    for (int tx = 1; tx <= MASU_SU; ++tx)
      for (int ty = 1; ty <= MASU_SU; ++ty) {
        const Move drop = drop_move(piece, {tx, ty});
        if (may_move(p, drop.from, drop.to, piece) != OK) continue;
        if (allowed && !allowed->allows(drop)) continue;
        p.board[tx][ty] = piece;
        const Score s =
            score_here(g, com, nifu_sita, nifu_ue, KARA, piece, MOCHI_UE_X, kind, tx, ty);
        p.board[tx][ty] = KARA;
        if (consider({drop, s}) && s >= MATES) return true;
      }
  }
  return found;
}

}  // namespace hakuro
