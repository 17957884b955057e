#include "engine/movegen.h"

#include "engine/legal.h"

namespace hakuro::engine {

namespace {

constexpr bool in_zone(Color c, int y) { return c == BOTTOM ? y <= 3 : y >= 7; }
// Rows from the mover's far edge: 1 is the last row.
constexpr int rows_left(Color c, int y) { return c == BOTTOM ? y : 10 - y; }

enum Which { CAPTURES = 1, QUIETS = 2, DROPS = 4 };

void add_board_move(MoveList& list, Color c, Type t, int from, int to) {
  if (can_promote_type(t) && may_promote(c, t, rank_of(from), rank_of(to))) {
    list.push(make_move(from, to, true));
    if (must_promote(c, t, rank_of(to))) return;
  }
  list.push(make_move(from, to, false));
}

// Under the standard rules (`standard`) a piece never moves onto one of its own side.
template <int which, bool standard>
void board_moves(const Position& pos, MoveList& list) {
  const Color us = pos.side();
  pos.pieces(us).for_each([&](int from) {
    const Piece p = pos.at(from);
    const Type t = type_of(p);
    const Moves& mv = moves_of(p);
    auto consider = [&](int to, Piece q) {
      if (standard && is_piece(q) && color_of(q) == us) return;
      const bool capture = is_piece(q) && color_of(q) != us;
      if ((which & (capture ? CAPTURES : QUIETS)) != 0) add_board_move(list, us, t, from, to);
    };
    // For captures alone, one look at the sets tells that most pieces step onto no opponent's.
    const bool steps_capture =
        which != CAPTURES || !(step_targets(p, from) & pos.pieces(~us)).empty();
    for (int i = 0; steps_capture && mv.steps[i]; ++i) {
      const int to = from + mv.steps[i];
      const Piece q = pos.at(to);
      if (q != WALL) consider(to, q);
    }
    for (int i = 0; mv.slides[i]; ++i) {
      const int d = mv.slides[i];
      for (int to = from + d;; to += d) {
        const Piece q = pos.at(to);
        if (q == WALL) break;
        consider(to, q);
        if (q != EMPTY) break;
      }
    }
  });
}

// The rows nearest the far edge where a dropped piece could never move again.
constexpr int barred_rows(int kind) {
  return kind == PAWN || kind == LANCE ? 1 : kind == KNIGHT ? 2 : 0;
}

// The squares where a player may drop a piece barred from so many rows, and each column's squares.
struct DropSquares {
  std::array<std::array<SquareSet, 3>, 2> open;  // by colour and barred rows
  std::array<SquareSet, 10> file;
};

constexpr DropSquares make_drop_squares() {
  DropSquares d{};
  for (int y = 1; y <= 9; ++y)
    for (int x = 1; x <= 9; ++x) {
      d.file[x].add(square(x, y));
      for (Color c : {BOTTOM, TOP})
        for (int barred = 0; barred <= 2; ++barred)
          if (rows_left(c, y) > barred) d.open[c][barred].add(square(x, y));
    }
  return d;
}

constexpr DropSquares DROP_SQUARES = make_drop_squares();

void drops(const Position& pos, MoveList& list) {
  const Color us = pos.side();
  const SquareSet empty = ~(pos.pieces(BOTTOM) | pos.pieces(TOP));
  for (int k = PAWN; k <= ROOK; ++k) {
    if (!pos.hand(us, Type(k))) continue;
    SquareSet to = empty & DROP_SQUARES.open[us][barred_rows(k)];
    if (k == PAWN)
      for (int x = 1; x <= 9; ++x)
        if (pos.pawn_on_file(us, x)) to = to & ~DROP_SQUARES.file[x];
    to.for_each([&](int sq) { list.push(make_drop(Type(k), sq)); });
  }
}

bool reaches(const Position& pos, Piece p, int from, int to) {
  const Moves& mv = moves_of(p);
  for (int i = 0; mv.steps[i]; ++i)
    if (from + mv.steps[i] == to) return true;
  for (int i = 0; mv.slides[i]; ++i)
    for (int s = from + mv.slides[i];; s += mv.slides[i]) {
      if (s == to) return true;
      if (pos.at(s) != EMPTY) break;
    }
  return false;
}

// Whether m is one of the moves the own rule allows here.
bool fits_own_rule(const Position& pos, Move m) {
  const Color us = pos.side();
  const int to = to_sq(m), from = from_sq(m);
  if (to >= SQ_N || from >= SQ_N || pos.at(to) == WALL) return false;
  if (is_drop(m)) {
    const Type k = drop_kind(m);
    return from == 0 && !is_promotion(m) && k <= ROOK && pos.hand(us, k) && pos.at(to) == EMPTY &&
           rows_left(us, rank_of(to)) > barred_rows(k) &&
           !(k == PAWN && pos.pawn_on_file(us, file_of(to)));
  }
  const Piece p = pos.at(from);
  if (!is_piece(p) || color_of(p) != us || !reaches(pos, p, from, to)) return false;
  const Type t = type_of(p);
  if (is_promotion(m)) return may_promote(us, t, rank_of(from), rank_of(to));
  return !must_promote(us, t, rank_of(to));
}

// Under the standard rules: drops the moves from `first` on that leave the king attacked or
// drop a pawn to mate.
void keep_legal(const Position& pos, MoveList& list, int first) {
  const Guard g = guard(pos);
  int n = first;
  for (int i = first; i < list.size; ++i) {
    const Move m = list.moves[std::size_t(i)];
    if (leaves_king_safe(pos, g, m) && !pawn_drop_mates(pos, m)) list.moves[std::size_t(n++)] = m;
  }
  list.size = n;
}

template <int which>
void generate(const Position& pos, MoveList& list) {
  const bool standard = pos.rules() == Rules::standard;
  const int first = list.size;
  if constexpr ((which & (CAPTURES | QUIETS)) != 0) {
    if (standard) board_moves<which&(CAPTURES | QUIETS), true>(pos, list);
    else board_moves<which&(CAPTURES | QUIETS), false>(pos, list);
  }
  if (which & DROPS) drops(pos, list);
  if (standard) keep_legal(pos, list, first);
}

}  // namespace

bool may_promote(Color c, Type t, int from_y, int to_y) {
  if (!can_promote_type(t)) return false;
  if (t == PAWN || t == LANCE || t == KNIGHT) return in_zone(c, to_y);
  return in_zone(c, to_y) || in_zone(c, from_y);
}

bool must_promote(Color c, Type t, int to_y) {
  const int r = rows_left(c, to_y);
  return ((t == PAWN || t == LANCE) && r == 1) || (t == KNIGHT && r <= 2);
}

void generate_captures(const Position& pos, MoveList& list) { generate<CAPTURES>(pos, list); }
void generate_quiets(const Position& pos, MoveList& list) { generate<QUIETS | DROPS>(pos, list); }
void generate_all(const Position& pos, MoveList& list) {
  generate<CAPTURES | QUIETS | DROPS>(pos, list);
}
void generate_board_moves(const Position& pos, MoveList& list) {
  generate<CAPTURES | QUIETS>(pos, list);
}
void generate_drops(const Position& pos, MoveList& list) { generate<DROPS>(pos, list); }

bool pseudo_legal(const Position& pos, Move m) {
  if (!fits_own_rule(pos, m)) return false;
  if (pos.rules() == Rules::own) return true;
  const Piece q = pos.captured_piece(m);
  if (is_piece(q) && color_of(q) == pos.side()) return false;
  return leaves_king_safe(pos, guard(pos), m) && !pawn_drop_mates(pos, m);
}

uint64_t perft(Position& pos, int depth) {
  if (depth == 0) return 1;
  if (!pos.king(BOTTOM) || !pos.king(TOP)) return 0;
  MoveList list;
  generate_all(pos, list);
  if (depth == 1) return uint64_t(list.size);
  uint64_t n = 0;
  for (Move m : list) {
    Undo u;
    pos.do_move(m, u);
    n += perft(pos, depth - 1);
    pos.undo_move(m, u);
  }
  return n;
}

}  // namespace hakuro::engine
