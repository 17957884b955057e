// The one game record: the position, whose turn it is, the move record and the players' times.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "state/types.h"

namespace hakuro {

// What is on the board and in the hands. The old names: ban "board", mochi "hand", _su "count",
// nifu "two pawns", ou "king"; _sita and _ue the bottom and the top player's.
struct Position {
  Table board = filled(KARA);  // ban: piece code by square
  // mochi_sita, mochi_ue: the bottom and the top player's hands, by kind index
  Hand bottom_hand{}, top_hand{};
  int bottom_hand_total = 0, top_hand_total = 0;  // mochi_sita_su, mochi_ue_su: each hand's total
  // nifu_sita, nifu_ue: 1 where the column holds that player's unpromoted pawn
  Flags bottom_nifu{}, top_nifu{};
  // ou_sita_x, ou_sita_y, ou_ue_x, ou_ue_y: the two kings' squares
  int bottom_king_x = 0, bottom_king_y = 0, top_king_x = 0, top_king_y = 0;
};

// The full starting position: its board and hands (not the kings' squares or pawn flags).
Position starting_position();

// One move of the record (KifuMove). A drop's source is its hand column and a row.
struct RecordMove {
  // moto_x, moto_y "source", saki_x, saki_y "destination"
  int from_x = 0, from_y = 0, to_x = 0, to_y = 0;
  int piece = 0;     // koma "piece": the moving piece before the move
  int placed = 0;    // ato_koma "piece after": on the destination after it (promoted or not)
  int captured = 0;  // tori_koma "taken piece": KARA or what stood on the destination before
  // jikan_sita_mae, jikan_sita_ato, jikan_ue_mae, jikan_ue_ato (jikan "time", mae "before", ato
  // "after"): each player's accumulated thinking time before and after the move.
  double bottom_time_before = 0, bottom_time_after = 0, top_time_before = 0, top_time_after = 0;
};

// A date and a time of day, to the second.
struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  bool operator==(const DateTime&) const = default;
};

// How a game ended: nobody has won while it goes on.
enum class EndReason { none, king_taken, mated, no_move, resigned };
struct GameEnd {
  EndReason reason = EndReason::none;
  bool top_won = false;  // the top player won; the bottom player otherwise
};

// The move record (kifu). Entry 0 is no move; the record grows with the game.
struct Record {
  // kifu_tesu "record's move number": the last move applied to the board.
  int current_move = 0;
  // saigo_tesu "last move number": the last move held, the limit for stepping forward.
  int last_move = 0;
  // kifu "record": the moves, entry 0 none.
  std::vector<RecordMove> moves = std::vector<RecordMove>(1, RecordMove{.placed = HU});
  // How the game held ended, once it has; a move recorded over it, or the moves after an
  // earlier one given up, clear it.
  GameEnd end;

  // kaishi "start": the position before move 1 of the moves held. The full starting position,
  // or what a handicap, a pasted SFEN, 反転 or a loaded KIF file left at move 0.
  Position start = starting_position();
  // ue_sente "the top is 先手": the top player made move 1, or is to make it.
  bool top_first = false;
  // gote_ban "後手 to move": the start came (a KIF diagram with 後手番, an SFEN with w) naming
  // the bottom player 先手 and giving the top player, 後手, the first move. KIF and SFEN then
  // keep calling the bottom player 先手, whoever moves first.
  bool gote_to_move = false;
  // kaishi_tesu "start's move number": the number a pasted SFEN gave the position at move 0; 1
  // otherwise.
  int start_number = 1;
  // kaishi_nichiji "start date and time": when the game held began, once its first move is
  // played or a loaded file tells it.
  std::optional<DateTime> started;
  // The title (taikyoku_mei "match name") and the top and the bottom player's names (ue_mei,
  // sita_mei) that a loaded file gave; empty when none did.
  std::string title, top_name, bottom_name;
  // com_level "computer's level": the level at which the computer played the top player when the
  // last move held was made; 0 when two people played it, or it was loaded.
  int computer_level = 0;
  // The computer's level when move 1 was made: the level the game began with. Later changes are
  // kept as comments ("LEVEL5") at the move after which they were made.
  int start_level = 0;
  // Comments by move: comments[n] follows move n (0: before the first move), its lines joined
  // by '\n'; a move without one may lie beyond the vector's end. Giving a move up drops them.
  std::vector<std::string> comments;

  // Gives up the moves held after move n (every move for 0, and with them the start time, the
  // title, the names and the computer's levels that came with them). Moves given up are gone:
  // last_move may name more (先手 and 後手 set it from the move number shown, which goes on
  // after 反転 gives the record up), but they are not held.
  void cut(int n) {
    if (n < last_move || n == 0) end = {};
    if (n >= 0 && moves.size() > static_cast<std::size_t>(n) + 1)
      moves.resize(static_cast<std::size_t>(n) + 1);
    if (n >= 0 && comments.size() > static_cast<std::size_t>(n) + 1)
      comments.resize(static_cast<std::size_t>(n) + 1);
    if (n == 0) {
      started.reset();
      title.clear();
      top_name.clear();
      bottom_name.clear();
      comments.clear();
      computer_level = 0;
      start_level = 0;
    }
    last_move = n;
  }

  // How many moves are held: last_move, or fewer where it names moves given up.
  int held() const { return std::min(last_move, static_cast<int>(moves.size()) - 1); }
  // Whether move n is one of them.
  bool holds(int n) const { return n >= 1 && n <= held(); }

  // Whether the start is the full starting position (hirate "even game").
  bool hirate() const;

  // The comment after move n (0: before the first move); empty when there is none.
  const std::string& comment(int n) const {
    static const std::string none;
    const auto i = static_cast<std::size_t>(n);
    return n >= 0 && i < comments.size() ? comments[i] : none;
  }
  void set_comment(int n, std::string text) {
    if (n < 0) return;
    const auto i = static_cast<std::size_t>(n);
    if (comments.size() <= i) comments.resize(i + 1);
    comments[i] = std::move(text);
  }

  // Move n to write, making room for it.
  RecordMove& at(int n) {
    const auto i = static_cast<std::size_t>(n < 0 ? 0 : n);
    if (moves.size() <= i) moves.resize(i + 1);
    return moves[i];
  }
  // Move n to read; an empty move where the record holds none (it never grows by reading).
  const RecordMove& move(int n) const {
    static const RecordMove none{};
    const auto i = static_cast<std::size_t>(n);
    return n >= 0 && i < moves.size() ? moves[i] : none;
  }
};

struct Game {
  Position pos;

  // Side values. teban_sente and teban_gote mean the side that moves first and second (+1 and
  // -1 until a record says otherwise); sita and ue are the bottom and the top player's side
  // values for this game; teban is the side to move.
  int sente_side = 1, gote_side = -1;
  int bottom_side = -1, top_side = 1;
  int side_to_move = TEBAN_NASI;

  int play_mode = MODE_MAN;  // taikyoku_mode "match": two people or against the computer
  int move_number = 0;       // tesu "move count": moves made, as shown
  int level = 3;             // the computer's strength, 1..3
  int king_taker = TEBAN_NASI;  // ou_tori "king taken": the side that took a king

  // chudan "suspended" (a press resumes the game), kifu_mode "record mode" (stepping through a
  // record), hanten "flipped" board.
  int suspended = NG, record_mode = NG, flipped = NG;
  // hande_level "handicap level" -10..10, shown while hande_settei "handicap set" is OK.
  int handicap_level = 0, handicap_set = NG;

  Record record;
  // mochi_jikan_ue, mochi_jikan_sita "time held": the top and the bottom player's thinking
  // times, in seconds.
  double top_time = 0, bottom_time = 0;
};

// Every square and hand count cleared, the starting position set, the hand totals recomputed.
void set_starting_position(Position& p);

// A king that is not on the board (one side of a tsume has none) has no square: (0, 0).
void forget_missing_kings(Position& p);

// 反転 "turn round": the board seen from the other side, every piece going to the other player,
// and the hands exchanged with their totals. The kings' squares and the pawn flags are kept as
// they were, but a king no longer on the board has none.
Position turned_round(const Position& p);

}  // namespace hakuro
