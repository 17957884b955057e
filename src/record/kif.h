// Games as KIF text, the form in which shogi players keep and share them: a header (start time,
// 手合割 or a board diagram of the start, the players, the title), one numbered line a move with
// its times, and the result. Reading replays every move on a scratch game with this program's
// rules. The text here is UTF-8 with CR LF line ends; kif_file.h turns it into a file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/notation.h"
#include "record/position_check.h"
#include "state/game.h"

namespace hakuro {

// Who a player is when no name was given: a person at the board, the one person against the
// computer (あなた), or the computer at its level.
enum class Role { person, you, computer };
// Reading keeps the name and also gives the role when the name is one the roles are written as.
struct KifPlayer {
  std::string name;  // empty: the role stands for it
  Role role = Role::person;
  int level = 0;  // the computer's
};

enum class Winner { none, top, bottom };
// The line after the last move that tells how the game ended: 投了, 詰み, 千日手, or a foul
// (反則勝ち or 反則負け, as the side to move won or lost by it: a perpetual check), 切れ負け (the
// side to move ran out of time).
enum class KifEnd { none, resigned, mated, repetition, foul, time_out };

struct KifGame {
  Position start = full_position();  // the position before the first move
  bool top_first = false;            // the top player made (or makes) the first move
  // gote_ban: the bottom player is 先手 whoever moves first (Record::gote_to_move): a file with
  // 後手番.
  bool gote_to_move = false;
  KifPlayer top, bottom;
  std::string title;
  std::optional<DateTime> started;
  // Moves with both players' accumulated times before and after each, in seconds.
  std::vector<RecordMove> moves;
  Winner winner = Winner::none;  // a king taken or mated, or no move left
  // How it ended, when its last line says: a 投了 or 詰み line follows the moves when the loser
  // was to move; a 千日手 line always.
  KifEnd end = KifEnd::none;
  // The rules the game was played under: a KIF file does not say, the last game's file does.
  Rules rules = Rules::own;
  // The time control (持ち時間), when the game had one.
  TimeControl time_control;
  // Comments by move, as Record::comments keeps them: comments[n] follows move n, 0 the header.
  std::vector<std::string> comments;
};

// How a game stands in a KIF file. 先手 is the side that moved first, except when the game began
// from one of the usual handicaps of that side: then that side is 上手, which KIF writes as 後手
// moving first, and `handicap` names it (香落ち …). When 先手 is the top player the board is
// turned round (notation.h). With `gote_to_move` the bottom player is 先手 whoever moves first,
// and when the top player does the file says 後手番.
struct KifSides {
  bool sente_top = false;
  const char* handicap = nullptr;
};
KifSides kif_sides(const Position& start, bool top_first, bool gote_ban = false);

// The usual handicaps (香落ち … 十枚落ち) and their start positions, 上手 the top player.
bool handicap_start(std::string_view name, Position& p);

// The whole file's text: UTF-8, CR LF line ends. Times are written in whole seconds; each line
// of a comment as a "*" line after its move (the start's before the first move).
std::string write_kif(const KifGame& g);

enum class KifProblem {
  none,
  unreadable,        // the file could not be read
  too_large,         // over kKifMaxBytes
  too_many_moves,    // over kKifMaxMoves: `line` is the first move beyond
  not_kif,           // no line of KIF at all (an empty file, say)
  bad_line,          // a line that is no part of a KIF file, or a start that cannot be
  impossible_start,  // a start no game can have: `check` tells why, `line` where it is given
  wrong_move,        // a move that does not fit the position it is played on
};
inline constexpr std::size_t kKifMaxBytes = 1 << 20;
inline constexpr std::size_t kKifMaxMoves = 10000;

struct KifRead {
  KifProblem problem = KifProblem::none;
  int line = 0;         // the refused line, counted from 1; 0 when the file as a whole is refused
  PositionCheck check;  // impossible_start: why
  KifGame game;
};

// Reads a KIF file's bytes: UTF-8 after a BOM or a "#KIF … encoding=UTF-8" line, Shift-JIS after
// "encoding=Shift_JIS"; otherwise UTF-8 when `utf8_by_name` (a .kifu file) or when the bytes are
// valid UTF-8, else Shift-JIS. 先手 is the bottom player and 後手 the top one, as the diagram
// shows them; 後手 moves first after a handicap 手合割 or a "後手番" line. One side may lack its
// king (a tsume); a hand may be "残りの駒全部", every piece found nowhere else. A comment line
// ("*…") belongs to the move before it, or to the start before the first move. Bookmarks, 変化
// branches and what follows an end line are passed over. Takes time in proportion to the bytes.
KifRead read_kif(std::string_view bytes, bool utf8_by_name);

}  // namespace hakuro
