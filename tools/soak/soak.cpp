// hakuro-soak: random window events of every kind against the real program, the game's
// invariants checked after each. A failing run prints the shortest script found that still
// fails; `--replay FILE` runs such a script again.
//
//   hakuro-soak [--seed N] [--events N]
//   hakuro-soak --replay FILE
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "display/draw.h"
#include "engine/search.h"
#include "format.h"
#include "platform/text_file.h"
#include "record/exchange.h"
#include "record/file.h"
#include "record/fit.h"
#include "record/kif_file.h"
#include "record/sfen.h"
#include "replay.h"
#include "rules/legality.h"
#include "rules/move.h"

namespace hakuro::soak {
namespace {

namespace fs = std::filesystem;

// A line that starts the program again after it has ended.
const std::string kRestart = "# restart";
// A line that ends the search the computer (or the hint) holds: its result arrives.
const std::string kSearchEnds = "# search ends";
// Levels 4 and 5 and the hint search this many nodes: quick, and the same every run.
const std::string kNodes = "set nodes 300";

// A scratch folder with the wave files and a few record and KIF files, good and bad.
class Folder {
 public:
  explicit Folder(const fs::path& waves) {
    // In memory where the system has a place for it: every option change writes the settings
    // file and flushes it to the disk, which would make the soak a disk test.
    std::error_code ec;
    const fs::path base = fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                              ? fs::path("/dev/shm")
                              : fs::temp_directory_path();
    dir_ = base / ("hakuro-soak-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
    fs::create_directories(dir_);
    for (const auto& e : fs::directory_iterator(waves, ec))
      if (e.path().extension() == ".wav") fs::copy_file(e.path(), dir_ / e.path().filename(), ec);
    write("junk.棋譜", "\x81\x82\x83\r\n\xff\xfe\r\n" + std::string(3000, '\x81'));
    write("empty.棋譜", "t\r\nu\r\nv\r\n");
    write("bad.棋譜", "t\r\nu\r\nv\r\n3 736-10 -10 0\r\n99 9 9-999\r\n");
    RecordMove m{board_move({3, 7}, {3, 6}, -HU, -HU), 0, 4, 0, 0};
    write("good.棋譜", "t\r\nu\r\nv\r\n" + move_line(m) + "\r\n");
    const std::string moves = "手数----指手---------消費時間--\r\n";
    write("good.kif", utf8_to_sjis("手合割：平手\r\n先手：甲\r\n" + moves +
                                   "   1 ７六歩(77)\r\n   2 ３四歩(33)\r\n   3 ２二角成(88)\r\n"));
    write("handicap.kifu",
          "手合割：二枚落ち\r\n" + moves + "   1 ６二銀(71)\r\n   2 ７六歩(77)\r\n");
    write("diagram.kifu",
          "後手の持駒：なし\r\n+---------------------------+\r\n" +
              std::string("| ・ ・ ・ ・v玉 ・ ・ ・ ・|一\r\n") +
              repeat("| ・ ・ ・ ・ ・ ・ ・ ・ ・|\r\n", 7) +
              "| ・ ・ ・ ・ 玉 ・ ・ ・ ・|九\r\n+---------------------------+\r\n" +
              "先手の持駒：金二　歩\r\n後手番\r\n" + moves + "   1 ５二玉(51)\r\n");
    write("tsume.kifu", "後手の持駒：残りの駒全部\r\n+---------------------------+\r\n" +
                            std::string("| ・ ・ ・ ・ ・ ・ ・v桂v玉|一\r\n") +
                            repeat("| ・ ・ ・ ・ ・ ・ ・ ・ ・|\r\n", 8) +
                            "+---------------------------+\r\n先手の持駒：飛　角　金二\r\n");
    write("bad.kif", moves + "   1 ７六歩(77)\r\n   1 ７六歩(77)\r\n");
    write("wrong.kifu", moves + "   1 ７五歩(77)\r\n");
    old_ = fs::current_path();
    fs::current_path(dir_);
  }
  ~Folder() {
    fs::current_path(old_);
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

 private:
  void write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / fs::u8path(name), std::ios::binary) << bytes;
  }
  static std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
  }
  static inline int counter_ = 0;
  fs::path dir_, old_;
};

std::string read_file(const std::string& utf8_path) {
  std::ifstream in(fs::u8path(utf8_path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The record's start describes move 0 of the moves held: they fit it in turn, and those up to the
// one shown give the board.
std::optional<std::string> start_broken(const Game& g) {
  const Record& r = g.record;
  Game scratch = scratch_game(r.start());
  for (int n = 0; n <= r.held(); ++n) {
    if (n > 0 && !move_fits(scratch, r.move(n)))
      return "move " + std::to_string(n) + " held does not fit";
    if (n > 0) play_fitting(scratch, r.move(n));
    if (n == r.current_move() && !same_position(scratch.pos, g.pos))
      return "the start and the moves up to the one shown do not give the board";
  }
  return std::nullopt;
}

// What must hold after every event.
std::optional<std::string> broken(const Form& f) {
  const Game& g = f.g;
  int kings = 0, others = 0;
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y) {
      const int c = g.pos.board[x][y];
      if (c != KARA && !is_drawn_piece(c) && std::abs(c) != KIN_NARI)
        return "square " + std::to_string(x) + "," + std::to_string(y) + " holds " +
               std::to_string(c);
      if (std::abs(c) == OU) ++kings;
      else if (c != KARA) ++others;
    }
  int sita = 0, ue = 0;
  for (int k = 1; k <= 7; ++k) {
    if (g.pos.bottom_hand[k] < 0 || g.pos.top_hand[k] < 0) return "a hand count below zero";
    sita += g.pos.bottom_hand[k];
    ue += g.pos.top_hand[k];
  }
  if (sita != g.pos.bottom_hand_total || ue != g.pos.top_hand_total)
    return "a hand total off its counts";
  if (kings > 2) return "more than two kings";
  if (f.look.labels_turned != names_from_top(f))
    return "the labels name squares from the other side";
  // Kings never enter a hand: every other piece is on the board or in a hand, as many as at the
  // start.
  int expected = 0;
  for (int x = 1; x <= MASU_SU; ++x)
    for (int y = 1; y <= MASU_SU; ++y)
      expected +=
          g.record.start().board[x][y] != KARA && std::abs(g.record.start().board[x][y]) != OU;
  for (int k = 1; k <= 7; ++k)
    expected += g.record.start().bottom_hand[k] + g.record.start().top_hand[k];
  if (others + sita + ue != expected)
    return std::to_string(others + sita + ue) + " pieces besides the kings, not " +
           std::to_string(expected);
  return start_broken(g);
}

// The position, its counters and clocks, which stepping back and forth again must restore.
std::string snapshot(const Game& g) {
  std::ostringstream s;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) s << g.pos.board[x][y] << ' ';
  for (int k = 1; k <= 7; ++k) s << g.pos.bottom_hand[k] << ' ' << g.pos.top_hand[k] << ' ';
  s << g.move_number << ' ' << g.side_to_move << ' ' << g.record.current_move() << ' '
    << g.record.last_move() << ' ' << g.bottom_time << ' ' << g.top_time;
  return s.str();
}

class Run {
 public:
  explicit Run(const fs::path& waves) : folder_(waves) { start(); }

  // Runs one line; the first broken invariant, if any.
  std::optional<std::string> line(const std::string& l) {
    if (l == kRestart) {
      start();
      return std::nullopt;
    }
    if (l == kSearchEnds) {
      if (thinker_.busy()) {
        ++searches_;
        replay_->fire([this] { thinker_.finish(); });
      }
      return broken(form());
    }
    // While a search runs the commands wait: what they would show is looked at no more.
    if (thinking()) {
      out_.str("");
      replay_->line(l);
      return broken(form());
    }
    if (l.rfind("# round trip ", 0) == 0) return round_trip(std::stoi(l.substr(13)));
    if (l == "save") return save();
    if (l.rfind("kif write ", 0) == 0) return kif_write(l.substr(10));
    if (l.rfind("kif read ", 0) == 0) return kif_read(l.substr(9));
    out_.str("");
    replay_->line(l);
    if (auto b = broken(form())) return b;
    if (l == "menu SFEN_COPY") return copied();
    if (l == "menu SFEN_PASTE") return pasted();
    return std::nullopt;
  }

  bool ended() const { return replay_->ended(); }
  bool thinking() const { return thinker_.busy(); }
  long searches() const { return searches_; }
  Form& form() { return replay_->form(); }
  Game& game() { return form().g; }
  std::string clipboard() { return replay_->window().clipboard_text(); }

 private:
  // The program starts again; its searches are held until a `# search ends` line, and share
  // one engine (made once: its table is large).
  void start() {
    out_.str("");
    replay_ = std::make_unique<replay::Replay>(out_, thinker_);
    if (!search_) search_ = std::make_shared<engine::Search>();
    replay_->form().search = search_;
    replay_->line(kNodes);
  }

  // k moves back and k forward again (as many as the record allows, in a game).
  std::optional<std::string> round_trip(int k) {
    k = std::min(k, game().record.current_move());
    if (k <= 0 || game().side_to_move == TEBAN_NASI) return std::nullopt;
    const std::string before = snapshot(game());
    for (int i = 0; i < k; ++i) replay_->line("menu REPLAY");
    for (int i = 0; i < k; ++i) replay_->line("menu AFTER");
    if (auto b = broken(form())) return b;
    if (snapshot(game()) != before)
      return "back and forward " + std::to_string(k) + " changed the game";
    return std::nullopt;
  }

  // Every record the program writes loads again, move for move.
  std::optional<std::string> save() {
    replay::ReplayWindow& w = replay_->window();
    const std::string path = w.panel_directory() + "/" + w.text_box(1) + ".棋譜";
    out_.str("");
    replay_->line("save");
    if (auto b = broken(form())) return b;
    if (out_.str().find("棋譜を書き込みました") == std::string::npos) return std::nullopt;
    const Loaded loaded = load_record_file(path);
    if (loaded.status != Loaded::Status::ok)
      return "the record just saved does not load (line " + std::to_string(loaded.bad_line) + ")";
    const std::vector<RecordMove>& moves = loaded.record.moves;
    bool same = static_cast<int>(moves.size()) == game().record.current_move();
    for (std::size_t i = 0; same && i < moves.size(); ++i)
      same = move_line(moves[i]) == move_line(game().record.move(static_cast<int>(i) + 1));
    if (!same) return "the record just saved loads other moves";
    return std::nullopt;
  }

  // The file dialog answered with NAME ("-" cancels it), then KIF_WRITE: every KIF file the
  // program writes reads back as the same game, and writes the same file again.
  std::optional<std::string> kif_write(const std::string& name) {
    replay_->line("file_answer " + replay::quoted(name == "-" ? "" : name));
    out_.str("");
    replay_->line("menu KIF_WRITE");
    if (auto b = broken(form())) return b;
    if (out_.str().find("KIFﾌｧｲﾙを書き込みました") == std::string::npos) return std::nullopt;
    const std::string path = kif_save_path(replay_->window().last_file_answer());
    const KifRead r = load_kif(path);
    if (r.problem != KifProblem::none)
      return "the KIF file just written does not load (line " + std::to_string(r.line) + ")";
    if (kif_bytes(write_kif(r.game), kif_utf8_by_name(path)) != read_file(path))
      return "the KIF file just written reads back as another game";
    return std::nullopt;
  }

  std::optional<std::string> kif_read(const std::string& name) {
    replay_->line("file_answer " + replay::quoted(name == "-" ? "" : name));
    replay_->line("menu KIF_READ");
    return broken(form());
  }

  // The text copied reads back as the position shown, and is written again as it was; a position
  // whose king has been taken cannot be set up.
  std::optional<std::string> copied() {
    const std::string text = replay_->window().clipboard_text();
    const bool top = sente_is_top(game());
    const SfenRead r = read_sfen(text, top);
    if (r.problem != SfenProblem::none) {
      if (r.check.problem == PositionProblem::no_king && game().king_taker != TEBAN_NASI)
        return std::nullopt;
      return "the position copied does not read back: " + r.reason;
    }
    if (!same_position(r.pos, game().pos) ||
        write_sfen(r.pos, top, r.top_to_move, r.move_number) != text)
      return "the position copied reads back as another";
    return std::nullopt;
  }

  // A paste taken shows the clipboard's position, and copying it gives it back.
  std::optional<std::string> pasted() {
    if (out_.str().find("局面貼付") != std::string::npos) return std::nullopt;  // refused
    const SfenRead r = read_sfen(replay_->window().clipboard_text(), false);
    if (r.problem != SfenProblem::none) return "a refused position was pasted";
    if (sfen_shown(game()) != write_sfen(r.pos, false, r.top_to_move, r.move_number))
      return "the position pasted is not the one shown";
    return std::nullopt;
  }

  Folder folder_;
  std::ostringstream out_;
  replay::HeldThinker thinker_;
  std::shared_ptr<engine::Search> search_;
  std::unique_ptr<replay::Replay> replay_;
  long searches_ = 0;  // held searches that ended
};

const char* const kMenus[] = {
    "START",     "SENTE",      "GOTE",       "LEVEL1",     "LEVEL2",    "LEVEL3",   "LEVEL4",
    "LEVEL5",    "HINT",       "HINT",       "REPLAY",     "AFTER",     "CANCEL",   "REVERSE",
    "LBEL_UP",   "LEBEL_DOWN", "KIFU_READ",  "KIFU_WRITE", "MIDORI",    "TATAMI",   "TAKE",
    "UCHU",      "RENGA",      "SIDOU",      "KEIKA",      "BGM",       "ZAHYO",    "VER",
    "STOP",      "OPTION",     "TAIKYOKU",   "KIFU",       "KIF_WRITE", "KIF_READ", "SFEN_COPY",
    "SFEN_COPY", "SFEN_PASTE", "SFEN_PASTE", "RESIGN",     "LAST_GAME", "HONSHOGI", "NEW_GAME"};
// Time controls for the next game, and answers of the new-game dialog.
const char* const kTimeLines[] = {
    "timecontrol 0 0 0",  "timecontrol 60 0 0", "timecontrol 10 5 0", "timecontrol 30 0 10",
    "timecontrol 0 1 0",  "dialog sente man",   "dialog gote man",    "dialog sente level4",
    "dialog gote level2", "dialog handicap 3",  "dialog handicap 0",  "dialog main 20",
    "dialog main 0",      "dialog byoyomi 2",   "dialog byoyomi 0",   "dialog increment 3",
    "dialog increment 0"};
const char* const kFiles[] = {"a.棋譜",    "b.棋譜",     "good.棋譜",   "bad.棋譜",
                              "junk.棋譜", "empty.棋譜", "missing.棋譜"};
// KIF files written (a name without .kif gets it) and read; "-" cancels the dialog.
const char* const kKifWrites[] = {"w1.kif", "w2.kifu", "w3", "-", "no-such-folder/x.kif"};
const char* const kKifReads[] = {"w1.kif",        "w2.kifu",      "w3.kif",     "good.kif",
                                 "handicap.kifu", "diagram.kifu", "tsume.kifu", "bad.kif",
                                 "wrong.kifu",    "missing.kif",  "junk.棋譜",  "-"};
// Clipboard texts besides the last one copied and its mutations.
const char* const kSfens[] = {
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1",
    "lnsgkgsn1/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
    "4k4/9/4P4/9/9/9/9/9/4K4 b 2G 1",
    "ln1g3nl/1r3kg2/p2pppsp1/2p3p1p/1p7/2PP2P1P/PPS1PPS2/2G1K2R1/LN3G1NL b Bb 27",
    "4k4/9/9/9/9/9/9/9/4K4 b 2R2B4G4S4N4L19P 1",
    "4k4/9/9/9/9/9/9/9/9 b - 1",
    "7nk/6+L2/8p/9/9/9/9/9/9 b RB2Grb2g4s3n3l17p 1",
    "r8/9/9/9/9/9/9/9/4K4 w S 1",
    "P3k4/9/9/9/9/9/9/9/4K4 b - 1",
    "lnsgkgsnl/9 b - 1",
    ""};

// Draws the next event, often a legal move of the player to move so that games go on.
class Events {
 public:
  explicit Events(unsigned seed) : rng_(seed) {}

  // `clipboard`: the clipboard's text now; `thinking`: a search is held.
  std::string next(const Form& f, bool ended, const std::string& clipboard, bool thinking) {
    if (ended) return kRestart;
    if (thinking && roll(4) == 0) return kSearchEnds;
    const int pick = roll(100);
    if (pick < 40) {
      if (auto m = legal_move(f)) return *m;
    }
    if (pick < 54) return cell(roll(19) - 3, roll(13) - 2);
    if (pick < 58)
      return "click " + std::to_string(roll(20000) - 3000) + " " +
             std::to_string(roll(12000) - 2000) + (roll(2) ? " R" : "");
    if (pick < 72) return std::string("menu ") + kMenus[roll(std::size(kMenus))];
    if (pick < 77) return roll(2) ? "answer yes" : "answer no";
    if (pick < 81) return "time " + std::to_string(roll(90000));
    if (pick < 83) return "tick";
    if (pick < 86) return "text " + std::to_string(roll(4) + 1) + " " + (roll(2) ? "a" : "b");
    if (pick < 88) return "save";
    if (pick < 90) return std::string("open ") + kFiles[roll(std::size(kFiles))];
    if (pick < 93) return "# round trip " + std::to_string(roll(4) + 1);
    if (pick < 94) return roll(2) ? "dir ." : "dir no-such-folder";
    if (pick < 95) return std::string("kif write ") + kKifWrites[roll(std::size(kKifWrites))];
    if (pick < 96) return std::string("kif read ") + kKifReads[roll(std::size(kKifReads))];
    if (pick < 97) return "clipboard " + replay::quoted(sfen_text(clipboard));
    if (pick < 98) return kTimeLines[roll(std::size(kTimeLines))];
    static const char* const ends[] = {"menu OWARI", "close", "key 27", "key 13"};
    return ends[roll(4)];
  }

 private:
  int roll(std::size_t n) {
    return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(rng_);
  }

  static std::string cell(int x, int y) {
    return "cell " + std::to_string(x) + " " + std::to_string(y);
  }

  // A text for the clipboard: one of the list, or the one there with a character changed, cut
  // or left alone.
  std::string sfen_text(std::string now) {
    if (now.empty() || roll(3) == 0) return kSfens[roll(std::size(kSfens))];
    static const std::string letters = "plnsgbrkPLNSGBRK+/123456789 bw-";
    const std::size_t at = static_cast<std::size_t>(roll(now.size()));
    switch (roll(3)) {
      case 0: now[at] = letters[static_cast<std::size_t>(roll(letters.size()))]; break;
      case 1: now.erase(at, 1); break;
      default: break;
    }
    return now;
  }

  // Two presses: a piece of the player to move, then a square it may reach.
  std::optional<std::string> legal_move(const Form& f) {
    const Game& g = f.g;
    if (g.side_to_move == TEBAN_NASI || f.sel.picked != 0) return std::nullopt;
    const bool bottom = g.side_to_move == g.bottom_side;
    for (int tries = 0; tries < 20; ++tries) {
      const int x = roll(9) + 1, y = roll(9) + 1;
      const int c = g.pos.board[x][y];
      if (bottom ? !is_bottom(c) : !is_top(c)) continue;
      for (int t = 0; t < 20; ++t) {
        const int tx = roll(9) + 1, ty = roll(9) + 1;
        if (may_move(g.pos, x, y, tx, ty, c) == OK) {
          pending_ = cell(tx, ty) + (roll(2) ? " R" : "");
          return cell(x, y);
        }
      }
    }
    return std::nullopt;
  }

 public:
  // The destination press of a move begun by the last event, if any.
  std::optional<std::string> take_pending() {
    auto p = pending_;
    pending_.reset();
    return p;
  }

 private:
  std::mt19937 rng_;
  std::optional<std::string> pending_;
};

struct Failure {
  std::size_t at;  // the line after which an invariant broke
  std::string what;
};

std::optional<Failure> run_script(const fs::path& waves, const std::vector<std::string>& script) {
  Run run(waves);
  for (std::size_t i = 0; i < script.size(); ++i) {
    if (run.ended() && script[i] != kRestart) continue;
    if (auto b = run.line(script[i])) return Failure{i, *b};
  }
  return std::nullopt;
}

// Removes lines while the script still fails: halves, quarters and so on, then single lines.
std::vector<std::string> shorten(const fs::path& waves, std::vector<std::string> script) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
  for (std::size_t chunk = script.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t from = 0; from < script.size();) {
      if (std::chrono::steady_clock::now() > deadline) return script;
      std::vector<std::string> shorter(script.begin(), script.begin() + static_cast<long>(from));
      shorter.insert(shorter.end(),
                     script.begin() + static_cast<long>(std::min(from + chunk, script.size())),
                     script.end());
      if (auto f = run_script(waves, shorter)) {
        shorter.resize(f->at + 1);
        script = shorter;
      } else {
        from += chunk;
      }
    }
    if (chunk == 1) break;
  }
  return script;
}

int soak(const fs::path& waves, unsigned seed, long events) {
  Run run(waves);
  Events gen(seed);
  std::vector<std::string> script;
  const auto start = std::chrono::steady_clock::now();
  for (long n = 0; n < events; ++n) {
    std::string l;
    if (auto p = gen.take_pending(); p && !run.ended()) l = *p;
    else l = gen.next(run.form(), run.ended(), run.clipboard(), run.thinking());
    script.push_back(l);
    if (auto b = run.line(l)) {
      std::cout << "seed " << seed << ": after event " << n + 1 << " (" << l << "): " << *b
                << "\nshortest script found (run it with hakuro-soak --replay FILE):\n";
      for (const std::string& s : shorten(waves, script)) std::cout << s << '\n';
      return 1;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "seed " << seed << ": " << events << " events, every invariant held ("
            << static_cast<long>(static_cast<double>(events) / seconds) << " events a second; "
            << run.searches() << " searches of levels 4 and 5 and the hint)\n";
  return 0;
}

}  // namespace
}  // namespace hakuro::soak

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  unsigned seed = 1;
  long events = 100000;
  std::string replay_file;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--seed") seed = static_cast<unsigned>(std::stoul(argv[i + 1]));
    else if (a == "--events") events = std::stol(argv[i + 1]);
    else if (a == "--replay") replay_file = argv[i + 1];
  }
  // The wave files lie in the run folder beside this program.
  const fs::path waves = fs::read_symlink("/proc/self/exe").parent_path() / "run";
  if (!replay_file.empty()) {
    std::ifstream in(replay_file);
    std::vector<std::string> script;
    for (std::string l; std::getline(in, l);) script.push_back(l);
    if (auto f = hakuro::soak::run_script(waves, script)) {
      std::cout << "after line " << f->at + 1 << ": " << f->what << '\n';
      return 1;
    }
    std::cout << "every invariant held\n";
    return 0;
  }
  return hakuro::soak::soak(waves, seed, events);
}
