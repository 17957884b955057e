#include <gtest/gtest.h>

#include "qt/view/artwork.h"
#include "qt/view/canvas.h"
#include "qt_app.h"
#include "state/game.h"

namespace hakuro::view {

namespace {

class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override { test::app(); }
  Canvas canvas;
};

TEST_F(CanvasTest, KeepsOnlyWhatCanStillShow) {
  canvas.text(1100, 200, "歩", IRO_SHIRO, 12, false);
  canvas.text(1100, 200, "歩", IRO_SHIRO, 12, false);  // the same text again: one kept
  canvas.outline(IRO_MIDORI, 1000, 100, 1495, 715);
  canvas.outline(IRO_AKA, 1000, 100, 1495, 715);  // same rectangle: replaces the first
  EXPECT_EQ(canvas.op_count(), 2u);
  canvas.picture(KARA, 1000, 100);  // covers the text, not the outline's far edges
  EXPECT_EQ(canvas.op_count(), 2u);
  canvas.picture(HAIKEI_MIDORI, 1495, 100);
  canvas.picture(HAIKEI_MIDORI, 1000, 715);
  canvas.picture(HAIKEI_MIDORI, 1495, 715);
  EXPECT_EQ(canvas.op_count(), 4u);  // the outline is gone under the four pictures
  canvas.picture(777, 0, 0);         // no such picture: nothing is kept
  EXPECT_EQ(canvas.op_count(), 4u);
}

TEST_F(CanvasTest, ImageScalesTheClientAreaAndKeepsItCentred) {
  canvas.background_colour(IRO_KURO);
  canvas.outline(IRO_AKA, 3000, 3000, 4000, 4000);
  const QImage one = canvas.image(Canvas::client_pixels(1.0));
  EXPECT_EQ(one.size(), QSize(619, 483));
  EXPECT_EQ(one.pixelColor(200, 220), palette_colour(IRO_AKA));  // twips (3000, 3300)
  EXPECT_EQ(one.pixelColor(201, 220), palette_colour(IRO_KURO));
  // Twice the size with 300 pixels to spare across: centred, 7.5 twips a pixel.
  const QImage wide = canvas.image(QSize(2 * 619 + 300, 2 * 483));
  EXPECT_EQ(wide.pixelColor(150 + 401, 440), palette_colour(IRO_AKA));
  EXPECT_EQ(wide.pixelColor(150 + 402, 440), palette_colour(IRO_KURO));
  const QPointF back = Canvas::to_twips(QSizeF(wide.size()), QPointF(150 + 400, 440));
  EXPECT_DOUBLE_EQ(back.x(), 3000);
  EXPECT_DOUBLE_EQ(back.y(), 3300);
}

TEST_F(CanvasTest, OnlyKnownIdentifiersHavePictures) {
  const QImage bottom = picture_image(-OU, QSize(66, 82));
  const QImage top = picture_image(OU, QSize(66, 82));
  ASSERT_FALSE(bottom.isNull());
  EXPECT_NE(top, bottom);
  EXPECT_TRUE(picture_image(KIN_NARI, QSize(66, 82)).isNull());
  EXPECT_EQ(picture_pixels(HAIKEI_RENGA), QSize(34, 41));
  EXPECT_EQ(picture_pixels(E_TITLE), QSize(178, 73));
}

}  // namespace

}  // namespace hakuro::view
