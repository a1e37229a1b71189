#include <gtest/gtest.h>

#include "platform/gfx/Canvas.h"
#include "skin/ZELPublic.h"

namespace {

constexpr TColor kBackground = 0x123456;

TBitmap& Cleared(TBitmap& bitmap) {
  bitmap.Canvas()->Brush()->SetColor(kBackground);
  bitmap.Canvas()->FillRect({0, 0, bitmap.Width(), bitmap.Height()});
  return bitmap;
}

TColor Red(int r) { return RGB(r, 0, 0); }

}  // namespace

TEST(SkinColors, MakeAndSplit) {
  EXPECT_EQ(MakeColor(0x01, 0x02, 0x03), 0x030201u);
  BYTE r = 0, g = 0, b = 0;
  SplitColor(0x00C0B0A0, r, g, b);
  EXPECT_EQ(r, 0xA0);
  EXPECT_EQ(g, 0xB0);
  EXPECT_EQ(b, 0xC0);
  SplitColor(clBtnFace, r, g, b);  // system colours are resolved first
  EXPECT_EQ(MakeColor(r, g, b), GetSysColor(COLOR_BTNFACE));
}

TEST(SkinColors, VerticalGradientBlendsTheLinesBetweenItsEnds) {
  TBitmap target(3, 8);
  // Four lines from red 0 to 10: the second line blends with step 0, the
  // third with step 1: 10 / 4 = 2.5, which rounds to the even 2.
  GradientFillV(*Cleared(target).Canvas(), {0, 2, 2, 6}, Red(0), Red(10));
  const TColor expected[] = {Red(0), Red(0), Red(2), Red(10)};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(target.Canvas()->Pixels(0, 2 + i), expected[i]) << i;
    EXPECT_EQ(target.Canvas()->Pixels(1, 2 + i), expected[i]) << i;
    EXPECT_EQ(target.Canvas()->Pixels(2, 2 + i), kBackground) << i;
  }
  EXPECT_EQ(target.Canvas()->Pixels(0, 1), kBackground);
  EXPECT_EQ(target.Canvas()->Pixels(0, 6), kBackground);

  // Two lines: only the ends; no lines: nothing; one line: the end colour.
  GradientFillV(*Cleared(target).Canvas(), {0, 0, 3, 2}, clRed, clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(target.Canvas()->Pixels(0, 1), clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(0, 2), kBackground);
  GradientFillV(*Cleared(target).Canvas(), {0, 3, 3, 3}, clRed, clBlue);
  GradientFillV(*target.Canvas(), {0, 5, 3, 4}, clRed, clBlue);
  for (int y = 0; y < 8; ++y) EXPECT_EQ(target.Canvas()->Pixels(0, y), kBackground) << y;
  GradientFillV(*target.Canvas(), {0, 4, 3, 5}, clRed, clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(0, 4), clBlue);
}

// Exact halves round to even in every channel and direction; each case
// below lands a hair off its half when blended through floating point.
TEST(SkinColors, GradientsRoundExactHalvesToEven) {
  // 14 lines: line 8 blends with step 7, half the way: 253 / 2 = 126.5
  // rounds to 126, 251 / 2 = 125.5 to 126.
  TBitmap tall(1, 14);
  GradientFillV(*tall.Canvas(), {0, 0, 1, 14}, RGB(0, 0, 0), RGB(253, 251, 0));
  EXPECT_EQ(tall.Canvas()->Pixels(0, 8), RGB(126, 126, 0));
  // Falling: 253 + (-126.5 -> -126) = 127, 251 + (-125.5 -> -126) = 125.
  GradientFillV(*tall.Canvas(), {0, 0, 1, 14}, RGB(253, 251, 0), RGB(0, 0, 0));
  EXPECT_EQ(tall.Canvas()->Pixels(0, 8), RGB(127, 125, 0));
  // 30 columns: column 15 is half the way: 124.5 -> 124, 123.5 -> 124, 0.5 -> 0.
  TBitmap wide(30, 1);
  GradientFillH(*wide.Canvas(), {0, 0, 30, 1}, RGB(0, 0, 0), RGB(249, 247, 1));
  EXPECT_EQ(wide.Canvas()->Pixels(15, 0), RGB(124, 124, 0));
}

TEST(SkinColors, HorizontalGradientStepsOneFurtherThanTheVerticalOne) {
  TBitmap target(6, 2);
  GradientFillH(*Cleared(target).Canvas(), {1, 0, 5, 1}, Red(0), Red(10));
  const TColor expected[] = {Red(0), Red(2), Red(5), Red(10)};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(target.Canvas()->Pixels(1 + i, 0), expected[i]) << i;
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), kBackground);
  EXPECT_EQ(target.Canvas()->Pixels(5, 0), kBackground);
  EXPECT_EQ(target.Canvas()->Pixels(2, 1), kBackground);

  GradientFillH(*Cleared(target).Canvas(), {3, 0, 3, 2}, clRed, clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(3, 0), kBackground);
}
