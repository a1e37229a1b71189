#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"

namespace {

constexpr TColor kKey = 0xFF00FF;
constexpr TColor kGreen = 0x00FF00;

void Fill(TBitmap& bitmap, TColor colour, TRect area) {
  bitmap.Canvas()->Brush()->SetColor(colour);
  bitmap.Canvas()->FillRect(area);
}

// An 8 x 8 picture: magenta all round, a 4 x 4 square of colour at (2, 2).
void Picture(TBitmap& bitmap, TColor colour, int offsetX = 0) {
  Fill(bitmap, kKey, Rect(offsetX, 0, offsetX + 8, 8));
  Fill(bitmap, colour, Rect(offsetX + 2, 2, offsetX + 6, 6));
}

struct Target {
  TBitmap bitmap{20, 20};
  Target() { Fill(bitmap, kGreen, Rect(0, 0, 20, 20)); }
  TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
};

}  // namespace

TEST(ImageList, KeyColourIsTransparent) {
  TImageList list(8, 8);
  TBitmap picture(8, 8);
  Picture(picture, 0x0000FF);
  EXPECT_EQ(list.AddMasked(&picture, kKey), 0);
  Target target;
  list.Draw(target.bitmap.Canvas(), 5, 5, 0);
  EXPECT_EQ(target.At(5, 5), kGreen);
  EXPECT_EQ(target.At(6, 6), kGreen);
  EXPECT_EQ(target.At(7, 7), 0x0000FFu);
  EXPECT_EQ(target.At(10, 10), 0x0000FFu);
  EXPECT_EQ(target.At(11, 11), kGreen);
}

TEST(ImageList, MaskBitmapWhiteIsTransparent) {
  TImageList list(4, 4);
  TBitmap picture(4, 4), mask(4, 4);
  Fill(picture, 0x123456, Rect(0, 0, 4, 4));
  Fill(mask, 0xFFFFFF, Rect(0, 0, 4, 4));
  Fill(mask, 0x000000, Rect(0, 0, 2, 4));
  list.Add(&picture, &mask);
  list.Add(&picture);  // no mask: opaque
  Target target;
  list.Draw(target.bitmap.Canvas(), 0, 0, 0);
  list.Draw(target.bitmap.Canvas(), 10, 0, 1);
  EXPECT_EQ(target.At(1, 1), 0x123456u);
  EXPECT_EQ(target.At(2, 1), kGreen);
  EXPECT_EQ(target.At(13, 3), 0x123456u);
}

TEST(ImageList, WideImageIsSplitIntoPieces) {
  TImageList list(8, 8);
  TBitmap strip(24, 8);
  Picture(strip, 0x0000FF, 0);
  Picture(strip, 0x00FFFF, 8);
  Picture(strip, 0xFF0000, 16);
  TBitmap single(8, 8);
  Picture(single, 0x808080);
  EXPECT_EQ(list.AddMasked(&single, kKey), 0);
  EXPECT_EQ(list.AddMasked(&strip, kKey), 1);
  EXPECT_EQ(list.Count(), 4);
  Target target;
  list.Draw(target.bitmap.Canvas(), 0, 0, 3);
  EXPECT_EQ(target.At(3, 3), 0xFF0000u);

  list.Delete(1);
  EXPECT_EQ(list.Count(), 3);
  list.Draw(target.bitmap.Canvas(), 10, 10, 1);
  EXPECT_EQ(target.At(13, 13), 0x00FFFFu);
}

TEST(ImageList, SmallImageLeavesTheRestTransparent) {
  TImageList list(8, 8);
  TBitmap small(3, 3);
  Fill(small, 0x0000FF, Rect(0, 0, 3, 3));
  list.Add(&small);
  Target target;
  list.Draw(target.bitmap.Canvas(), 0, 0, 0);
  EXPECT_EQ(target.At(2, 2), 0x0000FFu);
  EXPECT_EQ(target.At(3, 3), kGreen);
}

TEST(ImageList, DisabledImageIsEmbossedInShadowAndHighlight) {
  TImageList list(8, 8);
  TBitmap picture(8, 8);
  Picture(picture, 0x0000FF);
  Fill(picture, 0xFFFFFF, Rect(5, 5, 6, 6));  // white is no ink
  list.AddMasked(&picture, kKey);
  Target target;
  list.Draw(target.bitmap.Canvas(), 0, 0, 0, false);
  EXPECT_EQ(target.At(2, 2), 0x808080u) << "ink in the button shadow colour";
  EXPECT_EQ(target.At(4, 4), 0x808080u);
  EXPECT_EQ(target.At(6, 3), 0xFFFFFFu) << "highlight one pixel right and down";
  EXPECT_EQ(target.At(3, 6), 0xFFFFFFu);
  EXPECT_EQ(target.At(6, 6), kGreen) << "the white pixel casts no highlight";
  EXPECT_EQ(target.At(5, 5), 0xFFFFFFu) << "the white pixel only shows the highlight";
  EXPECT_EQ(target.At(1, 1), kGreen);
  EXPECT_EQ(target.At(7, 7), kGreen);
}

TEST(ImageList, DrawingHonoursTheCanvasClip) {
  TImageList list(8, 8);
  TBitmap picture(8, 8);
  Fill(picture, 0x0000FF, Rect(0, 0, 8, 8));
  list.Add(&picture);
  Target target;
  target.bitmap.Canvas()->IntersectClipRect(Rect(0, 0, 4, 20));
  list.Draw(target.bitmap.Canvas(), 0, 0, 0);
  EXPECT_EQ(target.At(3, 3), 0x0000FFu);
  target.bitmap.Canvas()->SelectClipRgn(nullptr);
  EXPECT_EQ(target.At(4, 3), kGreen);
}

TEST(ImageList, GetBitmapSizesAndDrawsTheImage) {
  TImageList list(8, 8);
  TBitmap picture(8, 8);
  Picture(picture, 0x0000FF);
  list.AddMasked(&picture, kKey);
  TBitmap copy;
  list.GetBitmap(0, &copy);
  EXPECT_EQ(copy.Width(), 8);
  EXPECT_EQ(copy.Height(), 8);
  EXPECT_EQ(copy.Canvas()->Pixels(3, 3), 0x0000FFu);
  EXPECT_EQ(copy.Canvas()->Pixels(0, 0), 0xFFFFFFu) << "transparent pixels keep the new white";
}

TEST(ImageList, BadInputIsRefusedOrIgnored) {
  TImageList list(8, 8);
  TBitmap empty;
  EXPECT_THROW(list.Add(nullptr), EInvalidOperation);
  EXPECT_THROW(list.Add(&empty), EInvalidOperation);
  EXPECT_THROW(list.AddMasked(nullptr, kKey), EInvalidOperation);
  EXPECT_THROW(list.Delete(0), EInvalidOperation);
  Target target;
  list.Draw(target.bitmap.Canvas(), 0, 0, 5);
  list.Draw(nullptr, 0, 0, 0);
  list.GetBitmap(3, &target.bitmap);
  EXPECT_EQ(target.At(0, 0), kGreen);

  TBitmap picture(8, 8);
  list.Add(&picture);
  list.Add(&picture);
  list.SetWidth(16);
  EXPECT_EQ(list.Count(), 0) << "a new size empties the list";
  list.Add(&picture);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}
