#include "engine/position.h"

#include "engine/king_relation.h"
#include "engine/lines.h"
#include "engine/relation_weights.h"
#include "engine/weights.h"

namespace hakuro::engine {

namespace {

constexpr uint64_t splitmix(uint64_t& s) {
  uint64_t z = (s += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// The key is a sum: each piece on a square, each piece in hand (times the count) and the top
// player to move add their number.
struct Zobrist {
  std::array<std::array<Key, SQ_N>, PIECE_N> piece{};
  std::array<std::array<Key, HAND_KINDS>, 2> hand{};
  Key top_to_move = 0;
};

constexpr Zobrist make_zobrist() {
  Zobrist z;
  uint64_t s = 0x48414B55524F;  // any fixed seed
  for (auto& row : z.piece)
    for (auto& k : row) k = splitmix(s);
  for (auto& row : z.hand)
    for (auto& k : row) k = splitmix(s);
  z.top_to_move = splitmix(s);
  return z;
}

constexpr Zobrist ZOBRIST = make_zobrist();

constexpr int sign(Color c) { return c == BOTTOM ? 1 : -1; }

constexpr Value placed_value(Piece p, int sq) {
  namespace w = weights;
  const Type t = type_of(p);
  const int y = rank_of(sq);
  const int row = color_of(p) == BOTTOM ? y : 10 - y;  // 1 is the opponent's back row
  Value v = w::BASE[t] + w::PROMOTION[t];
  switch (t) {
    case PAWN: v += w::PAWN_ROW[row]; break;
    case KNIGHT: v += w::KNIGHT_ROW[row]; break;
    case SILVER:
    case PRO_PAWN:
    case PRO_LANCE:
    case PRO_KNIGHT:
    case PRO_SILVER: v += w::SILVER_ROW[row]; break;
    case GOLD: v += w::GOLD_ROW[row]; break;
    case KING: v += w::KING_ROW[row]; break;
    default: break;
  }
  return v;
}

// piece_square_value for every piece on every square of the board.
constexpr auto make_placed() {
  std::array<std::array<Value, SQ_N>, PIECE_N> t{};
  for (int p = 0; p < PIECE_N; ++p)
    for (int y = 1; y <= 9; ++y)
      for (int x = 1; x <= 9; ++x)
        if (is_piece(Piece(p))) t[p][square(x, y)] = placed_value(Piece(p), square(x, y));
  return t;
}

constexpr auto PLACED = make_placed();

}  // namespace

Value piece_square_value(Piece p, int sq) { return PLACED[p][sq]; }

Value hand_piece_value(Type kind, int n) {
  const int first = weights::HAND[kind];
  return n <= 1 ? first : first * weights::HAND_MORE_PERCENT / 100;
}

Position::Position() {
  board_.fill(WALL);
  for (int y = 1; y <= 9; ++y)
    for (int x = 1; x <= 9; ++x) board_[square(x, y)] = EMPTY;
}

Position Position::start(Rules rules) {
  Position p;
  p.rules_ = rules;
  constexpr Type back[10] = {NO_TYPE, LANCE, KNIGHT, SILVER, GOLD,
                             KING,    GOLD,  SILVER, KNIGHT, LANCE};
  for (int x = 1; x <= 9; ++x) {
    p.put(square(x, 1), make_piece(TOP, back[x]));
    p.put(square(x, 3), make_piece(TOP, PAWN));
    p.put(square(x, 7), make_piece(BOTTOM, PAWN));
    p.put(square(x, 9), make_piece(BOTTOM, back[x]));
  }
  p.put(square(2, 2), make_piece(TOP, ROOK));
  p.put(square(8, 2), make_piece(TOP, BISHOP));
  p.put(square(2, 8), make_piece(BOTTOM, BISHOP));
  p.put(square(8, 8), make_piece(BOTTOM, ROOK));
  return p;
}

void Position::put(int sq, Piece p) {
  if (board_[sq] == WALL) return;
  if (board_[sq] != EMPTY) {
    const Piece old = board_[sq];
    remove(sq);
    if (type_of(old) == KING && king_[color_of(old)] == sq)
      king_[color_of(old)] = uint8_t(find_king(color_of(old)));
    relation_ = {count_relation(BOTTOM), count_relation(TOP)};
  }
  if (p != EMPTY) add(sq, p);
}

void Position::set_hand(Color c, Type kind, int n) {
  while (hand_[c][kind] > 0) hand_remove(c, kind);
  for (int i = 0; i < n && i < 255; ++i) hand_add(c, kind);
}

void Position::set_side(Color c) {
  if (c == side_) return;
  side_ = c;
  if (c == TOP) key_ += ZOBRIST.top_to_move;
  else key_ -= ZOBRIST.top_to_move;
}

bool Position::hand_empty(Color c) const {
  for (int k = PAWN; k <= ROOK; ++k)
    if (hand_[c][k]) return false;
  return true;
}

void Position::set_square(int sq, Piece p) {
  const Piece old = board_[sq];
  if (old != EMPTY) {
    pieces_[color_of(old)].remove(sq);
    sliders_.remove(sq);
  }
  board_[sq] = p;
  if (p != EMPTY) {
    pieces_[color_of(p)].add(sq);
    if (moves_of(p).slides[0]) sliders_.add(sq);
  }
}

void Position::add_relation(Piece p, int sq, int times) {
  namespace rel = relation;
  const Color c = color_of(p);
  const int g = rel::GROUP[type_of(p)];
  if (g < 0) return;
  const int v = sign(c) * times;
  if (const int own = king_[c])
    relation_[c] += v * weights::RELATION[rel::OWN][g][rel::PLACES[c][own][sq]];
  if (const int theirs = king_[~c])
    relation_[~c] += v * weights::RELATION[rel::THEIRS][g][rel::PLACES[c][theirs][sq]];
}

Value Position::count_relation(Color k) const {
  namespace rel = relation;
  const int ks = king_[k];
  if (!ks) return 0;
  Value v = 0;
  for (Color c : {BOTTOM, TOP}) {
    const int whose = c == k ? rel::OWN : rel::THEIRS;
    const auto& places = rel::PLACES[c][ks];
    Value part = 0;
    pieces_[c].for_each([&](int s) {
      const int g = rel::GROUP[type_of(board_[s])];
      if (g >= 0) part += weights::RELATION[whose][g][places[std::size_t(s)]];
    });
    v += sign(c) * part;
  }
  return v;
}

// A king placed changes every piece's part against it: that share is counted afresh.
void Position::add(int sq, Piece p) {
  set_square(sq, p);
  key_ += ZOBRIST.piece[p][sq];
  material_ += sign(color_of(p)) * piece_square_value(p, sq);
  const Type t = type_of(p);
  if (t == PAWN) ++pawns_[color_of(p)][file_of(sq)];
  if (t == KING) {
    king_[color_of(p)] = uint8_t(sq);
    relation_[color_of(p)] = count_relation(color_of(p));
  } else {
    add_relation(p, sq, 1);
  }
}

// A king removed leaves relation() to the caller, which finds where that king now is.
void Position::remove(int sq) {
  const Piece p = board_[sq];
  add_relation(p, sq, -1);
  set_square(sq, EMPTY);
  key_ -= ZOBRIST.piece[p][sq];
  material_ -= sign(color_of(p)) * piece_square_value(p, sq);
  if (type_of(p) == PAWN) --pawns_[color_of(p)][file_of(sq)];
}

void Position::hand_add(Color c, Type kind) {
  const int n = ++hand_[c][kind];
  key_ += ZOBRIST.hand[c][kind];
  material_ += sign(c) * hand_piece_value(kind, n);
}

void Position::hand_remove(Color c, Type kind) {
  const int n = hand_[c][kind]--;
  key_ -= ZOBRIST.hand[c][kind];
  material_ -= sign(c) * hand_piece_value(kind, n);
}

int Position::find_king(Color c) const {
  const Piece k = make_piece(c, KING);
  for (int s = 0; s < SQ_N; ++s)
    if (board_[s] == k) return s;
  return 0;
}

void Position::do_move(Move m, Undo& u) {
  u.key = key_;
  u.material = material_;
  u.relation = relation_;
  u.king = king_;
  const int to = to_sq(m);
  if (is_drop(m)) {
    u.captured = EMPTY;
    hand_remove(side_, drop_kind(m));
    add(to, make_piece(side_, drop_kind(m)));
  } else {
    const int from = from_sq(m);
    const Piece p = board_[from];
    const Piece cap = board_[to];
    u.captured = cap;
    if (cap != EMPTY) {
      remove(to);
      if (type_of(cap) == KING) {
        const Color c = color_of(cap);
        if (king_[c] == to) king_[c] = uint8_t(find_king(c));
        relation_[c] = count_relation(c);
      } else {
        hand_add(side_, hand_kind(type_of(cap)));
      }
    }
    remove(from);
    add(to, is_promotion(m) ? make_piece(color_of(p), promoted(type_of(p))) : p);
  }
  set_side(~side_);
}

void Position::undo_move(Move m, const Undo& u) {
  side_ = ~side_;
  const int to = to_sq(m);
  if (is_drop(m)) {
    if (type_of(board_[to]) == PAWN) --pawns_[side_][file_of(to)];
    set_square(to, EMPTY);
    ++hand_[side_][drop_kind(m)];
  } else {
    const int from = from_sq(m);
    Piece p = board_[to];
    if (type_of(p) == PAWN) --pawns_[color_of(p)][file_of(to)];
    if (is_promotion(m)) p = make_piece(color_of(p), Type(type_of(p) & 7));
    set_square(from, p);
    if (type_of(p) == PAWN) ++pawns_[color_of(p)][file_of(from)];
    const Piece cap = u.captured;
    set_square(to, cap);
    if (cap != EMPTY) {
      if (type_of(cap) == PAWN) ++pawns_[color_of(cap)][file_of(to)];
      if (type_of(cap) != KING) --hand_[side_][hand_kind(type_of(cap))];
    }
  }
  key_ = u.key;
  material_ = u.material;
  relation_ = u.relation;
  king_ = u.king;
}

void Position::do_null(Undo& u) {
  u.key = key_;
  set_side(~side_);
}

void Position::undo_null(const Undo& u) {
  side_ = ~side_;
  key_ = u.key;
}

bool Position::attacked(int sq, Color by, int vacated) const {
  // The neighbours are the squares a king steps to.
  const SquareSet near = pieces_[by] & step_targets(make_piece(by, KING), sq);
  if (near.any([&](int s) {
        return s != vacated && (steps_along(board_[s], sq - s) || slides_along(board_[s], sq - s));
      }))
    return true;
  // Knights of `by` jump forwards: they stand two rows behind sq, as `by` sees it.
  const int f = by == BOTTOM ? UP : DOWN;
  const Piece knight = make_piece(by, KNIGHT);
  for (int s : {sq - 2 * f + LEFT, sq - 2 * f + RIGHT})
    if (board_[s] == knight && s != vacated) return true;
  // A slider of `by` further away, on a line to sq with nothing between.
  return (sliders_ & pieces_[by] & rays(sq)).any([&](int s) {
    const int d = line_step(s, sq);
    if (d == 0 || !slides_along(board_[s], d)) return false;
    for (int t = s + d; t != sq; t += d)
      if (board_[t] != EMPTY && t != vacated) return false;
    return s != vacated;
  });
}

bool Position::gives_check(Move m) const {
  const int ks = king_[~side_];
  if (!ks) return false;
  const int to = to_sq(m), from = is_drop(m) ? 0 : from_sq(m);
  Piece p = moved_piece(m);
  if (is_promotion(m)) p = make_piece(side_, promoted(type_of(p)));
  // The moved piece itself, on its new square: a step, or a slide past the square it left.
  if (step_targets(p, to).contains(ks)) return true;
  if (const int d = line_step(to, ks); d != 0 && slides_along(p, d)) {
    int t = to + d;
    while (t != ks && (board_[t] == EMPTY || t == from)) t += d;
    if (t == ks) return true;
  }
  if (!from) return false;
  // A slider of ours behind the square left, now open onto the king.
  const int d = line_step(from, ks);
  if (d == 0) return false;
  for (int t = from + d; t != ks; t += d)
    if (board_[t] != EMPTY || t == to) return false;
  int s = from - d;
  while (board_[s] == EMPTY && s != to) s -= d;
  return s != to && is_piece(board_[s]) && color_of(board_[s]) == side_ &&
         slides_along(board_[s], d);
}

}  // namespace hakuro::engine
