// The rounded window corner of the title pictures lies exactly where the
// window region cuts the window: the frame runs along the cut, and what the
// region cuts away is frame colour too, so a bar on its own shows a square
// corner and never the transparent colour.

#include <gtest/gtest.h>

#include "BitmapProbe.h"
#include "platform/gfx/Region.h"
#include "skin/ZELThemes.h"

namespace {

struct RoundedLook {
  TzelUIStyle style;
  const char* prefix;
};

const RoundedLook kRounded[] = {{WinXP, "WINXP"}, {BlueGlass, "BLUEGLASS"}};

// The window region's corner for a picture `width` wide at the window's
// left or right end.
HRGN CornerRegion(int width, int radius, bool left) {
  const int far = 4000;
  return left ? CreateRoundRectRgn(0, 0, far, far, radius, radius)
              : CreateRoundRectRgn(width - far, 0, width + 1, far, radius, radius);
}

TEST(TitleCorners, WhatTheRegionCutsIsFrameColourAtBothEnds) {
  for (const RoundedLook& look : kRounded) {
    const int radius = GetBuiltInThemeInteger(look.style, 14);
    const TColor frame = TColor(GetBuiltInThemeColor(look.style, 16));
    for (bool left : {true, false}) {
      SCOPED_TRACE(std::string(look.prefix) + (left ? " left" : " right"));
      auto bmp = LoadTheme(std::string(look.prefix) + (left ? "_TITLE_LEFT" : "_TITLE_RIGHT"));
      HRGN region = CornerRegion(bmp->Width(), radius, left);
      int cut = 0;
      for (int y = 0; y < bmp->Height(); ++y)
        for (int x = 0; x < bmp->Width(); ++x)
          if (!PtInRegion(region, x, y)) {
            ++cut;
            EXPECT_EQ(PixelAt(*bmp, x, y), frame) << x << "," << y;
          }
      EXPECT_GT(cut, 0);
      DeleteObject(region);
    }
  }
}

TEST(TitleCorners, FrameAlongTheCornerIsNoThickerThanTheBorder) {
  for (const RoundedLook& look : kRounded) {
    const int radius = GetBuiltInThemeInteger(look.style, 14);
    const int border = GetBuiltInThemeInteger(look.style, 17);
    const TColor frame = TColor(GetBuiltInThemeColor(look.style, 16));
    for (bool left : {true, false}) {
      auto bmp = LoadTheme(std::string(look.prefix) + (left ? "_TITLE_LEFT" : "_TITLE_RIGHT"));
      SCOPED_TRACE(std::string(look.prefix) + (left ? " left" : " right"));
      HRGN region = CornerRegion(bmp->Width(), radius, left);
      // Where the curve is steep, across the row is across the frame.
      for (int y = radius / 2; y < radius; ++y) {
        // The first pixel the region keeps, counted from the outer edge.
        int edge = 0;
        while (!PtInRegion(region, left ? edge : bmp->Width() - 1 - edge, y)) ++edge;
        int inside = edge + border + 1;
        int x = left ? inside : bmp->Width() - 1 - inside;
        EXPECT_EQ(PixelAt(*bmp, left ? edge : bmp->Width() - 1 - edge, y), frame) << y;
        EXPECT_NE(PixelAt(*bmp, x, y), frame) << y;
      }
      DeleteObject(region);
    }
  }
}

}  // namespace
