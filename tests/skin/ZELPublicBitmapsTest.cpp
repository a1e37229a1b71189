#include <gtest/gtest.h>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"

namespace {

constexpr TColor kBackground = 0x123456;

TColor PixelOf(TBitmap& bitmap, int x, int y) { return bitmap.Canvas()->Pixels(x, y); }

// Every pixel its own colour: red = x, green = y (plus a blue tag).
void FillNumbered(TBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) bitmap.Canvas()->SetPixels(x, y, RGB(x, y, 200));
}
TColor Numbered(int x, int y) { return RGB(x, y, 200); }

void Clear(TBitmap& bitmap, TColor color = kBackground) {
  bitmap.Canvas()->Brush()->SetColor(color);
  bitmap.Canvas()->FillRect({0, 0, bitmap.Width(), bitmap.Height()});
}

// Three cells of three columns and two rows, each cell in one colour.
constexpr TColor kLeftCap = 0x0000AA, kMiddle = 0x00AA00, kRightCap = 0xAA0000;
void FillCells(TBitmap& bitmap) {
  const TColor cells[] = {kLeftCap, kMiddle, kRightCap};
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) bitmap.Canvas()->SetPixels(x, y, cells[std::min(x / 3, 2)]);
}

class SkinBarInBothBuilds : public ::testing::Test {
 protected:
  void TearDown() override { SetSkinFlavour(zelCurrentBuild); }
};

}  // namespace

TEST(SkinBitmapHelpers, RotationsMovePixelsByQuarterAndHalfTurns) {
  TBitmap bitmap(3, 2);
  FillNumbered(bitmap);
  RotateBitmapLeft(bitmap);
  ASSERT_EQ(bitmap.Width(), 2);
  ASSERT_EQ(bitmap.Height(), 3);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelOf(bitmap, y, 3 - 1 - x), Numbered(x, y)) << x << "," << y;

  FillNumbered(bitmap);  // now 2 x 3
  RotateBitmapRight(bitmap);
  ASSERT_EQ(bitmap.Width(), 3);
  ASSERT_EQ(bitmap.Height(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelOf(bitmap, x, y), Numbered(y, 3 - 1 - x)) << x << "," << y;

  FillNumbered(bitmap);
  RotateBitmap180(bitmap);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelOf(bitmap, 3 - 1 - x, 2 - 1 - y), Numbered(x, y));

  // A left turn undone by a right turn, also at 32 bits per pixel.
  TBitmap wide(4, 3, pf32bit);
  FillNumbered(wide);
  RotateBitmapLeft(wide);
  RotateBitmapRight(wide);
  EXPECT_EQ(wide.PixelFormat(), pf32bit);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(PixelOf(wide, x, y), Numbered(x, y));

  TBitmap empty;
  RotateBitmapLeft(empty);
  EXPECT_TRUE(empty.Empty());
}

TEST(SkinBitmapHelpers, ReplaceBitmapColorTouchesOnlyThatColourAndMakes24Bits) {
  TBitmap bitmap(3, 1, pf32bit);
  bitmap.Canvas()->SetPixels(0, 0, clFuchsia);
  bitmap.Canvas()->SetPixels(1, 0, 0xFE00FF);
  bitmap.Canvas()->SetPixels(2, 0, clFuchsia);
  ReplaceBitmapColor(bitmap, clFuchsia, clBtnFace);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(PixelOf(bitmap, 1, 0), 0xFE00FFu);
  EXPECT_EQ(PixelOf(bitmap, 2, 0), GetSysColor(COLOR_BTNFACE));
}

TEST(SkinBitmapHelpers, StretchBitmapToRectAveragesAndLeavesTheModeAlone) {
  TBitmap source(2, 1);
  source.Canvas()->SetPixels(0, 0, clBlack);
  source.Canvas()->SetPixels(1, 0, clWhite);
  TBitmap target(4, 4);
  Clear(target);
  StretchBitmapToRect(source, *target.Canvas(), {1, 1, 2, 2});
  const int grey = GetRValue(PixelOf(target, 1, 1));
  EXPECT_GE(grey, 0x7F);
  EXPECT_LE(grey, 0x80);
  EXPECT_EQ(PixelOf(target, 0, 0), kBackground);
  EXPECT_EQ(PixelOf(target, 2, 1), kBackground);
  EXPECT_EQ(target.Canvas()->StretchBltMode(), BLACKONWHITE);
}

TEST(SkinBitmapHelpers, TilePictureStartsAtTheCanvasOriginAndCoversTheRectSize) {
  TBitmap tile(3, 2);
  FillNumbered(tile);
  TPicture picture;
  picture.SetGraphic(&tile);
  TBitmap target(10, 10);
  Clear(target);
  // Tiles at x = 0, 3 (x < 3 + 2) and y = 0, 2 (y < 2 + 2), wherever the rect lies.
  TilePicture(*target.Canvas(), picture, {4, 4, 6, 6});
  EXPECT_EQ(PixelOf(target, 0, 0), Numbered(0, 0));
  EXPECT_EQ(PixelOf(target, 3, 0), Numbered(0, 0));
  EXPECT_EQ(PixelOf(target, 5, 3), Numbered(2, 1));
  EXPECT_EQ(PixelOf(target, 6, 0), kBackground);
  EXPECT_EQ(PixelOf(target, 0, 4), kBackground);

  TPicture empty;  // nothing to tile: no endless loop, nothing drawn
  TilePicture(*target.Canvas(), empty, {0, 0, 10, 10});
  EXPECT_EQ(PixelOf(target, 9, 9), kBackground);
}

// A 5 x 5 face over 9 x 7: corners 2 x 2 (top-left), 2 x 1 (bottom-left),
// 1 x 2 (top-right), 1 x 1 (bottom-right); edges and centre stretched
// between them, the bottom edge last and one pixel further out.
TEST(SkinBitmapHelpers, DrawSkinBitmapLaysOutNinePieces) {
  TBitmap face(5, 5);
  FillNumbered(face);
  TBitmap target(9, 7);
  Clear(target);
  DrawSkinBitmap(face, *target.Canvas(), {0, 0, 9, 7}, false);
  struct Expect {
    int x, y, sx, sy;
  };
  const Expect expected[] = {
      {0, 0, 0, 0}, {1, 1, 1, 1},                // top-left corner
      {0, 6, 0, 4},                              // bottom-left corner
      {8, 0, 4, 0}, {8, 1, 4, 1},                // top-right corner
      {8, 6, 4, 4},                              // bottom-right corner
      {0, 2, 0, 2}, {1, 4, 1, 2}, {0, 5, 0, 2},  // left edge: the middle row
      {8, 2, 4, 3}, {8, 5, 4, 3},                // right edge
      {2, 0, 2, 0}, {7, 1, 3, 1},                // top edge
      {2, 2, 2, 2}, {7, 4, 3, 2},                // centre
      {1, 5, 2, 3}, {7, 5, 3, 3},                // bottom edge, over the left edge
      {1, 6, 2, 4}, {2, 6, 2, 4}, {7, 6, 3, 4},  // and over the bottom-left corner
  };
  for (const Expect& e : expected)
    EXPECT_EQ(PixelOf(target, e.x, e.y), Numbered(e.sx, e.sy)) << "at " << e.x << "," << e.y;
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x) EXPECT_NE(PixelOf(target, x, y), kBackground) << x << "," << y;
}

TEST(SkinBitmapHelpers, DrawSkinBitmapTransparency) {
  TBitmap face(5, 5);
  FillNumbered(face);
  face.Canvas()->SetPixels(0, 0, zelSkinTransparentColor);  // a corner pixel
  face.Canvas()->SetPixels(2, 2, zelSkinTransparentColor);  // the centre
  TBitmap target(9, 7);

  Clear(target);
  DrawSkinBitmap(face, *target.Canvas(), {0, 0, 9, 7}, false);
  EXPECT_EQ(PixelOf(target, 0, 0), zelSkinTransparentColor);  // opaque corners
  EXPECT_EQ(PixelOf(target, 2, 2), kBackground);              // edges and centre always see-through

  Clear(target);
  DrawSkinBitmap(face, *target.Canvas(), {0, 0, 9, 7}, true);
  EXPECT_EQ(PixelOf(target, 0, 0), kBackground);
  EXPECT_EQ(PixelOf(target, 1, 0), Numbered(1, 0));
}

// Whatever the sizes, even with a corner of no width or height, the face
// stays inside its rectangle.
TEST(SkinBitmapHelpers, DrawSkinBitmapNeverPaintsOutsideItsRect) {
  TBitmap target(16, 16);
  const TRect rect{4, 4, 0, 0};
  for (int w = 1; w <= 5; ++w)
    for (int h = 1; h <= 5; ++h) {
      TBitmap face(w, h);
      FillNumbered(face);
      for (int W = 1; W <= 7; ++W)
        for (int H = 1; H <= 7; ++H) {
          Clear(target);
          DrawSkinBitmap(face, *target.Canvas(), {rect.Left, rect.Top, rect.Left + W, rect.Top + H}, false);
          for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
              const bool inside = x >= rect.Left && x < rect.Left + W && y >= rect.Top && y < rect.Top + H;
              if (!inside) {
                ASSERT_EQ(PixelOf(target, x, y), kBackground)
                    << "face " << w << "x" << h << " over " << W << "x" << H << " painted " << x << "," << y;
              }
            }
        }
    }
}

TEST(SkinBitmapHelpers, DrawSkinBitmapEdgeCases) {
  // An even-sized face has no rows for its left edge and centre: they show
  // the face's middle row.
  TBitmap face(4, 4);
  FillNumbered(face);
  TBitmap target(8, 8);
  Clear(target);
  DrawSkinBitmap(face, *target.Canvas(), {0, 0, 8, 8}, false);
  EXPECT_EQ(PixelOf(target, 0, 4), Numbered(0, 2));
  EXPECT_EQ(PixelOf(target, 3, 4), Numbered(2, 2));

  // The face follows the rectangle's position.
  Clear(target);
  DrawSkinBitmap(face, *target.Canvas(), {3, 2, 7, 6}, false);
  EXPECT_EQ(PixelOf(target, 3, 2), Numbered(0, 0));
  EXPECT_EQ(PixelOf(target, 2, 2), kBackground);
  EXPECT_EQ(PixelOf(target, 7, 2), kBackground);

  // Tiny or empty faces and rectangles draw what fits and never fail.
  TBitmap dot(1, 1);
  FillNumbered(dot);
  Clear(target);
  DrawSkinBitmap(dot, *target.Canvas(), {0, 0, 8, 8}, true);
  DrawSkinBitmap(face, *target.Canvas(), {0, 0, 1, 1}, true);
  DrawSkinBitmap(face, *target.Canvas(), {5, 5, 5, 5}, true);
  TBitmap none;
  DrawSkinBitmap(none, *target.Canvas(), {0, 0, 8, 8}, true);
  EXPECT_EQ(PixelOf(target, 7, 7), Numbered(0, 0));
}

TEST(SkinBitmapHelpers, DrawThreePieceBitmapKeepsTheCapsAndStretchesTheMiddle) {
  TBitmap cells(9, 2);
  FillCells(cells);
  cells.Canvas()->SetPixels(0, 0, 0x010203);
  TBitmap target(20, 3);
  Clear(target);
  DrawThreePieceBitmap(cells, *target.Canvas(), {0, 0, 20, 3}, 0x010203, true);
  EXPECT_EQ(PixelOf(target, 0, 0), kBackground);  // masked
  EXPECT_EQ(PixelOf(target, 2, 1), kLeftCap);
  EXPECT_EQ(PixelOf(target, 3, 0), kMiddle);
  EXPECT_EQ(PixelOf(target, 16, 1), kMiddle);
  EXPECT_EQ(PixelOf(target, 17, 0), kRightCap);
  EXPECT_EQ(PixelOf(target, 19, 1), kRightCap);
  EXPECT_EQ(PixelOf(target, 10, 2), kBackground);  // the bitmap's height only

  // Narrower than a cell: the left cap cut to the width; without a mask.
  Clear(target);
  DrawThreePieceBitmap(cells, *target.Canvas(), {5, 0, 7, 3}, 0x010203, false);
  EXPECT_EQ(PixelOf(target, 5, 0), 0x010203u);
  EXPECT_EQ(PixelOf(target, 6, 1), kLeftCap);
  EXPECT_EQ(PixelOf(target, 7, 0), kBackground);
  EXPECT_EQ(PixelOf(target, 4, 0), kBackground);
}

TEST_F(SkinBarInBothBuilds, DrawThreePieceBarFillsTheMiddleInTheCurrentBuildOnly) {
  // The bottom-left pixel names the mask colour; the middle cell has a hole.
  constexpr TColor kMask = 0x0A0B0C, kFill = 0x00FFFF;
  TBitmap cells(9, 2);
  FillCells(cells);
  cells.Canvas()->SetPixels(0, 1, kMask);
  cells.Canvas()->SetPixels(4, 0, kMask);
  TBitmap target(20, 4);

  Clear(target);
  DrawThreePieceBar(cells, *target.Canvas(), {0, 0, 20, 4}, false, kFill, true);
  EXPECT_EQ(PixelOf(target, 0, 1), kBackground);  // the mask pixel itself
  EXPECT_EQ(PixelOf(target, 0, 0), kLeftCap);
  EXPECT_EQ(PixelOf(target, 0, 2), kBackground);  // caps keep their height
  EXPECT_EQ(PixelOf(target, 19, 1), kRightCap);
  EXPECT_EQ(PixelOf(target, 10, 0), kFill);       // the hole shows the fill colour
  EXPECT_EQ(PixelOf(target, 10, 3), kMiddle);     // over the rectangle's full height

  SetSkinFlavour(zelOlderBuild);
  Clear(target);
  DrawThreePieceBar(cells, *target.Canvas(), {0, 0, 20, 4}, false, kFill, true);
  EXPECT_EQ(PixelOf(target, 10, 0), kBackground);  // no fill: the hole stays see-through
  EXPECT_EQ(PixelOf(target, 10, 3), kMiddle);
  SetSkinFlavour(zelCurrentBuild);

  // Without the pixel mask magenta is see-through; (0, 0) names it with fromBottomPixel.
  cells.Canvas()->SetPixels(8, 0, zelSkinTransparentColor);
  Clear(target);
  DrawThreePieceBar(cells, *target.Canvas(), {0, 0, 20, 4}, false, kFill, false);
  EXPECT_EQ(PixelOf(target, 0, 1), kMask);
  EXPECT_EQ(PixelOf(target, 19, 0), kBackground);
  Clear(target);
  DrawThreePieceBar(cells, *target.Canvas(), {0, 0, 20, 4}, true, kFill, true);
  EXPECT_EQ(PixelOf(target, 0, 0), kBackground);
  EXPECT_EQ(PixelOf(target, 0, 1), kMask);

  // Narrower than a cell: the left cap cut to the width.
  Clear(target);
  DrawThreePieceBar(cells, *target.Canvas(), {0, 0, 2, 4}, false, kFill, false);
  EXPECT_EQ(PixelOf(target, 1, 0), kLeftCap);
  EXPECT_EQ(PixelOf(target, 2, 0), kBackground);
}
