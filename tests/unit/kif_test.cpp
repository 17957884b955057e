// KIF files: the move notation, the writer against a file written by hand, round trips, files
// in the layouts shogi software writes, and every refusal of the reader.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text_file.h"
#include "record/exchange.h"
#include "record/fit.h"
#include "record/kif.h"
#include "record/kif_file.h"
#include "record/position_check.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::TestFolder;

std::string data(const std::string& name) {
  return TestFolder::read(std::string(HAKURO_TEST_DATA) + "/kif/" + name);
}

// Plays moves given in shogi's coordinates (files and ranks seen from 先手) on a scratch game,
// each player's clock running on; `turned` puts 先手 on the top side of the board.
class Builder {
 public:
  explicit Builder(bool sente_first = true, bool turned = false, Position start = full_position())
      : g_(scratch_game(start)), turned_(turned), sente_(sente_first) {
    game.start = start;
    game.top_first = sente_first == turned;
  }
  Builder& move(int from, int to, double seconds = 0, bool promote = false) {
    const Square f = square_of({from / 10, from % 10}, turned_);
    const Square t = square_of({to / 10, to % 10}, turned_);
    const int koma = g_.pos.board[f.x][f.y];
    const int sign = koma > 0 ? 1 : -1;
    return play(board_move(f, t, koma, promote ? koma + sign : koma, g_.pos.board[t.x][t.y]),
                seconds);
  }
  Builder& drop(int code, int to, double seconds = 0) {
    const Square t = square_of({to / 10, to % 10}, turned_);
    const bool top = sente_ == turned_;
    return play(drop_move(top ? code : -code, t), seconds);
  }
  KifGame game;

 private:
  Builder& play(const Move& move, double seconds) {
    RecordMove m{move};
    const bool top = move.by_top();
    double& mine = top ? clock_top_ : clock_bottom_;
    m.top_time_before = clock_top_;
    m.bottom_time_before = clock_bottom_;
    mine += seconds;
    m.top_time_after = clock_top_;
    m.bottom_time_after = clock_bottom_;
    EXPECT_TRUE(move_fits(g_, m)) << "move " << game.moves.size() + 1;
    play_fitting(g_, m);
    game.moves.push_back(m);
    sente_ = !sente_;
    return *this;
  }
  Game g_;
  bool turned_, sente_;
  double clock_top_ = 0, clock_bottom_ = 0;
};

// The opening of 横歩取り with 後手's △４五角 (a line every shogi book gives), with times.
KifGame yokofudori(bool turned) {
  Builder b(true, turned);
  b.move(77, 76, 5)
      .move(33, 34, 3)
      .move(27, 26, 10)
      .move(83, 84, 2)
      .move(26, 25, 65)
      .move(84, 85, 7)
      .move(69, 78, 12)
      .move(41, 32, 4)
      .move(25, 24, 30)
      .move(23, 24, 1)
      .move(28, 24, 8)
      .move(85, 86, 20)
      .move(87, 86, 9)
      .move(82, 86, 3)
      .move(24, 34, 120)
      .move(22, 88, 45, true)
      .move(79, 88, 6)
      .drop(HU, 28, 15)
      .move(39, 28, 11)
      .drop(KAKU, 45, 3725)
      .move(34, 24, 40)
      .drop(HU, 23, 5)
      .drop(KAKU, 77, 18);
  KifGame g = b.game;
  KifPlayer& sente = turned ? g.top : g.bottom;
  KifPlayer& gote = turned ? g.bottom : g.top;
  sente.name = "山田太郎";
  gote.role = Role::computer;
  gote.level = 3;
  g.title = "横歩取り△４五角戦法";
  g.started = DateTime{2024, 5, 1, 10, 0, 0};
  return g;
}

void expect_same_game(const KifGame& a, const KifGame& b, bool times = true) {
  EXPECT_TRUE(same_position(a.start, b.start));
  EXPECT_EQ(a.top_first, b.top_first);
  ASSERT_EQ(a.moves.size(), b.moves.size());
  for (std::size_t i = 0; i < a.moves.size(); ++i) {
    const RecordMove &m = a.moves[i], &n = b.moves[i];
    EXPECT_EQ(m.move, n.move) << "move " << i + 1;
    if (times) {
      EXPECT_EQ(
          std::tie(m.bottom_time_before, m.bottom_time_after, m.top_time_before, m.top_time_after),
          std::tie(n.bottom_time_before, n.bottom_time_after, n.top_time_before, n.top_time_after))
          << "move " << i + 1;
    }
  }
  if (times) {
    EXPECT_EQ(a.winner, b.winner);
  }
}

TEST(Notation, MovesReadAsInTheUsualNotation) {
  const KifGame g = yokofudori(false);
  // The same moves read the same whichever side of the board 先手 sat on.
  for (const bool turned : {false, true}) {
    const KifGame g = yokofudori(turned);
    const auto shown = [&](std::size_t i) {
      const Move& m = g.moves[i].move;
      const Square prev = i == 0 ? Square{} : g.moves[i - 1].move.to;
      return side_mark(m, turned) + move_text(m, promotion_was_possible(m), prev, turned) +
             move_source(m, turned);
    };
    EXPECT_EQ(shown(0), "▲７六歩(77)");
    EXPECT_EQ(shown(9), "△同　歩(23)");
    EXPECT_EQ(shown(15), "△８八角成(22)");
    EXPECT_EQ(shown(19), "△４五角打");
  }
  // 不成 where the piece might have promoted, and the promoted pieces' names.
  const Move silver = board_move({7, 3}, {7, 2}, -GIN, -GIN);
  EXPECT_TRUE(promotion_was_possible(silver));
  EXPECT_EQ(move_text(silver, true, {}, false), "３二銀不成");
  std::string names;
  for (int c : {HU_NARI, KYOU_NARI, KEI_NARI, GIN_NARI, KAKU_NARI, SYA_NARI, -OU})
    names += piece_name(c);
  EXPECT_EQ(names, "と成香成桂成銀馬龍玉");
}

TEST(KifWrite, TheWriterMatchesAFileWrittenByHand) {
  const std::string golden = data("golden.kifu");
  EXPECT_EQ(write_kif(yokofudori(false)), golden);
  // 先手 on the top side: the board is turned round and the file is the same.
  EXPECT_EQ(write_kif(yokofudori(true)), golden);
  TestFolder folder;
  ASSERT_EQ(save_kif("game.kif", yokofudori(false)), KifSave::saved);
  ASSERT_EQ(save_kif("game.kifu", yokofudori(false)), KifSave::saved);
  EXPECT_EQ(TestFolder::read("game.kif"), utf8_to_sjis(golden));
  EXPECT_EQ(TestFolder::read("game.kifu"), golden);
  KifGame emoji = yokofudori(false);
  emoji.title = "🐉";
  EXPECT_EQ(save_kif("other.kif", emoji), KifSave::unencodable);
  EXPECT_FALSE(std::filesystem::exists("other.kif"));
  EXPECT_EQ(kif_save_path("a"), "a.kif");
  EXPECT_EQ(kif_save_path("a.KIFU"), "a.KIFU");
}

TEST(KifRoundTrip, ExportThenImportGivesTheSameGame) {
  // From the full start, 先手 at the bottom.
  const KifGame g = yokofudori(false);
  for (const bool utf8 : {false, true}) {
    const KifRead r = read_kif(*kif_bytes(write_kif(g), utf8), utf8);
    ASSERT_EQ(r.problem, KifProblem::none) << r.line;
    expect_same_game(r.game, g);
    EXPECT_EQ(r.game.bottom.name, "山田太郎");
    EXPECT_EQ(r.game.top.name, "コンピュータ(LEVEL 3)");
    EXPECT_EQ(r.game.title, g.title);
    EXPECT_EQ(r.game.started, g.started);
  }
  // 先手 on the top side comes back at the bottom, and writes the same file again.
  const KifRead turned = read_kif(write_kif(yokofudori(true)), true);
  expect_same_game(turned.game, g);

  // A king taken (this game allows it) by a 不成, and the result.
  Builder k;
  k.move(77, 76)
      .move(33, 34)
      .move(88, 22, 0, true)
      .move(11, 12)
      .move(22, 31)
      .move(12, 13)
      .move(79, 88)
      .move(41, 42)
      .move(31, 42)
      .move(51, 42)
      .drop(KAKU, 33)
      .move(13, 14)
      .move(33, 42);
  k.game.winner = Winner::bottom;
  const std::string text = write_kif(k.game);
  EXPECT_NE(text.find("  10 同　玉(51)"), std::string::npos);
  EXPECT_NE(text.find("  13 ４二角不成(33)"), std::string::npos);
  EXPECT_NE(text.find("まで13手で先手の勝ち\r\n"), std::string::npos);
  const KifRead taken = read_kif(text, true);
  ASSERT_EQ(taken.problem, KifProblem::none) << taken.line;
  expect_same_game(taken.game, k.game);
  // Nothing is played once a king is taken.
  const std::size_t end = text.find("まで");
  const KifRead on = read_kif(text.substr(0, end) + "  14 ５八玉(59)\r\n", true);
  EXPECT_EQ(on.problem, KifProblem::wrong_move);
  EXPECT_EQ(on.line, 18);
}

// How a standard game ended goes out in the words other programs write, and comes back: a mate
// (詰み), 千日手, a perpetual check lost by the checker (a foul), a loss on time (切れ負け). A mate
// under the program's own rule keeps the file it always had.
TEST(KifRoundTrip, TheEndsOfAStandardGameComeBack) {
  struct End {
    EndReason why;
    bool top_won;
    const char* lines;
  };
  const End ends[] = {
      {EndReason::mated, true, "   3 詰み\r\nまで2手で後手の勝ち\r\n"},
      {EndReason::repetition, false, "   3 千日手\r\nまで2手で千日手\r\n"},
      {EndReason::perpetual_check, false, "   3 反則勝ち\r\nまで2手で先手の勝ち\r\n"},
      {EndReason::perpetual_check, true, "   3 反則負け\r\nまで2手で後手の勝ち\r\n"},
      {EndReason::time_out, true, "   3 切れ負け\r\nまで2手で後手の勝ち\r\n"}};
  for (const End& e : ends) {
    for (const Rules rules : {Rules::standard, Rules::own}) {
      Game g;
      Builder b;
      b.move(77, 76).move(33, 34);
      take_kif_game(g.record, b.game);
      g.record.set_rules(rules);
      g.record.set_end({e.why, e.top_won});
      const std::string text = write_kif(kif_game_of(g, {}));
      const bool own_mate = rules == Rules::own && e.why == EndReason::mated;
      EXPECT_TRUE(!own_mate || text.find("詰み") == std::string::npos) << text;
      EXPECT_NE(text.find(own_mate ? "\r\nまで2手で後手の勝ち\r\n" : e.lines), std::string::npos)
          << text;
      const KifRead r = read_kif(text, true);
      ASSERT_EQ(r.problem, KifProblem::none) << r.line;
      Record back;
      take_kif_game(back, r.game);
      EXPECT_EQ(back.end().reason, e.why);
      EXPECT_EQ(back.end().drawn() || back.end().top_won == e.top_won, true);
    }
  }
}

// A game the computer played on both sides names both levels.
TEST(KifWrite, AWatchedGameNamesBothComputers) {
  Game g;
  Builder b;
  b.move(77, 76).move(33, 34);
  take_kif_game(g.record, b.game);
  g.record.set_computer_level(5);
  g.record.set_bottom_level(3);
  const KifRead r = read_kif(write_kif(kif_game_of(g, {})), true);
  ASSERT_EQ(r.problem, KifProblem::none) << r.line;
  EXPECT_EQ(r.game.top.name, "コンピュータ(LEVEL 5)");
  EXPECT_EQ(r.game.bottom.name, "コンピュータ(LEVEL 3)");
}

// The time control goes into the header as 持ち時間 and comes back; a game without one has no
// such line, and one written in other words is passed over.
TEST(KifWrite, TheTimeControlIsInTheHeader) {
  const std::pair<TimeControl, const char*> controls[] = {
      {{600, 30, 0}, "持ち時間：10分 秒読み30秒\r\n"},
      {{5400, 0, 10}, "持ち時間：1時間30分 1手10秒加算\r\n"},
      {{90, 0, 0}, "持ち時間：1分30秒 切れ負け\r\n"},
      {{0, 60, 0}, "持ち時間：0秒 秒読み1分\r\n"}};
  Builder b;
  b.move(77, 76);
  EXPECT_EQ(write_kif(b.game).find("持ち時間"), std::string::npos);
  for (const auto& [control, line] : controls) {
    b.game.time_control = control;
    const std::string text = write_kif(b.game);
    EXPECT_NE(text.find(std::string(line) + "手合割：平手"), std::string::npos) << text;
    const KifRead r = read_kif(text, true);
    EXPECT_EQ(r.problem, KifProblem::none);
    EXPECT_EQ(r.game.time_control, control) << line;
  }
  b.game.time_control = {};
  for (const char* other :
       {"持ち時間：各10分\r\n", "持ち時間：10分\r\n", "持ち時間：10分 秒読み\r\n"}) {
    const KifRead r = read_kif(other + write_kif(b.game), true);
    EXPECT_EQ(r.problem, KifProblem::none);
    EXPECT_FALSE(r.game.time_control.on()) << other;
  }
}

TEST(KifRoundTrip, CommentsFollowTheirMoves) {
  KifGame g = yokofudori(false);
  g.comments.assign(24, "");  // before the first move, then after each
  g.comments[0] = "研究会での一局";
  g.comments[2] = "角道を開ける\n後手も開ける";
  g.comments[23] = "*の付いた行";
  g.winner = Winner::bottom;
  g.end = KifEnd::resigned;
  const std::string text = write_kif(g);
  EXPECT_NE(text.find("消費時間--\r\n*研究会での一局\r\n   1 ７六歩(77)"), std::string::npos);
  EXPECT_NE(text.find("\r\n*角道を開ける\r\n*後手も開ける\r\n   3 ２六歩(27)"), std::string::npos);
  EXPECT_NE(text.find("\r\n**の付いた行\r\n  24 投了\r\n"), std::string::npos) << text;
  const KifRead r = read_kif(text, true);
  ASSERT_EQ(r.problem, KifProblem::none) << r.line;
  EXPECT_EQ(r.game.comments, g.comments);
  EXPECT_EQ(write_kif(r.game), text);
}

// Each start: a handicap (上手, the top player, moves first), the program's own handicap on the
// bottom side, and a position set up from a diagram with pieces in hand.
TEST(KifRoundTrip, StartsOtherThanTheFullOneComeBack) {
  Position four;  // 四枚落ち, with the opening every book of handicap play gives
  ASSERT_TRUE(handicap_start("四枚落ち", four));
  Builder h(false, false, four);  // 上手 is 後手 of the file, on the top side
  h.move(71, 62).move(77, 76).move(53, 54).move(27, 26).move(41, 32).move(26, 25).move(62, 53).move(
      25, 24);
  const std::string text = write_kif(h.game);
  EXPECT_NE(text.find("手合割：四枚落ち\r\n"), std::string::npos);
  EXPECT_NE(text.find("下手：下手\r\n上手：上手\r\n"), std::string::npos);
  EXPECT_NE(text.find("   1 ６二銀(71)"), std::string::npos);
  const KifRead r = read_kif(text, true);
  ASSERT_EQ(r.problem, KifProblem::none) << r.line;
  expect_same_game(r.game, h.game);
  EXPECT_EQ(write_kif(r.game), text);

  Position bishop_gone = full_position();  // ▽ once: the bottom player's bishop taken away
  bishop_gone.board[2][8] = KARA;
  Builder b(true, false, bishop_gone);
  b.move(77, 76).move(33, 34);  // 上手 is the bottom player: the file turns the board round
  EXPECT_TRUE(kif_sides(bishop_gone, false).sente_top);
  const std::string turned = write_kif(b.game);
  EXPECT_NE(turned.find("手合割：角落ち"), std::string::npos);
  EXPECT_NE(turned.find("   1 ３四歩(33)"), std::string::npos);
  EXPECT_EQ(write_kif(read_kif(turned, true).game), turned);

  Position set_up;  // kings, a gold and hands
  set_up.board[5][9] = -OU;
  set_up.board[5][1] = OU;
  set_up.board[5][3] = -KIN;
  set_up.bottom_hand = {0, 2, 0, 0, 1, 0, 0, 1};
  set_up.top_hand = {0, 18 - 2, 4, 4, 3, 3, 2, 1};
  complete_position(set_up);
  Builder s(false, false, set_up);  // the top player moves first: 後手番
  s.move(51, 41).drop(SYA, 51).move(41, 31);
  const KifRead back = read_kif(write_kif(s.game), true);
  ASSERT_EQ(back.problem, KifProblem::none) << back.line;
  EXPECT_EQ(write_kif(back.game), write_kif(s.game));
}

struct PublicFile {
  const char* name;
  std::size_t moves;
  bool top_first;
  const char* bottom_name;
};

TEST(KifRead, FilesInTheLayoutsShogiSoftwareWrites) {
  const KifGame yokofu = yokofudori(false);
  for (const PublicFile& f : {
           // Shift-JIS with times, comments, a bookmark and a branch; UTF-8 without times;
           // UTF-8 with a BOM; Shift-JIS named by its first line in a .kifu file.
           PublicFile{"yokofudori_times.kif", 23, false, "先手の人"},
           PublicFile{"yokofudori_plain.kifu", 23, false, "先手の人"},
           PublicFile{"yokofudori_bom.kif", 23, false, "先手の人"},
           PublicFile{"yokofudori_header.kifu", 23, false, "先手の人"},
           PublicFile{"rokumai.kif", 10, true, "下手の人"},  // 六枚落ち's opening
           PublicFile{"diagram.kifu", 4, true, "先手の人"},  // a board diagram, 後手番
       }) {
    SCOPED_TRACE(f.name);
    const std::string bytes = data(f.name);
    const KifRead r = read_kif(bytes, std::string(f.name).ends_with(".kifu"));
    ASSERT_EQ(r.problem, KifProblem::none) << "line " << r.line;
    EXPECT_EQ(r.game.moves.size(), f.moves);
    EXPECT_EQ(r.game.top_first, f.top_first);
    EXPECT_EQ(r.game.bottom.name, f.bottom_name);
    if (f.moves == 23) expect_same_game(r.game, yokofu, false);
  }
  // The comments with the moves they follow; the branch's are passed over.
  const KifRead commented = read_kif(data("yokofudori_times.kif"), false);
  ASSERT_EQ(commented.game.comments.size(), 21u);
  EXPECT_EQ(commented.game.comments[0], "研究会での一局");
  EXPECT_EQ(commented.game.comments[15], "横歩を取る");
  EXPECT_EQ(commented.game.comments[20], "△４五角戦法");
  // The times are kept: the 20th move's own minutes and 後手's total.
  const KifRead timed = read_kif(data("yokofudori_times.kif"), false);
  EXPECT_EQ(timed.game.moves[19].top_time_before, 100);
  EXPECT_EQ(timed.game.moves[19].top_time_after, 3825);
  EXPECT_EQ(timed.game.winner, Winner::none);  // 中断
  // 投了: the side to move loses.
  EXPECT_EQ(read_kif("1 ７六歩(77)\n2 投了\n", true).game.winner, Winner::bottom);
  // The diagram's position stands as it is drawn, 後手 (the top player) moving first.
  const KifRead d = read_kif(data("diagram.kifu"), true);
  EXPECT_EQ(d.game.start.board[8][8], -GIN);
  EXPECT_EQ(d.game.start.top_hand[1], 1);
  EXPECT_EQ(d.game.start.bottom_hand[1], 4);
}

// Text of a game whose 先手 and 後手 march their kings up and down for `moves` moves.
std::string marching(std::size_t moves) {
  std::string s = "手合割：平手\n手数----指手---------消費時間--\n";
  constexpr const char* steps[] = {"５八玉(59)", "５二玉(51)", "５九玉(58)", "５一玉(52)"};
  for (std::size_t i = 0; i < moves; ++i) s += std::to_string(i + 1) + " " + steps[i % 4] + "\n";
  return s;
}

TEST(KifRead, EveryRefusalNamesItsLine) {
  const std::string head = "手合割：平手\n手数----指手---------消費時間--\n";
  const struct {
    std::string text;
    KifProblem problem;
    int line;
  } cases[] = {
      {"開始日時：2024/05/01\nこれは棋譜ではない\n", KifProblem::bad_line, 2},
      {"手合割：九枚落ち\n1 ７六歩(77)\n", KifProblem::bad_line, 1},
      {head + "1 ７六歩(77)\n3 ３四歩(33)\n", KifProblem::bad_line, 4},         // a number left out
      {head + "1 ７六歩(77)\n2 ３四歩(33) (0:05)\n", KifProblem::bad_line, 4},  // a bad time
      {head + "1 ７六歩(77)\n2 ３四歩(33)\nおわり\n", KifProblem::bad_line, 5},
      {head + "1 同　歩(77)\n", KifProblem::bad_line, 3},      // 同 first
      {head + "1 ７六銀(77)\n", KifProblem::wrong_move, 3},    // not the piece there
      {head + "1 ７五歩(77)\n", KifProblem::wrong_move, 3},    // beyond its reach
      {head + "1 ５五角打\n", KifProblem::wrong_move, 3},      // none in hand
      {head + "1 ７六歩成(77)\n", KifProblem::wrong_move, 3},  // no promotion here
      {head + "1 ７六歩不成(77)\n", KifProblem::wrong_move, 3},
      {head + "1 ３四歩(33)\n", KifProblem::wrong_move, 3},  // 後手's pawn
      {"+---------------------------+\n|v香v桂v銀v金v玉v金v銀v桂v香|一\n", KifProblem::bad_line, 1},
      {"先手の持駒：歩十九\n", KifProblem::bad_line, 1},
      {"棋譜\n手合割：平手\n", KifProblem::bad_line, 1},  // text before the KIF
      {marching(kKifMaxMoves + 1), KifProblem::too_many_moves, static_cast<int>(kKifMaxMoves) + 3},
      {std::string(kKifMaxBytes + 1, ' '), KifProblem::too_large, 0},
  };
  for (const auto& c : cases) {
    const KifRead r = read_kif(c.text, true);
    EXPECT_EQ(r.problem, c.problem) << c.text.substr(0, 200);
    EXPECT_EQ(r.line, c.line) << c.text.substr(0, 200);
    EXPECT_TRUE(r.game.moves.empty());
  }
  // The longest game taken, and the king taken: nothing after it is a move.
  EXPECT_EQ(read_kif(marching(kKifMaxMoves), true).game.moves.size(), kKifMaxMoves);
  EXPECT_EQ(load_kif("/no/such/file.kif").problem, KifProblem::unreadable);
  // No line of KIF at all.
  for (const char* text : {"", "\r\n \r\n\r\n", "# a comment\r\n*another\r\n", "hello\nworld\n"})
    EXPECT_EQ(read_kif(text, true).problem, KifProblem::not_kif) << text;
}

// A diagram of one king (and the rest of the board `rows` adds) with hands, as a tsume has it.
std::string diagram_text(const std::string& top_row, const std::string& bottom_row,
                         const std::string& hands = "先手の持駒：なし\n") {
  std::string s = "後手の持駒：なし\n  ９ ８ ７ ６ ５ ４ ３ ２ １\n+---------------------------+\n";
  s += "|" + top_row + "|一\n";
  for (const char* rank : {"二", "三", "四", "五", "六", "七", "八"})
    s += std::string("| ・ ・ ・ ・ ・ ・ ・ ・ ・|") + rank + "\n";
  return s + "|" + bottom_row + "|九\n+---------------------------+\n" + hands;
}

TEST(KifRead, AStartNoGameCanHaveNamesWhy) {
  const std::string empty = " ・ ・ ・ ・ ・ ・ ・ ・ ・";
  const std::string king = " ・ ・ ・ ・v玉 ・ ・ ・ ・";
  const struct {
    std::string text;
    PositionProblem problem;
    int line;
  } cases[] = {
      {diagram_text(empty, empty), PositionProblem::no_king, 3},
      {diagram_text(king, " ・ ・ ・ 玉 ・ 玉 ・ ・ ・"), PositionProblem::two_kings, 3},
      {diagram_text(" 歩 ・ ・ ・v玉 ・ ・ ・ ・", empty), PositionProblem::immovable_piece, 3},
      {diagram_text(king, empty, "先手の持駒：角三\n"), PositionProblem::too_many_pieces, 3},
      {"先手の持駒：金二\n後手の持駒：金三\n", PositionProblem::too_many_pieces, 2},
  };
  for (const auto& c : cases) {
    const KifRead r = read_kif(c.text, true);
    EXPECT_EQ(r.problem, KifProblem::impossible_start) << c.text;
    EXPECT_EQ(r.check.problem, c.problem) << c.text;
    EXPECT_EQ(r.line, c.line) << c.text;
  }
  EXPECT_EQ(read_kif(diagram_text(king, empty), true).problem, KifProblem::none);
}

// The diagram's rows as a file draws them.
std::string rows_of(const std::string& kif) {
  std::string rows;
  for (std::size_t at = kif.find("\n|"); at != std::string::npos; at = kif.find("\n|", at + 1))
    rows += kif.substr(at + 1, kif.find('\n', at + 1) - at);
  return rows;
}

struct TsumeFile {
  const char* name;
  std::size_t moves;
  bool top_first;
  bool sente_king;
};

// Tsume files (先手 without a king) and a diagram with 後手 to move: read, replayed, written and
// read again, they are the same game, 先手 and 後手, the board's orientation and the side to
// move kept.
TEST(KifRead, TsumeAndGoteToMoveDiagramsComeBackAsTheyWere) {
  for (const TsumeFile& f :
       {TsumeFile{"tsume_atamakin.kif", 1, false, false},
        TsumeFile{"tsume_rest.kifu", 3, false, false}, TsumeFile{"gote_ban.kifu", 2, true, false},
        TsumeFile{"diagram.kifu", 4, true, true}}) {
    SCOPED_TRACE(f.name);
    const bool sjis = std::string(f.name).ends_with(".kif");
    const std::string source = sjis ? sjis_to_utf8(data(f.name)) : data(f.name);
    const KifRead r = read_kif(source, true);
    ASSERT_EQ(r.problem, KifProblem::none) << "line " << r.line;
    EXPECT_EQ(r.game.moves.size(), f.moves);
    EXPECT_EQ(r.game.top_first, f.top_first);
    EXPECT_EQ(fitting_moves(r.game.start, r.game.moves), f.moves);
    EXPECT_EQ(r.game.start.bottom_king_x != 0, f.sente_king);

    const std::string written = write_kif(r.game);
    EXPECT_EQ(rows_of(written), rows_of(source));
    EXPECT_EQ(written.find("後手番") != std::string::npos, f.top_first);
    const KifRead back = read_kif(written, true);
    ASSERT_EQ(back.problem, KifProblem::none) << "line " << back.line;
    expect_same_game(back.game, r.game);
    if (!r.game.bottom.name.empty()) {  // a name left empty is written as the role, 先手
      EXPECT_EQ(back.game.bottom.name, r.game.bottom.name);
      EXPECT_EQ(back.game.top.name, r.game.top.name);
    }
    EXPECT_EQ(write_kif(back.game), written);
  }
  // The usual forms of the hands: a list with counts, なし, and the rest of the set.
  const KifRead rest = read_kif(data("tsume_rest.kifu"), true);
  EXPECT_EQ(rest.game.start.bottom_hand, (Hand{0, 0, 0, 0, 0, 2, 1, 1}));
  EXPECT_EQ(rest.game.start.top_hand, (Hand{0, 17, 3, 3, 4, 2, 1, 1}));
  EXPECT_EQ(rest.game.bottom.name, "攻め方");
  const KifRead gote = read_kif(data("gote_ban.kifu"), true);
  EXPECT_EQ(gote.game.winner, Winner::bottom);
  EXPECT_EQ(gote.game.end, KifEnd::resigned);
}

}  // namespace
}  // namespace hakuro
