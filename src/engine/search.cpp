#include "engine/search.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>

#include "engine/evaluate.h"
#include "engine/exchange.h"
#include "engine/mate.h"
#include "engine/movegen.h"
#include "engine/tt.h"
#include "engine/weights.h"

namespace hakuro::engine {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int HISTORY_KEYS = 1024;         // the game's positions kept for repetitions
constexpr int QUIESCENCE_CHECK_PLIES = 2;  // quiescence plies that answer a check with every move
constexpr int HISTORY_MAX = 1 << 14;
// A repetition reached by one side checking with every move, from the checked side's view: won,
// though no mate; above every evaluation and below every mate.
constexpr Value PERPETUAL_WIN = WIN - MAX_PLY - 1;

Value worth(Piece p) { return weights::worth(type_of(p)); }

// How many plies a late quiet move is searched less, by depth and by its place among the moves
// searched: more the deeper and the later, as most of a node's many moves are never the best.
constexpr int REDUCTION_N = 64;
const auto REDUCTIONS = [] {
  std::array<std::array<uint8_t, REDUCTION_N>, REDUCTION_N> r{};
  for (int d = 1; d < REDUCTION_N; ++d)
    for (int n = 1; n < REDUCTION_N; ++n)
      r[std::size_t(d)][std::size_t(n)] = uint8_t(0.5 + std::log(d) * std::log(n) / 1.8);
  return r;
}();
int reduction(int depth, int searched) {
  return REDUCTIONS[std::size_t(std::min(depth, REDUCTION_N - 1))]
                   [std::size_t(std::min(searched, REDUCTION_N - 1))];
}

// Decisive scores count plies from the root; the table keeps them counted from the node.
Value to_tt(Value v, int ply) {
  return v >= WIN - MAX_PLY ? v + ply : v <= -WIN + MAX_PLY ? v - ply : v;
}
Value from_tt(Value v, int ply) {
  return v >= WIN - MAX_PLY ? v - ply : v <= -WIN + MAX_PLY ? v + ply : v;
}

struct ScoredMove {
  Move move;
  int score;
};
bool higher(const ScoredMove& a, const ScoredMove& b) { return a.score > b.score; }
constexpr int PICKED_ONE_BY_ONE = 4;  // moves picked by a scan before the rest are sorted
// The scores that part the moves picked first from the rest: any capture of a piece of value
// above every promotion, and quiet moves with some history.
constexpr int CAPTURE_SPLIT = 200, QUIET_SPLIT = 1;

// One ply's moves. The search takes them in stages: the table's move, captures of the
// opponent's pieces that do not lose in the exchange, the killers, the rest by history, then the
// losing captures; each stage is generated only when the ones before it have not already cut the
// node off.
struct Frame {
  MoveList list;
  std::array<ScoredMove, MoveList::CAPACITY> moves;
  int size = 0, next = 0;
  int split = 0;  // the moves before it score above all the moves from it on
  std::array<Move, 2> killer{};
  std::array<Move, 32> losing{};  // captures put off to the end
  int losing_size = 0, losing_next = 0;
  int stage = 0;
  Move tt_move = NO_MOVE;
  // Set while futility prunes every quiet drop that gives no check: those are not generated.
  bool far_drops_pruned = false;
};

enum Stage { TABLE_MOVE, CAPTURES_MADE, CAPTURES, KILLERS, QUIETS_MADE, QUIETS, LOSING, DONE };

// Whether a drop could give check: a stepping piece must land within two squares of the king,
// a lance on its file, a bishop on its diagonals, a rook on its lines.
bool drop_may_check(Type kind, int to, int king) {
  if (!king) return false;
  const int dx = file_of(king) - file_of(to), dy = rank_of(king) - rank_of(to);
  const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
  switch (kind) {
    case LANCE: return dx == 0;
    case BISHOP: return ax == ay;
    case ROOK: return dx == 0 || dy == 0;
    default: return ax <= 2 && ay <= 2;
  }
}

// Whether the side to move is in check, when the caller already knows it.
enum class Check : uint8_t { no, yes, unknown };
constexpr Check check_of(bool b) { return b ? Check::yes : Check::no; }

struct RootMove {
  Move move;
  Value score;
};

}  // namespace

struct Search::Impl {
  explicit Impl(int table_mb) : tt(TranspositionTable::bits_for(table_mb)) {}

  Position pos;
  TranspositionTable tt;
  std::vector<Frame> frames = std::vector<Frame>(MAX_PLY + 1);
  std::vector<Key> keys = std::vector<Key>(HISTORY_KEYS + MAX_PLY + 1);
  // Whether the side to move was in check at each kept key; kept under the standard rules.
  std::vector<uint8_t> checked = std::vector<uint8_t>(HISTORY_KEYS + MAX_PLY + 1);
  int key_count = 0;
  bool standard = false;
  std::array<uint8_t, 4096> seen{};  // how many kept keys fall in each slot
  std::array<std::array<int, SQ_N>, PIECE_N> history{};
  std::array<RootMove, MoveList::CAPACITY> root{};
  int root_size = 0;
  bool root_in_check = false;

  Limits limits;
  const DepthReport* report = nullptr;
  Clock::time_point start;
  uint64_t nodes = 0;
  int seldepth = 0;
  bool aborted = false;

  double elapsed() const { return std::chrono::duration<double>(Clock::now() - start).count(); }

  // The score of a mate by a drop made at this ply: under the standard rules the opponent then
  // has no move; under the own rule its king is taken the ply after.
  Value mate_by_drop(int ply) const { return standard ? win_in(ply + 1) : win_in(ply + 2); }

  // Counts a node; true once the search must end.
  bool stopping() {
    if (aborted) return true;  // no node is counted past the end
    ++nodes;
    if (limits.nodes && nodes >= limits.nodes) aborted = true;
    if ((nodes & 255) == 0) {
      if (limits.stop && limits.stop->load(std::memory_order_relaxed)) aborted = true;
      // Stopped a little short of the budget: on a busy machine the move still has to come back
      // to the caller, which may wait its turn for the processor.
      const double most = std::max(limits.seconds, limits.max_seconds);
      if (limits.seconds > 0 && elapsed() >= most - std::min(0.03, most * 0.1)) aborted = true;
    }
    return aborted;
  }

  void clear_keys() {
    seen.fill(0);
    key_count = 0;
  }
  void push_key(Key k, bool in_check = false) {
    checked[std::size_t(key_count)] = in_check;
    keys[std::size_t(key_count++)] = k;
    ++seen[k & 4095];
  }
  void pop_key() { --seen[keys[std::size_t(--key_count)] & 4095]; }
  // Where the position stood last among the kept keys; -1 when it has not stood before.
  int repeated_at() const {
    const Key k = pos.key();
    if (!seen[k & 4095]) return -1;
    for (int i = key_count - 1; i >= 0; --i)
      if (keys[std::size_t(i)] == k) return i;
    return -1;
  }
  // Under the standard rules, the worth of repeating the position kept at `first`: a draw,
  // unless one side gave check with each of its moves since, which loses.
  Value repetition_value(int first) const {
    bool they_checked = true, we_checked = true;  // the side to move here is "we"
    for (int i = first; i < key_count; ++i)
      ((i - first) % 2 == 0 ? they_checked : we_checked) &= checked[std::size_t(i)] != 0;
    return they_checked ? PERPETUAL_WIN : we_checked ? -PERPETUAL_WIN : DRAW;
  }

  // Makes m at a node whose check state is `in_check`, keeping the position for repetitions.
  void make(Move m, Undo& u, bool in_check) {
    push_key(pos.key(), standard && in_check);
    pos.do_move(m, u);
  }
  void unmake(Move m, const Undo& u) {
    pos.undo_move(m, u);
    pop_key();
  }

  // Captures by the worth taken, then the taker's; promotions a little ahead.
  int capture_score(Move m) const {
    return worth(pos.captured_piece(m)) * 16 - worth(pos.moved_piece(m)) / 16 +
           (is_promotion(m) ? 200 : 0);
  }

  // A move's place in the order from its score and its index in the generator's list: equal
  // scores keep the generator's order (board moves before drops), so no two places are equal.
  static int place(int score, int index) {
    return score * MoveList::CAPACITY + (MoveList::CAPACITY - 1 - index);
  }

  // Fills f.moves from f.list with the captures' scores, or (quiet) the history's; those scoring
  // at least CAPTURE_SPLIT (QUIET_SPLIT) go first, so that picking looks at them alone until they
  // run out.
  void take_list(Frame& f, bool quiet) {
    f.size = f.list.size;
    f.next = 0;
    for (int i = 0; i < f.size; ++i) {
      const Move m = f.list.moves[std::size_t(i)];
      const int s =
          quiet ? history[pos.moved_piece(m)][to_sq(m)] + (is_promotion(m) ? HISTORY_MAX : 0)
                : capture_score(m);
      f.moves[std::size_t(i)] = {m, place(s, i)};
    }
    const int bar = place(quiet ? QUIET_SPLIT : CAPTURE_SPLIT, MoveList::CAPACITY - 1);
    const auto first = f.moves.begin(), end = first + f.size;
    f.split = int(
        std::partition(first, end, [&](const ScoredMove& sm) { return sm.score >= bar; }) - first);
  }

  // Adds the side to move's drops to f's lower part, scored as captures are, as if generated
  // after its board moves.
  void add_drops(Frame& f) {
    const int first = f.list.size;
    generate_drops(pos, f.list);
    for (int i = first; i < f.list.size; ++i) {
      const Move m = f.list.moves[std::size_t(i)];
      f.moves[std::size_t(f.size++)] = {m, place(capture_score(m), i)};
    }
  }

  // The best of f.moves[f.next, end), by a scan (the root's first order counts on how equal
  // scores come out of it).
  Move pick_scanning(Frame& f, int end) {
    const auto next = f.moves.begin() + f.next;
    std::iter_swap(next, std::min_element(next, f.moves.begin() + end, higher));
    return f.moves[std::size_t(f.next++)].move;
  }
  // The best of the moves not yet taken. Most nodes end after a few moves, so the first few of
  // each part are picked by a scan and the rest of the part sorted at once.
  Move pick(Frame& f) {
    const bool upper = f.next < f.split;
    const int first = upper ? 0 : f.split, end = upper ? f.split : f.size;
    if (f.next - first < PICKED_ONE_BY_ONE) return pick_scanning(f, end);
    if (f.next - first == PICKED_ONE_BY_ONE)
      std::sort(f.moves.begin() + f.next, f.moves.begin() + end, higher);
    return f.moves[std::size_t(f.next++)].move;
  }

  // Whether capture m loses material once the opponent takes back (only a capture of a piece
  // worth less than the taker can).
  bool loses_exchange(Move m) const {
    return worth(pos.captured_piece(m)) < worth(pos.moved_piece(m)) && !is_promotion(m) &&
           exchange_value(pos, m) < 0;
  }

  void start_moves(Frame& f, Move tt_move) {
    f.stage = TABLE_MOVE;
    f.losing_size = f.losing_next = 0;
    f.tt_move = tt_move;
    f.far_drops_pruned = false;
  }

  // Leaves out the drops that cannot give check to the opponent's king.
  void leave_out_far_drops(MoveList& list) const {
    const int king = pos.king(~pos.side());
    int n = 0;
    for (Move m : list)
      if (!is_drop(m) || drop_may_check(drop_kind(m), to_sq(m), king))
        list.moves[std::size_t(n++)] = m;
    list.size = n;
  }

  // The node's next move in stage order; NO_MOVE when there are none left.
  Move next_move(Frame& f) {
    switch (f.stage) {
      case TABLE_MOVE:
        f.stage = CAPTURES_MADE;
        if (f.tt_move != NO_MOVE && pseudo_legal(pos, f.tt_move)) return f.tt_move;
        [[fallthrough]];
      case CAPTURES_MADE:
        f.list.size = 0;
        generate_captures(pos, f.list);
        take_list(f, false);
        f.stage = CAPTURES;
        [[fallthrough]];
      case CAPTURES:
        while (f.next < f.size) {
          const Move m = pick(f);
          if (m == f.tt_move) continue;
          if (f.losing_size < int(f.losing.size()) && loses_exchange(m)) {
            f.losing[std::size_t(f.losing_size++)] = m;
            continue;
          }
          return m;
        }
        f.stage = KILLERS;
        f.next = 0;
        [[fallthrough]];
      case KILLERS:
        while (f.next < 2) {
          const Move k = f.killer[std::size_t(f.next++)];
          if (k != NO_MOVE && k != f.tt_move && pseudo_legal(pos, k) && !takes_opponent(k))
            return k;
        }
        [[fallthrough]];
      case QUIETS_MADE:
        f.list.size = 0;
        generate_quiets(pos, f.list);
        if (f.far_drops_pruned) leave_out_far_drops(f.list);
        take_list(f, true);
        f.stage = QUIETS;
        [[fallthrough]];
      case QUIETS:
        while (f.next < f.size) {
          const Move m = pick(f);
          if (m != f.tt_move && m != f.killer[0] && m != f.killer[1]) return m;
        }
        f.stage = LOSING;
        [[fallthrough]];
      case LOSING:
        if (f.losing_next < f.losing_size) return f.losing[std::size_t(f.losing_next++)];
        f.stage = DONE;
        [[fallthrough]];
      default: return NO_MOVE;
    }
  }

  void reward(Move m, int bonus) {
    int& h = history[pos.moved_piece(m)][to_sq(m)];
    h += bonus - h * std::abs(bonus) / HISTORY_MAX;
  }

  bool takes_own_king(Move m) const {
    const Piece cap = pos.captured_piece(m);
    return type_of(cap) == KING && is_piece(cap) && color_of(cap) == pos.side();
  }
  bool takes_opponent(Move m) const {
    const Piece cap = pos.captured_piece(m);
    return is_piece(cap) && color_of(cap) != pos.side();
  }

  // The line from the root's best move on, as the table remembers it.
  void fill_pv(Result& r) const;

  bool in_check(Check c) const { return c == Check::unknown ? pos.in_check() : c == Check::yes; }
  Value quiescence(Value alpha, Value beta, int ply, int qply, Check check = Check::unknown);
  Value search(int depth, Value alpha, Value beta, int ply, bool null_ok,
               Check check = Check::unknown);
  Value search_root(int depth, Value alpha, Value beta);
  // Searches p; the game's earlier positions have been pushed with push_key.
  Result think(const Position& p, const Limits& l);
};

void Search::Impl::fill_pv(Result& r) const {
  r.pv_size = 0;
  Position p = pos;
  for (Move m = r.move; m != NO_MOVE && r.pv_size < int(r.pv.size());) {
    const bool ends = type_of(p.captured_piece(m)) == KING;
    r.pv[std::size_t(r.pv_size++)] = m;
    if (ends) break;
    Undo u;
    p.do_move(m, u);
    const TTEntry* e = tt.probe(p.key());
    m = e && pseudo_legal(p, e->move) ? e->move : NO_MOVE;
  }
}

Value Search::Impl::quiescence(Value alpha, Value beta, int ply, int qply, Check check) {
  if (stopping()) return 0;
  seldepth = std::max(seldepth, ply);
  if (!standard && pos.can_take_king()) return win_in(ply);  // standard moves never allow it
  if (ply >= MAX_PLY - 1) return evaluate(pos);
  const bool evading = qply < QUIESCENCE_CHECK_PLIES && in_check(check);
  Frame& f = frames[std::size_t(ply)];
  f.list.size = 0;
  Value best, stand = 0;
  if (evading) {
    best = loss_in(ply);
    generate_board_moves(pos, f.list);
  } else {
    // At the horizon a mate by a drop is a win the stand-pat would miss.
    if (qply == 0 && drop_mate(pos) != NO_MOVE) return mate_by_drop(ply);
    stand = evaluate(pos);
    if (stand >= beta) return stand;
    alpha = std::max(alpha, stand);
    best = stand;
    generate_captures(pos, f.list);
  }
  take_list(f, false);
  // Drops score below every capture: they are not needed while captures remain.
  bool drops_to_come = evading;
  for (;;) {
    if (drops_to_come && f.next == f.split) {
      add_drops(f);
      drops_to_come = false;
    }
    if (f.next == f.size) break;
    const Move m = pick(f);
    if (evading) {
      if (takes_own_king(m)) continue;
    } else {
      const Value gain =
          worth(pos.captured_piece(m)) +
          (is_promotion(m) ? weights::PROMOTION[promoted(type_of(pos.moved_piece(m)))] : 0);
      if (stand + gain + 150 <= alpha) continue;
      if (loses_exchange(m)) continue;
    }
    // No search runs below quiescence, so its positions are not kept for repetitions.
    Undo u;
    pos.do_move(m, u);
    const Value v = -quiescence(-beta, -alpha, ply + 1, qply + 1);
    pos.undo_move(m, u);
    if (aborted) return 0;
    if (v > best) {
      best = v;
      if (v > alpha) {
        alpha = v;
        if (v >= beta) break;
      }
    }
  }
  return best;
}

Value Search::Impl::search(int depth, Value alpha, Value beta, int ply, bool null_ok, Check check) {
  if (depth <= 0) return quiescence(alpha, beta, ply, 0, check);
  if (stopping()) return 0;
  seldepth = std::max(seldepth, ply);
  if (!standard && pos.can_take_king()) return win_in(ply);  // standard moves never allow it
  if (ply >= MAX_PLY - 1) return evaluate(pos);
  if (const int i = repeated_at(); i >= 0) return standard ? repetition_value(i) : DRAW;
  alpha = std::max(alpha, loss_in(ply));
  beta = std::min(beta, win_in(ply + 1));
  if (alpha >= beta) return alpha;

  const bool pv = beta - alpha > 1;
  const Value alpha0 = alpha;
  const Key key = pos.key();
  Move tt_move = NO_MOVE;
  if (const TTEntry* e = tt.probe(key)) {
    tt_move = e->move;
    const Value v = from_tt(e->value, ply);
    if (!pv && e->depth >= depth &&
        (e->bound == BOUND_EXACT || (e->bound == BOUND_LOWER && v >= beta) ||
         (e->bound == BOUND_UPPER && v <= alpha)))
      return v;
  }

  const bool in_check = this->in_check(check);
  if (!in_check) {
    if (const Move m = drop_mate(pos); m != NO_MOVE) {
      const Value v = mate_by_drop(ply);
      tt.store(key, m, to_tt(v, ply), MAX_PLY - 1, BOUND_EXACT);
      return v;
    }
  }
  const Value eval = in_check ? -INFINITE : evaluate(pos);
  if (in_check && pv) ++depth;

  if (!pv && !in_check && !is_decisive(beta)) {
    if (depth <= 3 && eval - 140 * depth >= beta) return eval;
    if (null_ok && depth >= 2 && eval >= beta) {
      const int r = 2 + depth / 4;
      Undo u;
      push_key(key);
      pos.do_null(u);
      const Value v = -search(depth - 1 - r, -beta, -beta + 1, ply + 1, false);
      pos.undo_null(u);
      pop_key();
      if (aborted) return 0;
      if (v >= beta) return is_decisive(v) ? beta : v;
    }
  }

  Frame& f = frames[std::size_t(ply)];
  start_moves(f, tt_move);
  frames[std::size_t(ply + 1)].killer = {};

  // Futility: near the leaves a quiet move that gives no check cannot lift a poor position.
  const bool futile =
      !pv && !in_check && !is_decisive(alpha) && depth <= 2 && eval + 180 * depth <= alpha;
  const int their_king = pos.king(~pos.side());
  Value best = -INFINITE;
  Move best_move = NO_MOVE;
  int searched = 0, moves_seen = 0, tried_quiets = 0;
  std::array<Move, 64> quiets;
  for (;;) {
    f.far_drops_pruned = futile && searched > 0;
    const Move m = next_move(f);
    if (m == NO_MOVE) break;
    ++moves_seen;
    if (takes_own_king(m)) {
      best = std::max(best, loss_in(ply + 1));
      ++searched;
      continue;
    }
    const bool quiet = !takes_opponent(m) && !is_promotion(m);
    // Late in the order near the leaves a quiet move that gives no check is not tried.
    const bool late = quiet && !pv && !in_check && depth <= 6 && best > -WIN + MAX_PLY &&
                      tried_quiets >= 3 + depth * depth;
    if (quiet && ((futile && searched > 0) || late) && is_drop(m) &&
        !drop_may_check(drop_kind(m), to_sq(m), their_king))
      continue;
    const bool gives_check = pos.gives_check(m);  // the opponent's king is not attacked here
    // A quiet move is left out when futile or late, unless it gives check without losing
    // material in the exchange on its square; near the leaves, also one that loses material, a
    // check when it throws away more than a little (a hand of pieces offers many checks, and most
    // only lose the piece); a capture there when it loses more than a little.
    bool pruned =
        quiet && ((futile && searched > 0) || late) && (!gives_check || exchange_value(pos, m) < 0);
    if (!pruned && !pv && !in_check && searched > 0 && depth <= 4 && best > -WIN + MAX_PLY) {
      // A move cannot lose more than the piece moved, less what it takes.
      const Value most_lost = worth(pos.moved_piece(m)) - worth(pos.captured_piece(m));
      if (quiet) {
        const Value bar = -25 * depth * depth;
        const Value check_bar = -90 * depth;  // a check may give up a little more
        pruned = gives_check ? most_lost > -check_bar && exchange_value(pos, m) < check_bar
                             : most_lost > -bar && exchange_value(pos, m) < bar;
      } else if (most_lost > 90 * depth && exchange_value(pos, m) < -90 * depth) {
        continue;
      }
    }
    if (pruned) continue;
    Undo u;
    make(m, u, in_check);
    tt.prefetch(pos.key());
    const Check child = check_of(gives_check);
    Value v;
    const int next = depth - 1;
    if (searched == 0) {
      v = -search(next, -beta, -alpha, ply + 1, true, child);
    } else {
      int r = 0;
      if (depth >= 3 && quiet && !in_check && !gives_check && searched >= 3) {
        r = reduction(depth, searched) - (pv ? 1 : 0);
        r = std::clamp(r, 0, next - 1);
      }
      v = -search(next - r, -alpha - 1, -alpha, ply + 1, true, child);
      if (v > alpha && r > 0) v = -search(next, -alpha - 1, -alpha, ply + 1, true, child);
      if (v > alpha && v < beta) v = -search(next, -beta, -alpha, ply + 1, true, child);
    }
    unmake(m, u);
    if (aborted) return 0;
    ++searched;
    if (v > best) {
      best = v;
      if (v > alpha) {
        best_move = m;
        alpha = v;
        if (v >= beta) {
          if (quiet) {
            if (f.killer[0] != m) f.killer = {m, f.killer[0]};
            reward(m, depth * depth);
            for (int q = 0; q < tried_quiets; ++q) reward(quiets[std::size_t(q)], -depth * depth);
          }
          break;
        }
      }
    }
    if (quiet && tried_quiets < 64) quiets[std::size_t(tried_quiets++)] = m;
  }

  if (moves_seen == 0) return loss_in(ply);
  const Bound bound = best >= beta ? BOUND_LOWER : best > alpha0 ? BOUND_EXACT : BOUND_UPPER;
  tt.store(key, best_move, to_tt(best, ply), depth, bound);
  return best;
}

Value Search::Impl::search_root(int depth, Value alpha, Value beta) {
  Value best = -INFINITE;
  int best_index = -1;
  for (int i = 0; i < root_size; ++i) {
    RootMove& rm = root[std::size_t(i)];
    Value v;
    if (takes_own_king(rm.move)) {
      v = loss_in(1);
    } else {
      Undo u;
      make(rm.move, u, root_in_check);
      if (i == 0 || depth == 1) {
        v = -search(depth - 1, -beta, -alpha, 1, true);
      } else {
        v = -search(depth - 1, -alpha - 1, -alpha, 1, true);
        if (v > alpha && v < beta) v = -search(depth - 1, -beta, -alpha, 1, true);
      }
      unmake(rm.move, u);
      if (aborted) break;
    }
    rm.score = v > alpha || depth == 1 ? v : -INFINITE;
    if (v > best) {
      best = v;
      best_index = i;
      if (v > alpha) alpha = v;
      if (v >= beta) break;
    }
  }
  if (best_index > 0)
    std::rotate(root.begin(), root.begin() + best_index, root.begin() + best_index + 1);
  if (!aborted) {  // the rest by score, ties kept in order (an insertion sort allocates nothing)
    for (int i = 2; i < root_size; ++i)
      for (int j = i; j > 1 && root[std::size_t(j)].score > root[std::size_t(j - 1)].score; --j)
        std::swap(root[std::size_t(j)], root[std::size_t(j - 1)]);
  }
  return best;
}

Result Search::Impl::think(const Position& p, const Limits& l) {
  pos = p;
  // A search bounded by nodes or depth starts afresh, so that it plays the same every time;
  // one bounded by time uses what the searches before it found under the same rules.
  const bool afresh = l.nodes > 0 || l.depth > 0 || standard != (p.rules() == Rules::standard);
  standard = p.rules() == Rules::standard;
  root_in_check = pos.in_check();
  limits = l;
  start = Clock::now();
  nodes = 0;
  seldepth = 0;
  aborted = false;
  tt.new_search(afresh);
  for (auto& row : history) row.fill(0);
  for (Frame& f : frames) f.killer = {};

  Result result;
  Frame& f = frames[0];
  f.list.size = 0;
  generate_all(pos, f.list);
  if (f.list.size == 0) {
    result.score = loss_in(0);
    return result;
  }
  root_size = 0;
  for (Move m : f.list) {
    const Piece cap = pos.captured_piece(m);
    if (type_of(cap) == KING && color_of(cap) != pos.side()) {
      result.move = m;
      result.score = win_in(1);
      result.depth = 1;
      return result;
    }
    root[std::size_t(root_size++)] = {m, 0};
  }
  // The first order: captures by worth, then the rest as the scan leaves them.
  f.size = f.list.size;
  f.next = 0;
  for (int i = 0; i < f.size; ++i) {
    const Move m = f.list.moves[std::size_t(i)];
    f.moves[std::size_t(i)] = {m, takes_opponent(m) ? place(capture_score(m), i) : -INFINITE};
  }
  for (int i = 0; i < root_size; ++i) root[std::size_t(i)] = {pick_scanning(f, f.size), 0};

  result.move = root[0].move;
  Move last_best = NO_MOVE;
  int stable = 0;
  const int max_depth = limits.depth > 0 ? std::min(limits.depth, MAX_PLY - 8) : MAX_PLY - 8;
  for (int depth = 1; depth <= max_depth; ++depth) {
    Value window = 60, alpha = -INFINITE, beta = INFINITE, v;
    if (depth >= 4 && !is_decisive(result.score)) {
      alpha = result.score - window;
      beta = result.score + window;
    }
    for (;;) {
      v = search_root(depth, alpha, beta);
      if (aborted) break;
      if (v <= alpha) {
        alpha = std::max(-INFINITE, alpha - window);
        window *= 2;
      } else if (v >= beta) {
        beta = std::min(INFINITE, beta + window);
        window *= 2;
      } else {
        break;
      }
    }
    if (aborted) {
      // A move that beat the previous best in the unfinished iteration has been searched deeper.
      if (v > alpha && v != -INFINITE && root[0].move != result.move) {
        result.move = root[0].move;
        result.score = root[0].score;
      }
      break;
    }
    result.move = root[0].move;
    result.score = v;
    result.depth = depth;
    if (report && *report) {
      result.nodes = nodes;
      result.seldepth = seldepth;
      fill_pv(result);
      (*report)(result);
    }
    stable = result.move == last_best ? stable + 1 : 0;
    last_best = result.move;

    if (is_decisive(v)) break;
    if (depth == 1) {
      int alive = 0;
      for (int i = 0; i < root_size; ++i) alive += root[std::size_t(i)].score > -WIN + MAX_PLY;
      if (alive <= 1) break;  // one move escapes, or none does
    }
    if (limits.seconds > 0 && limits.max_seconds > limits.seconds) {
      const double t = elapsed();
      // A best move still changing is worth the longer budget.
      const double budget =
          stable == 0 ? std::max(limits.seconds, limits.max_seconds) : limits.seconds;
      if (t > budget * 0.5) break;
      if (stable >= 6 && t > limits.seconds * 0.25) break;
    }
  }
  result.nodes = nodes;
  result.seldepth = seldepth;
  fill_pv(result);
  return result;
}

Search::Search(int table_mb) : impl_(std::make_unique<Impl>(std::max(1, table_mb))) {}
Search::~Search() = default;

namespace {

// The first of the last HISTORY_KEYS entries.
template <class T>
std::size_t kept_from(const std::vector<T>& history) {
  return history.size() > std::size_t(HISTORY_KEYS) ? history.size() - HISTORY_KEYS : 0;
}

}  // namespace

Result Search::think(const Position& pos, const Limits& limits, const std::vector<Key>& history) {
  impl_->clear_keys();
  for (std::size_t i = kept_from(history); i < history.size(); ++i) impl_->push_key(history[i]);
  return impl_->think(pos, limits);
}

Result Search::think(const Position& pos, const Limits& limits,
                     const std::vector<Earlier>& history) {
  return think(pos, limits, history, DepthReport{});
}

Result Search::think(const Position& pos, const Limits& limits, const std::vector<Earlier>& history,
                     const DepthReport& report) {
  impl_->clear_keys();
  for (std::size_t i = kept_from(history); i < history.size(); ++i)
    impl_->push_key(history[i].key, history[i].in_check);
  impl_->report = &report;
  const Result r = impl_->think(pos, limits);
  impl_->report = nullptr;
  return r;
}

}  // namespace hakuro::engine
