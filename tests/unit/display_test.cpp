#include <gtest/gtest.h>

#include <sstream>

#include "display/draw.h"
#include "display/text.h"
#include "replay.h"
#include "test_folder.h"

namespace hakuro {
namespace {

using testing::TestFolder;

// Counts the texts now visible whose string is s.
int visible(replay::Replay& r, const std::string& s) {
  int n = 0;
  for (const auto& t : r.screen().texts()) n += t.s == s;
  return n;
}

TEST(StartUpPicture, HoldsFortyPiecesEmptyHandsLabelsAndTitle) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  int pieces = 0, empty_hand_cells = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int* id = r.screen().picture_at(x, y);
      ASSERT_NE(id, nullptr);
      EXPECT_EQ(*id, r.form().g.pos.board[x][y]);
      pieces += *id != KARA;
    }
  for (int y = 3; y <= 9; ++y) empty_hand_cells += *r.screen().picture_at(11, y) == KARA;
  for (int y = 1; y <= 7; ++y) empty_hand_cells += *r.screen().picture_at(-1, y) == KARA;
  EXPECT_EQ(pieces, 40);
  EXPECT_EQ(empty_hand_cells, 14);
  // Each label is printed twice: the black shadow, then the colour.
  for (const char* label : {" 1", " 5", " 9", "一", "五", "九"}) EXPECT_EQ(visible(r, label), 2);
  EXPECT_EQ(r.screen().texts().size(), 2u * 18 + 4);  // labels and the two clocks
}

// A screen that only remembers the pictures painted off the cell grid (the title).
struct TitleSpy : Screen {
  int titles = 0;
  double x = 0, y = 0;
  void picture(int id, double px, double py) override {
    if (id == E_TITLE) ++titles, x = px, y = py;
  }
  void outline(int, double, double, double, double) override {}
  void text(double, double, const std::string&, int, int, bool) override {}
  void background_colour(int) override {}
  void refresh() override {}
};

TEST(StartUpPicture, TitleSitsAtTheUpperRight) {
  TestFolder folder;
  std::ostringstream out;
  replay::ReplayWindow win(out);
  replay::ReplaySound snd(out);
  TitleSpy spy;
  Form f(spy, win, snd);
  redraw_screen(f);
  EXPECT_EQ(spy.titles, 1);
  EXPECT_DOUBLE_EQ(spy.x, 1050 + 495 * 11.1);
  EXPECT_DOUBLE_EQ(spy.y, 100);
}

TEST(Texts, MoveNumberShiftsLeftOneTenthOfACellPerDigit) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  auto white_x = [&](int n) {
    draw_move_number(r.form(), n);
    for (const auto& t : r.screen().texts())
      if (t.s == " " + std::to_string(n) && t.colour == IRO_SHIRO) return t.x;
    return -1.0;
  };
  EXPECT_DOUBLE_EQ(white_x(7), 1050 + 495 * 13.2);
  EXPECT_DOUBLE_EQ(white_x(42), 1050 + 495 * 13.1);
  EXPECT_DOUBLE_EQ(white_x(123), 1050 + 495 * 13.0);
  EXPECT_EQ(visible(r, "手目"), 2);  // the old move numbers were painted over
}

TEST(Texts, MoveResultOfOnePlayerLeavesTheOthers) {
  TestFolder folder;
  std::ostringstream out;
  replay::Replay r(out);
  Form& f = r.form();
  draw_move_result(f, f.g.bottom_side, 3, 6, -HU, IRO_SHIRO);
  draw_move_result(f, f.g.top_side, 5, 5, KAKU_NARI, IRO_SHIRO);
  EXPECT_EQ(visible(r, "７"), 2);
  EXPECT_EQ(visible(r, "六"), 4);  // the move's rank and the rank label
  EXPECT_EQ(visible(r, "歩"), 2);
  EXPECT_EQ(visible(r, "角成"), 2);
  // No name, file and rank still shown.
  draw_move_result(f, f.g.top_side, 5, 5, KIN_NARI, IRO_SHIRO);
  EXPECT_EQ(visible(r, "角成"), 0);
  EXPECT_EQ(visible(r, "５"), 2);
  EXPECT_EQ(visible(r, "歩"), 2);
}

TEST(Texts, Conversions) {
  EXPECT_EQ(code_text(1), "１");
  EXPECT_EQ(code_text(1009), "九");
  EXPECT_EQ(code_text(-KYOU_NARI), "香成");
  EXPECT_EQ(code_text(KIN_NARI), "");
  EXPECT_EQ(code_text(0), "");
  EXPECT_EQ(code_text(1010), "");
  EXPECT_EQ(handicap_name(-10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
  EXPECT_EQ(handicap_name(10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
  EXPECT_EQ(handicap_name(11), "");
}

}  // namespace
}  // namespace hakuro
