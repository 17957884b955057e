// The lines a USI engine writes, read: its options in the handshake, what it tells while it
// thinks (info) and its move (bestmove).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hakuro::usi {

// One `option name … type … default … min … max … var …` of the handshake.
struct EngineOption {
  std::string name;
  std::string type;  // check, spin, combo, button, string or filename
  std::string default_value;
  std::optional<int> min, max;    // a spin's range
  std::vector<std::string> vars;  // a combo's choices
};

// Who the engine is and what it lets the player set, from the handshake.
struct EngineId {
  std::string name, author;
  std::vector<EngineOption> options;

  // The option of that name; nullptr when the engine has none.
  const EngineOption* option(std::string_view name) const;
};

// An `info` line's parts that a window shows; what is missing stays empty.
struct Info {
  // A mate whose length the engine does not tell ("score mate +").
  static constexpr int kMateUnknown = 999;
  std::optional<int> depth;
  std::optional<int> score_cp;  // from the engine's side, in centipawns
  std::optional<int> mate;      // plies to mate; negative when the engine is the one mated
  std::optional<long long> nodes;
  std::vector<std::string> pv;  // the expected line, moves in USI notation
};

// A `bestmove` line: a move, or the engine resigns, or it declares a win (入玉宣言).
struct BestMove {
  enum class Kind { move, resign, win };
  Kind kind = Kind::resign;
  std::string move;    // for a move
  std::string ponder;  // the answer it expects, if it tells one
};

// The option that `line` declares (after "option "), nothing when it is not one.
std::optional<EngineOption> read_option(std::string_view line);
// An `info` line's parts (the line with or without its "info").
Info read_info(std::string_view line);
// A `bestmove` line, nothing when its move is neither a move in USI notation, resign nor win.
std::optional<BestMove> read_bestmove(std::string_view line);
// "7g7f", "8h2b+", "P*5e": a move in USI notation, whether or not it can be played.
bool is_usi_move(std::string_view text);

// The words of a line, split at blanks.
std::vector<std::string_view> split_words(std::string_view line);

}  // namespace hakuro::usi
