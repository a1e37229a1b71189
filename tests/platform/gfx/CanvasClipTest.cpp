#include <gtest/gtest.h>

#include <memory>

#include "PixelTestUtil.h"
#include "platform/gfx/Canvas.h"

using pixeltest::At;
using pixeltest::Fill;
using pixeltest::Picture;
using Rows = std::vector<std::string>;

namespace {

struct Clip : ::testing::Test {
  TBitmap bitmap{6, 4};
  TCanvas& canvas = *bitmap.Canvas();
  void SetUp() override {
    Fill(bitmap, clWhite);
    canvas.Brush()->SetColor(clRed);
  }
  void FillAll() { canvas.FillRect(Rect(-100, -100, 100, 100)); }
};

}  // namespace

TEST_F(Clip, IntersectAndExcludeClipRect) {
  EXPECT_EQ(canvas.IntersectClipRect(Rect(1, 1, 5, 4)), SIMPLEREGION);
  EXPECT_EQ(canvas.ExcludeClipRect(Rect(2, 2, 4, 3)), COMPLEXREGION);
  FillAll();
  EXPECT_EQ(Picture(bitmap, clRed), (Rows{"......", ".####.", ".#..#.", ".####."}));
  TRect box;
  EXPECT_EQ(canvas.GetClipBox(&box), COMPLEXREGION);
  EXPECT_EQ(box, Rect(1, 1, 5, 4));
}

TEST_F(Clip, ExcludeWithoutClipRegionCutsFromEverything) {
  canvas.ExcludeClipRect(Rect(0, 0, 3, 4));
  FillAll();
  EXPECT_EQ(Picture(bitmap, clRed), Rows(4, "...###"));
}

TEST_F(Clip, SelectClipRgnCopiesTheRegionAndNullRemovesIt) {
  HRGN region = CreateRectRgn(0, 0, 2, 2);
  EXPECT_EQ(SelectClipRgn(&canvas, region), SIMPLEREGION);
  OffsetRgn(region, 3, 0);  // the canvas kept its own copy
  DeleteObject(region);
  FillAll();
  EXPECT_EQ(Picture(bitmap, clRed), (Rows{"##....", "##....", "......", "......"}));
  SelectClipRgn(&canvas, nullptr);
  FillAll();
  EXPECT_EQ(Picture(bitmap, clRed), Rows(4, "######"));
}

// Without a region only a copy makes sense: it removes the clip region.
// Every other mode is an error that leaves the clip alone.
TEST_F(Clip, ExtSelectClipRgnWithoutARegionOnlyCopies) {
  canvas.IntersectClipRect(Rect(0, 0, 2, 2));
  for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, 0, 99})
    EXPECT_EQ(ExtSelectClipRgn(&canvas, nullptr, mode), ERROR) << "mode " << mode;
  FillAll();
  EXPECT_EQ(Picture(bitmap, clRed), (Rows{"##....", "##....", "......", "......"}));
  EXPECT_EQ(ExtSelectClipRgn(&canvas, nullptr, RGN_COPY), SIMPLEREGION);
  FillAll();
  EXPECT_EQ(Picture(bitmap, clRed), Rows(4, "######"));
}

TEST_F(Clip, ClippingAppliesToEveryKindOfDrawing) {
  canvas.IntersectClipRect(Rect(0, 0, 3, 4));
  canvas.Pen()->SetColor(clBlue);
  canvas.MoveTo(0, 0);
  canvas.LineTo(6, 0);
  canvas.SetPixels(4, 1, clBlue);
  EXPECT_EQ(canvas.Pixels(4, 1), CLR_INVALID);
  TBitmap source(6, 4);
  Fill(source, clGreen);
  canvas.BitBlt(0, 2, 6, 2, source.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(Picture(bitmap, clBlue), (Rows{"###...", "......", "......", "......"}));
  EXPECT_EQ(Picture(bitmap, clGreen), (Rows{"......", "......", "###...", "###..."}));
}

TEST_F(Clip, ViewportMovesDrawingButNotTheClipRegion) {
  TPoint old;
  SetViewportOrgEx(&canvas, 2, 1, &old);
  EXPECT_EQ(old, Point(0, 0));
  HRGN region = CreateRectRgn(0, 0, 3, 4);  // device coordinates
  SelectClipRgn(&canvas, region);
  DeleteObject(region);
  canvas.FillRect(Rect(0, 0, 2, 2));  // lands on device (2,1)-(4,3)
  EXPECT_EQ(Picture(bitmap, clRed), (Rows{"......", "..#...", "..#...", "......"}));
  // IntersectClipRect takes logical coordinates.
  Fill(bitmap, clWhite);
  canvas.SelectClipRgn(nullptr);
  canvas.IntersectClipRect(Rect(0, 0, 1, 1));
  FillAll();
  EXPECT_EQ(Picture(bitmap, clRed), (Rows{"......", "..#...", "......", "......"}));
  EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 1, 1));
  OffsetViewportOrgEx(&canvas, -2, -1, nullptr);
  TPoint now;
  GetViewportOrgEx(&canvas, &now);
  EXPECT_EQ(now, Point(0, 0));
}

TEST_F(Clip, SaveAndRestoreState) {
  const int level = SaveDC(&canvas);
  canvas.IntersectClipRect(Rect(0, 0, 1, 1));
  SetViewportOrgEx(&canvas, 3, 3, nullptr);
  SetBkMode(&canvas, TRANSPARENT);
  SaveDC(&canvas);
  SetViewportOrgEx(&canvas, 5, 5, nullptr);
  EXPECT_TRUE(RestoreDC(&canvas, level));  // drops both levels
  EXPECT_EQ(canvas.ViewportOrg(), Point(0, 0));
  EXPECT_EQ(canvas.BkMode(), OPAQUE);
  FillAll();
  EXPECT_EQ(Picture(bitmap, clRed), Rows(4, "######"));
  EXPECT_FALSE(RestoreDC(&canvas, -1));  // nothing left to restore
  EXPECT_FALSE(RestoreDC(&canvas, 7));
}

TEST_F(Clip, ViewCanvasDrawsThroughItsOriginAndBaseClip) {
  TBitmap surface(10, 8);
  Fill(surface, clWhite);
  // A "window" at (4, 2) of the surface whose visible part is its top-left 3 × 2.
  const TRgn visible(Rect(0, 0, 3, 2));
  TCanvas view(&surface, Point(4, 2), &visible);
  view.Brush()->SetColor(clRed);
  view.FillRect(Rect(0, 0, 10, 10));
  EXPECT_EQ(Picture(surface, clRed), (Rows{"..........", "..........", "....###...", "....###...", "..........",
                                           "..........", "..........", ".........."}));
  EXPECT_EQ(view.Pixels(0, 0), clRed);
  EXPECT_EQ(view.Pixels(3, 0), CLR_INVALID);
  // Its own clipping and viewport stack on top.
  view.IntersectClipRect(Rect(1, 0, 9, 9));
  SetViewportOrgEx(&view, 1, 1, nullptr);
  view.Brush()->SetColor(clBlue);
  view.FillRect(Rect(0, 0, 1, 1));
  EXPECT_EQ(At(surface, 5, 3), clBlue);
  EXPECT_EQ(view.ClipRect(), Rect(0, -1, 2, 1));
  // A view past the surface's edge is cut to it.
  TCanvas edge(&surface, Point(8, 6));
  edge.Brush()->SetColor(clLime);
  edge.FillRect(Rect(0, 0, 5, 5));
  EXPECT_EQ(Picture(surface, clLime)[7], "........##");
}

TEST(CanvasState, BrushDecidesTheBackgroundAndFontTheTextColour) {
  TBitmap b(1, 1);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetStyle(bsClear);
  EXPECT_EQ(c.BkMode(), TRANSPARENT);
  c.Brush()->SetColor(clBtnFace);
  EXPECT_EQ(c.BkMode(), OPAQUE);
  EXPECT_EQ(c.BkColor(), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(SetTextColor(&c, clRed), GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(GetTextColor(&c), clRed);
  c.Font()->SetColor(clBlue);
  EXPECT_EQ(c.TextColor(), clBlue);
  EXPECT_EQ(SetBkMode(&c, 7), 0);  // not a mode: refused
  EXPECT_EQ(SetStretchBltMode(&c, HALFTONE), BLACKONWHITE);
}

TEST(CanvasState, BrushHandlesFillWithoutChangingTheCanvasBrush) {
  TBitmap b(3, 1);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetColor(clRed);
  HBRUSH green = CreateSolidBrush(clGreen);
  FillRect(&c, Rect(0, 0, 2, 1), green);
  FillRect(&c, Rect(2, 0, 3, 1), GetSysColorBrush(COLOR_WINDOW));
  EXPECT_EQ(At(b, 0, 0), clGreen);
  EXPECT_EQ(At(b, 2, 0), clWhite);
  EXPECT_EQ(c.Brush()->Color(), clRed);
  EXPECT_TRUE(DeleteObject(green));
  EXPECT_TRUE(DeleteObject(GetSysColorBrush(COLOR_WINDOW)));  // shared: stays usable
  EXPECT_EQ(GetSysColorBrush(COLOR_WINDOW)->Color(), clWhite);
  EXPECT_EQ(GetSysColorBrush(99), nullptr);
}

TEST(DeviceContextFunctions, RegionFillsInvertAndShapesThroughHandles) {
  TBitmap b(6, 4);
  Fill(b, clWhite);
  HDC dc = b.Canvas()->Handle();
  SetViewportOrgEx(dc, 1, 0, nullptr);
  HRGN region = CreateRectRgn(0, 0, 2, 2);  // logical coordinates for FillRgn
  HBRUSH brush = CreateSolidBrush(clGreen);
  EXPECT_TRUE(FillRgn(dc, region, brush));
  EXPECT_EQ(Picture(b, clGreen), (Rows{".##...", ".##...", "......", "......"}));
  EXPECT_EQ(b.Canvas()->ClipRect(), Rect(-1, 0, 5, 4));  // the clip is back as it was
  SetViewportOrgEx(dc, 0, 0, nullptr);
  EXPECT_TRUE(InvertRect(dc, Rect(0, 3, 6, 4)));
  EXPECT_EQ(Picture(b, clBlack)[3], "######");
  EXPECT_TRUE(MoveToEx(dc, 0, 2, nullptr));
  EXPECT_TRUE(LineTo(dc, 6, 2));
  EXPECT_EQ(Picture(b, clBlack)[2], "######");
  EXPECT_EQ(GetPixel(dc, 0, 2), clBlack);
  EXPECT_EQ(SetPixel(dc, 0, 2, clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(GetPixel(dc, 0, 2), GetSysColor(COLOR_BTNFACE));
  EXPECT_FALSE(Polygon(dc, nullptr, 3));
  EXPECT_FALSE(BitBlt(nullptr, 0, 0, 1, 1, dc, 0, 0, SRCCOPY));
  EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
  DeleteObject(brush);
  DeleteObject(region);
}
