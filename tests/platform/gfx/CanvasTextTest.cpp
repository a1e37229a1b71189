#include <gtest/gtest.h>

#include <set>

#include "PixelTestUtil.h"
#include "platform/gfx/Canvas.h"

using pixeltest::At;
using pixeltest::Fill;

namespace {

std::set<TColor> ColoursIn(const TBitmap& b, const TRect& area) {
  std::set<TColor> colours;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) colours.insert(At(b, x, y));
  return colours;
}

}  // namespace

TEST(CanvasText, CaptionWithoutAntialiasingHasOnlyTwoColours) {
  TBitmap b(120, 30);
  Fill(b, clWhite);
  TCanvas& c = *b.Canvas();
  c.SetTextAntialias(false);
  c.Font()->SetColor(clNavy);
  c.Brush()->SetColor(clYellow);  // opaque background in the brush colour
  c.TextOut(4, 5, "Recorder 1.0");
  const TSize extent = c.TextExtent("Recorder 1.0");
  ASSERT_GT(extent.cx, 20);
  const TRect cell = Bounds(4, 5, extent.cx, extent.cy);
  EXPECT_EQ(ColoursIn(b, cell), (std::set<TColor>{clNavy, clYellow}));
  EXPECT_EQ(At(b, 3, 5), clWhite);  // nothing outside the text cell
  EXPECT_EQ(At(b, cell.Right, 5), clWhite);
  EXPECT_EQ(c.PenPos(), Point(4 + extent.cx, 5));
}

TEST(CanvasText, ClearBrushLeavesTheBackgroundAndFontQualityTurnsOffSmoothing) {
  TBitmap b(120, 30);
  Fill(b, clWhite);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetStyle(bsClear);
  c.Font()->SetColor(clBlack);
  c.Font()->SetQuality(fqNonAntialiased);
  c.TextOut(2, 2, "Olwick");
  EXPECT_EQ(ColoursIn(b, Rect(0, 0, 120, 30)), (std::set<TColor>{clBlack, clWhite}));
  // With smoothing on, edges get in-between shades.
  Fill(b, clWhite);
  c.Font()->SetQuality(fqDefault);
  c.Font()->SetHeight(-16);
  c.TextOut(2, 2, "Olwick");
  EXPECT_GT(ColoursIn(b, Rect(0, 0, 120, 30)).size(), 2u);
}

TEST(CanvasText, TextFollowsViewportClipAndTextColour) {
  TBitmap b(100, 30);
  Fill(b, clWhite);
  TCanvas& c = *b.Canvas();
  c.SetTextAntialias(false);
  c.Brush()->SetStyle(bsClear);
  SetTextColor(&c, clRed);  // the device's text colour wins until the font changes
  SetViewportOrgEx(&c, 50, 0, nullptr);
  c.IntersectClipRect(Rect(0, 0, 10, 30));
  c.TextOut(0, 0, "WWWWWWWW");
  const auto colours = ColoursIn(b, Rect(50, 0, 60, 30));
  EXPECT_TRUE(colours.count(clRed));
  EXPECT_EQ(ColoursIn(b, Rect(60, 0, 100, 30)), std::set<TColor>{clWhite});
  EXPECT_EQ(ColoursIn(b, Rect(0, 0, 50, 30)), std::set<TColor>{clWhite});
}

TEST(CanvasText, TextRectClipsAndFillsTheRectangle) {
  TBitmap b(60, 20);
  Fill(b, clWhite);
  TCanvas& c = *b.Canvas();
  c.SetTextAntialias(false);
  c.Brush()->SetColor(clSilver);
  c.Font()->SetColor(clBlack);
  c.TextRect(Rect(10, 2, 30, 18), 12, 3, "WWWWWWWWWW");
  EXPECT_EQ(At(b, 10, 2), clSilver);
  EXPECT_EQ(At(b, 29, 17), clSilver);
  EXPECT_EQ(ColoursIn(b, Rect(30, 0, 60, 20)), std::set<TColor>{clWhite});
  EXPECT_EQ(ColoursIn(b, Rect(10, 2, 30, 18)), (std::set<TColor>{clBlack, clSilver}));
  EXPECT_EQ(c.BkMode(), OPAQUE);  // state restored afterwards
}
