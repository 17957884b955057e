// The one game record: the position, whose turn it is, the move record and the players' times.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "state/move.h"
#include "state/time_control.h"
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

// How a `.棋譜` line names a drop's source row (moto_y): the hand cell's row, as a person's moves
// and the files give it, or the kind index, as the computer names its top-hand drops.
enum class DropRow : unsigned char { cell, kind };

// One move of the record (KifuMove).
struct RecordMove {
  Move move;
  // jikan_sita_mae, jikan_sita_ato, jikan_ue_mae, jikan_ue_ato (jikan "time", mae "before", ato
  // "after"): each player's accumulated thinking time before and after the move.
  double bottom_time_before = 0, bottom_time_after = 0, top_time_before = 0, top_time_after = 0;
  DropRow drop_row = DropRow::cell;
};

// A date and a time of day, to the second.
struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  bool operator==(const DateTime&) const = default;
};

// How a game ended: nobody has won while it goes on. Under the standard rules a game may also
// end in 千日手: drawn (repetition), or lost by the player who gave check with every move of the
// cycle (perpetual_check). Under a time control the player whose time runs out loses (time_out).
enum class EndReason {
  none,
  king_taken,
  mated,
  no_move,
  resigned,
  repetition,
  perpetual_check,
  time_out
};
struct GameEnd {
  EndReason reason = EndReason::none;
  bool top_won = false;  // the top player won; the bottom player otherwise (never for a draw)
  bool drawn() const { return reason == EndReason::repetition; }
};

// The move record (kifu): the moves held, the one shown, how the game held ended, the comments
// and where the moves started. Its operations keep the moves shown and the end true to the moves
// held: nothing grows the record but recording a move.
class Record {
 public:
  // How many moves are held: last_move(), or fewer where it names moves never recorded.
  int held() const { return std::min(last_, stored()); }
  // Whether move n is one of them.
  bool holds(int n) const { return n >= 1 && n <= held(); }
  // Move n; an empty move where the record holds none.
  const RecordMove& move(int n) const {
    static const RecordMove none{};
    return n >= 0 && n <= held() ? moves_[static_cast<std::size_t>(n)] : none;
  }

  // kifu_tesu "record's move number": the last move applied to the board, 0 to held().
  int current_move() const { return current_; }
  // Shows move n (0: the start), within the moves held.
  void show(int n) { current_ = std::clamp(n, 0, held()); }
  // Takes n as the move shown, whatever the record holds: the replay tool's `set kifu_tesu`.
  void set_current_move(int n) { current_ = n; }

  // saigo_tesu: the number of the last move, as the window and the replay tool show it. It is
  // held() unless the moves were cut at a later number than they reach: 先手 and 後手 cut them at
  // the move number shown, which goes on after 反転 gives the record up.
  int last_move() const { return last_; }
  // Gives up the moves after move n (every move for 0, and with them the start time, the title,
  // the names and the computer's levels that came with them); n becomes the last move's number.
  void cut(int n);
  // Makes n the last move's number, as the replay tool's `set saigo_tesu` does: the moves
  // recorded after it are hidden, not given up, until a move is recorded over them.
  void name_last(int n) { last_ = n; }
  // Records m as move n, giving up the moves from n on and their comments. Numbers between the
  // last held and n, which only the replay tool's `set` can leave, hold blank moves.
  void record(int n, const RecordMove& m);
  // Records m after the moves held (a loaded record's next move).
  void append(const RecordMove& m) { record(held() + 1, m); }

  // How the game held ended, once it has; a move recorded over it, or the moves after an earlier
  // one given up, clear it.
  const GameEnd& end() const { return end_; }
  void set_end(GameEnd e) { end_ = e; }

  // Comments by move: comments()[n] follows move n (0: before the first move), its lines joined
  // by '\n'; a move without one may lie beyond the vector's end. Giving a move up drops them.
  const std::vector<std::string>& comments() const { return comments_; }
  // Every comment at once, those beyond the moves held left out.
  void set_comments(std::vector<std::string> all);
  // The comment after move n (0: before the first move); empty when there is none.
  const std::string& comment(int n) const {
    static const std::string none;
    const auto i = static_cast<std::size_t>(n);
    return n >= 0 && i < comments_.size() ? comments_[i] : none;
  }
  // Sets the comment after move n, one of the moves held or 0.
  void set_comment(int n, std::string text);

  // Whether the start is the full starting position (hirate "even game").
  bool hirate() const;

  // kaishi "start": the position before move 1 of the moves held. The full starting position,
  // or what a handicap, a pasted SFEN, 反転 or a loaded KIF file left at move 0.
  const Position& start() const { return start_; }
  // Gives up every move and starts the record at p, move 0 numbered `number`; top_first tells
  // who is to make move 1.
  void start_at(const Position& p, bool top_first, int number) {
    cut(0);
    start_ = p;
    top_first_ = top_first;
    gote_to_move_ = false;
    start_number_ = number;
  }
  // The start becomes p, numbered 1, the moves held kept (they were played from it); with none
  // held, nobody has made move 1.
  void reset_start(const Position& p) {
    start_ = p;
    start_number_ = 1;
    if (held() == 0) top_first_ = gote_to_move_ = false;
  }
  // ue_sente "the top is 先手": the top player made move 1, or is to make it. Told by move 1 once
  // it is held.
  bool top_first() const { return top_first_; }
  void set_top_first(bool top) { top_first_ = top; }
  // gote_ban "後手 to move": the start came (a KIF diagram with 後手番, an SFEN with w) naming
  // the bottom player 先手 and giving the top player, 後手, the first move. KIF and SFEN then
  // keep calling the bottom player 先手, whoever moves first.
  bool gote_to_move() const { return gote_to_move_; }
  void set_gote_to_move(bool gote) { gote_to_move_ = gote; }
  // kaishi_tesu "start's move number": the number a pasted SFEN gave the position at move 0; 1
  // otherwise.
  int start_number() const { return start_number_; }
  void set_start_number(int n) { start_number_ = n; }
  // kaishi_nichiji "start date and time": when the game held began, once its first move is
  // played or a loaded file tells it.
  const std::optional<DateTime>& started() const { return started_; }
  void set_started(std::optional<DateTime> t) { started_ = t; }
  // The title (taikyoku_mei "match name") and the top and the bottom player's names (ue_mei,
  // sita_mei) that a loaded file gave; empty when none did.
  const std::string& title() const { return title_; }
  const std::string& top_name() const { return top_name_; }
  const std::string& bottom_name() const { return bottom_name_; }
  void set_names(std::string title, std::string top, std::string bottom) {
    title_ = std::move(title);
    top_name_ = std::move(top);
    bottom_name_ = std::move(bottom);
  }
  // com_level "computer's level": the level at which the computer played the top player when the
  // last move held was made; 0 when two people played it, or it was loaded.
  int computer_level() const { return computer_level_; }
  void set_computer_level(int level) { computer_level_ = level; }
  // The computer's level when move 1 was made: the level the game began with. Later changes are
  // kept as comments ("LEVEL5") at the move after which they were made.
  int start_level() const { return start_level_; }
  void set_start_level(int level) { start_level_ = level; }
  // The level of the computer that played the bottom player, in a game the person watched; 0
  // when a person played it.
  int bottom_level() const { return bottom_level_; }
  void set_bottom_level(int level) { bottom_level_ = level; }
  // The rules the moves held were played under.
  Rules rules() const { return rules_; }
  void set_rules(Rules r) { rules_ = r; }
  // The time control of the game held, when it had one.
  const TimeControl& time_control() const { return time_control_; }
  void set_time_control(TimeControl c) { time_control_ = c; }

 private:
  // How many moves are stored, those hidden after last_move() included.
  int stored() const { return static_cast<int>(moves_.size()) - 1; }
  // Drops the moves and the comments after move n.
  void give_up_after(int n);

  // kifu "record": the moves, entry 0 none (a pawn placed, as a blank move reads).
  std::vector<RecordMove> moves_ =
      std::vector<RecordMove>(1, RecordMove{.move = board_move({}, {}, 0, HU)});
  int current_ = 0;  // kifu_tesu
  int last_ = 0;     // saigo_tesu
  GameEnd end_;
  std::vector<std::string> comments_;
  Position start_ = starting_position();
  bool top_first_ = false, gote_to_move_ = false;
  int start_number_ = 1;
  std::optional<DateTime> started_;
  std::string title_, top_name_, bottom_name_;
  int computer_level_ = 0, start_level_ = 0, bottom_level_ = 0;
  Rules rules_ = Rules::own;
  TimeControl time_control_;
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
  // The computer's level playing the bottom player too, in a game the person watches; 0 while
  // a person plays it.
  int bottom_level = 0;
  int king_taker = TEBAN_NASI;  // ou_tori "king taken": the side that took a king

  // chudan "suspended" (a press resumes the game), kifu_mode "record mode" (stepping through a
  // record), hanten "flipped" board.
  int suspended = NG, record_mode = NG, flipped = NG;
  // hande_level "handicap level" -10..10, shown while hande_settei "handicap set" is OK.
  int handicap_level = 0, handicap_set = NG;

  // The rules the game on the board is played under, chosen when it began.
  Rules rules = Rules::own;

  Record record;
  // mochi_jikan_ue, mochi_jikan_sita "time held": the top and the bottom player's thinking
  // times, in seconds.
  double top_time = 0, bottom_time = 0;
  // The time control the game is played under, and each player's main time left under it
  // (0 once spent: the player is in 秒読み).
  TimeControl time_control;
  double top_left = 0, bottom_left = 0;
};

// Under the game's time control, each player's main time left after the moves up to the one
// shown, counted from the start with each move's own time.
void recount_time_left(Game& g);

// Every square and hand count cleared, the starting position set, the hand totals recomputed.
void set_starting_position(Position& p);

// A king that is not on the board (one side of a tsume has none) has no square: (0, 0).
void forget_missing_kings(Position& p);

// 反転 "turn round": the board seen from the other side, every piece going to the other player,
// and the hands exchanged with their totals. The kings' squares and the pawn flags are kept as
// they were, but a king no longer on the board has none.
Position turned_round(const Position& p);

}  // namespace hakuro
