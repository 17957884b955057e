// The engine's position: a padded board, both hands, the side to move and an incremental key,
// with do_move / undo_move and an undo record.
#pragma once

#include <array>
#include <cstdint>

#include "engine/piece_moves.h"
#include "engine/square_set.h"
#include "engine/types.h"

namespace hakuro::engine {

using Key = uint64_t;

// What undo_move needs besides the move itself.
struct Undo {
  Key key = 0;
  Value material = 0;
  std::array<Value, 2> relation{};
  Piece captured = EMPTY;
  std::array<uint8_t, 2> king{};
};

class Position {
 public:
  Position();  // an empty board, empty hands, the bottom player to move

  // The game's starting position, the bottom player to move.
  static Position start(Rules rules = Rules::own);

  // Setting up.
  void put(int sq, Piece p);  // p may be EMPTY
  void set_hand(Color c, Type kind, int n);
  void set_side(Color c);
  void set_rules(Rules r) { rules_ = r; }

  bool operator==(const Position&) const = default;

  Piece at(int sq) const { return board_[sq]; }
  int hand(Color c, Type kind) const { return hand_[c][kind]; }
  bool hand_empty(Color c) const;
  Color side() const { return side_; }
  Rules rules() const { return rules_; }
  Key key() const { return key_; }
  int king(Color c) const { return king_[c]; }  // 0 when that king is not on the board
  // The squares of c's pieces, and of the pieces of either side that slide.
  const SquareSet& pieces(Color c) const { return pieces_[c]; }
  const SquareSet& sliders() const { return sliders_; }
  // An unpromoted pawn of c stands in column x.
  bool pawn_on_file(Color c, int x) const { return pawns_[c][x] != 0; }
  // The incrementally kept worth of the pieces on the board and in hand with their placement,
  // from the bottom player's view.
  Value material() const { return material_; }
  // The incrementally kept worth of where the pieces stand against the kings
  // (king_relation.h), from the bottom player's view.
  Value relation() const { return relation_[BOTTOM] + relation_[TOP]; }

  Piece moved_piece(Move m) const {
    return is_drop(m) ? make_piece(side_, drop_kind(m)) : board_[from_sq(m)];
  }
  Piece captured_piece(Move m) const { return is_drop(m) ? EMPTY : board_[to_sq(m)]; }

  void do_move(Move m, Undo& u);
  void undo_move(Move m, const Undo& u);
  // Passing, for the search's null move.
  void do_null(Undo& u);
  void undo_null(const Undo& u);

  // Whether a piece of `by` could move onto sq; with `vacated`, as if that square were empty
  // (the square a piece has just left) and its piece could not move.
  bool attacked(int sq, Color by, int vacated = 0) const;
  // The side to move's king stands where the opponent could take it.
  bool in_check() const { return king_[side_] && attacked(king_[side_], ~side_); }
  // The side to move could take the opponent's king now.
  bool can_take_king() const { return king_[~side_] && attacked(king_[~side_], side_); }
  // Whether m would put the opponent's king where the side to move could take it, found without
  // making m. Asked only while the side to move cannot take that king already.
  bool gives_check(Move m) const;

 private:
  void add(int sq, Piece p);
  void remove(int sq);
  // Puts p (perhaps EMPTY) on sq for the board and the squares' sets alone.
  void set_square(int sq, Piece p);
  void hand_add(Color c, Type kind);
  void hand_remove(Color c, Type kind);
  int find_king(Color c) const;
  // Adds one piece's part of relation(), times `times`, to each king's share.
  void add_relation(Piece p, int sq, int times);
  // The share of relation() that stands against c's king, counted afresh.
  Value count_relation(Color c) const;

  std::array<Piece, SQ_N> board_{};
  std::array<std::array<uint8_t, HAND_KINDS>, 2> hand_{};
  std::array<std::array<uint8_t, 10>, 2> pawns_{};
  std::array<uint8_t, 2> king_{};
  std::array<SquareSet, 2> pieces_{};
  SquareSet sliders_;
  Color side_ = BOTTOM;
  Key key_ = 0;
  Value material_ = 0;
  // relation() split by the king each part stands against: a king that moves changes its own
  // share alone.
  std::array<Value, 2> relation_{};
  Rules rules_ = Rules::own;
};

// The worth (with placement) of piece p on sq, from its owner's view; of the n-th piece of a
// kind in hand, n counted from 1.
Value piece_square_value(Piece p, int sq);
Value hand_piece_value(Type kind, int n);

}  // namespace hakuro::engine
