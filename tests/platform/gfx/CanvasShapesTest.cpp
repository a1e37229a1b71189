#include <gtest/gtest.h>

#include "PixelTestUtil.h"
#include "platform/gfx/Canvas.h"

using pixeltest::At;
using pixeltest::Fill;
using pixeltest::Picture;
using Rows = std::vector<std::string>;

namespace {

struct CanvasFixture : ::testing::Test {
  TBitmap bitmap{8, 6};
  TCanvas& canvas = *bitmap.Canvas();
  void SetUp() override {
    Fill(bitmap, clWhite);
    canvas.Pen()->SetColor(clBlack);
    canvas.Brush()->SetColor(clRed);
  }
};

using CanvasShapes = CanvasFixture;

}  // namespace

TEST_F(CanvasShapes, FillAndFrameLeaveOutRightAndBottom) {
  canvas.FillRect(Rect(1, 1, 4, 3));
  EXPECT_EQ(Picture(bitmap, clRed), (Rows{"........", ".###....", ".###....", "........", "........", "........"}));
  Fill(bitmap, clWhite);
  canvas.Brush()->SetColor(clBlue);
  canvas.FrameRect(Rect(1, 1, 6, 5));
  EXPECT_EQ(Picture(bitmap, clBlue), (Rows{"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}));
  // A clear brush fills nothing; an upside-down rectangle is empty.
  Fill(bitmap, clWhite);
  canvas.Brush()->SetStyle(bsClear);
  canvas.FillRect(Rect(0, 0, 8, 6));
  canvas.Brush()->SetColor(clRed);
  canvas.FillRect(Rect(4, 4, 2, 2));
  EXPECT_EQ(Picture(bitmap, clWhite), Rows(6, "########"));
}

TEST_F(CanvasShapes, RectangleOutlinesWithPenAndFillsWithBrush) {
  canvas.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Picture(bitmap, clBlack), (Rows{"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}));
  EXPECT_EQ(Picture(bitmap, clRed), (Rows{"........", "........", "..###...", "..###...", "........", "........"}));
  // Without a pen the filled area loses its right column and bottom row.
  Fill(bitmap, clWhite);
  canvas.Pen()->SetStyle(psClear);
  canvas.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(Picture(bitmap, clRed), (Rows{"........", ".####...", ".####...", ".####...", "........", "........"}));
}

TEST_F(CanvasShapes, WidePenIsCentredOnTheOutline) {
  canvas.Brush()->SetStyle(bsClear);
  canvas.Pen()->SetWidth(3);
  canvas.Rectangle(2, 2, 6, 5);  // outline through columns 2 and 5, rows 2 and 4
  EXPECT_EQ(Picture(bitmap, clBlack), (Rows{"........", ".######.", ".######.", ".######.", ".######.", ".######."}));
  Fill(bitmap, clWhite);
  canvas.Pen()->SetStyle(psInsideFrame);
  canvas.Pen()->SetWidth(2);
  canvas.Rectangle(1, 0, 7, 6);
  EXPECT_EQ(Picture(bitmap, clBlack), (Rows{".######.", ".######.", ".##..##.", ".##..##.", ".######.", ".######."}));
}

TEST_F(CanvasShapes, WideLinesHaveRoundCapsAtBothEnds) {
  TBitmap b(10, 5);
  Fill(b, clWhite);
  TCanvas& c = *b.Canvas();
  c.Pen()->SetWidth(3);
  c.MoveTo(2, 2);
  c.LineTo(6, 2);
  EXPECT_EQ(Picture(b, clBlack), (Rows{"..........", ".#######..", ".#######..", ".#######..", ".........."}));
  // XOR paints each covered pixel once, however the caps overlap.
  c.Pen()->SetMode(pmXor);
  c.Pen()->SetColor(clWhite);
  c.MoveTo(2, 2);
  c.LineTo(6, 2);
  EXPECT_EQ(Picture(b, clWhite), Rows(5, "##########"));
}

TEST_F(CanvasShapes, LinesLeaveOutTheirEndPoint) {
  canvas.MoveTo(1, 1);
  canvas.LineTo(6, 1);
  canvas.LineTo(6, 4);
  canvas.LineTo(1, 1);  // diagonal back: (6,4) to (1,1) is not 45 degrees
  EXPECT_EQ(At(bitmap, 6, 1), clBlack);
  EXPECT_EQ(At(bitmap, 6, 4), clBlack);  // drawn as the start of the last line
  EXPECT_EQ(canvas.PenPos(), Point(1, 1));
  Fill(bitmap, clWhite);
  canvas.MoveTo(0, 0);
  canvas.LineTo(4, 4);
  EXPECT_EQ(Picture(bitmap, clBlack), (Rows{"#.......", ".#......", "..#.....", "...#....", "........", "........"}));
  Fill(bitmap, clWhite);
  canvas.MoveTo(7, 5);
  canvas.LineTo(3, 5);
  EXPECT_EQ(Picture(bitmap, clBlack)[5], "....####");
  // A line to its own start draws nothing.
  Fill(bitmap, clWhite);
  canvas.MoveTo(2, 2);
  canvas.LineTo(2, 2);
  EXPECT_EQ(Picture(bitmap, clWhite), Rows(6, "########"));
}

TEST_F(CanvasShapes, PolylineAndPolygon) {
  const TPoint path[] = {{0, 0}, {4, 0}, {4, 3}};
  canvas.Polyline(path);
  EXPECT_EQ(Picture(bitmap, clBlack), (Rows{"#####...", "....#...", "....#...", "........", "........", "........"}));
  Fill(bitmap, clWhite);
  const TPoint box[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
  canvas.Polygon(box);
  // The closed outline reaches every corner; the inside is brush.
  EXPECT_EQ(Picture(bitmap, clBlack), (Rows{"........", ".#####..", ".#...#..", ".#...#..", ".#####..", "........"}));
  EXPECT_EQ(Picture(bitmap, clRed), (Rows{"........", "........", "..###...", "..###...", "........", "........"}));
}

TEST_F(CanvasShapes, SmallTrianglesFillSolidAndSymmetric) {
  canvas.Brush()->SetColor(clBlack);
  const TPoint down[] = {{1, 1}, {4, 4}, {7, 1}};
  canvas.Polygon(down);
  EXPECT_EQ(Picture(bitmap, clBlack), (Rows{"........", ".#######", "..#####.", "...###..", "....#...", "........"}));
  Fill(bitmap, clWhite);
  const TPoint up[] = {{1, 4}, {4, 1}, {7, 4}};
  canvas.Polygon(up);
  EXPECT_EQ(Picture(bitmap, clBlack), (Rows{"........", "....#...", "...###..", "..#####.", ".#######", "........"}));
}

TEST_F(CanvasShapes, DottedPenAndOpaqueGaps) {
  TBitmap wide(14, 1);
  Fill(wide, clWhite);
  TCanvas& c = *wide.Canvas();
  c.Pen()->SetStyle(psDot);
  c.Brush()->SetStyle(bsClear);  // transparent background: gaps untouched
  c.MoveTo(0, 0);
  c.LineTo(14, 0);
  EXPECT_EQ(Picture(wide, clBlack)[0], "###...###...##");
  c.Brush()->SetColor(clYellow);  // a solid brush makes the background opaque
  c.MoveTo(0, 0);
  c.LineTo(14, 0);
  EXPECT_EQ(Picture(wide, clYellow)[0], "...###...###..");
}

TEST_F(CanvasShapes, PenModesCombineWithTheDestination) {
  canvas.Pen()->SetMode(pmXor);
  canvas.Pen()->SetColor(clWhite);
  canvas.MoveTo(0, 0);
  canvas.LineTo(8, 0);
  EXPECT_EQ(Picture(bitmap, clBlack)[0], "########");
  canvas.MoveTo(0, 0);
  canvas.LineTo(8, 0);
  EXPECT_EQ(Picture(bitmap, clWhite)[0], "########");
  canvas.Pen()->SetMode(pmNot);
  canvas.MoveTo(0, 1);
  canvas.LineTo(3, 1);
  EXPECT_EQ(Picture(bitmap, clBlack)[1], "###.....");
}

TEST_F(CanvasShapes, EllipseFitsItsBoxAndIsSymmetric) {
  TBitmap b(12, 10);
  Fill(b, clWhite);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetColor(clRed);
  c.Ellipse(1, 1, 11, 9);
  const Rows ink = Picture(b, clWhite);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool painted = ink[y][x] == '.';
      if (x < 1 || x >= 11 || y < 1 || y >= 9) {
        EXPECT_FALSE(painted) << x << "," << y;
      }
      EXPECT_EQ(painted, ink[9 - y][x] == '.') << "not mirrored at " << x << "," << y;  // box 1..8
      EXPECT_EQ(painted, ink[y][11 - x] == '.') << "not mirrored at " << x << "," << y;  // box 1..10
    }
  // Outline on the box's edges at the middle, brush in the centre.
  EXPECT_EQ(At(b, 1, 4), clBlack);
  EXPECT_EQ(At(b, 10, 4), clBlack);
  EXPECT_EQ(At(b, 5, 1), clBlack);
  EXPECT_EQ(At(b, 5, 8), clBlack);
  EXPECT_EQ(At(b, 5, 4), clRed);
  EXPECT_EQ(At(b, 1, 1), clWhite);
}

TEST_F(CanvasShapes, RoundRectCorners) {
  TBitmap b(9, 9);
  Fill(b, clWhite);
  TCanvas& c = *b.Canvas();
  c.Brush()->SetStyle(bsClear);
  c.RoundRect(0, 0, 8, 8, 4, 4);
  // The outline covers the rounded shape's edge pixels: corners lose one pixel.
  EXPECT_EQ(Picture(b, clBlack), (Rows{".######..", "#......#.", "#......#.", "#......#.", "#......#.",
                                       "#......#.", "#......#.", ".######..", "........."}));
}

TEST_F(CanvasShapes, ArcDrawsOnlyTheSweptPart) {
  TBitmap b(11, 11);
  Fill(b, clWhite);
  TCanvas& c = *b.Canvas();
  // Counter-clockwise from the right (3 o'clock) to the top (12 o'clock).
  c.Arc(0, 0, 11, 11, 11, 5, 5, 0);
  EXPECT_EQ(At(b, 10, 4), clBlack);
  EXPECT_EQ(At(b, 5, 0), clBlack);
  EXPECT_EQ(At(b, 8, 1), clBlack);
  EXPECT_EQ(At(b, 0, 5), clWhite);
  EXPECT_EQ(At(b, 5, 10), clWhite);
  EXPECT_EQ(At(b, 5, 5), clWhite);
}

TEST_F(CanvasShapes, PixelsReadAndWrite) {
  canvas.SetPixels(3, 2, clGreen);
  EXPECT_EQ(canvas.Pixels(3, 2), clGreen);
  EXPECT_EQ(canvas.Pixels(-1, 0), CLR_INVALID);
  EXPECT_EQ(canvas.Pixels(8, 0), CLR_INVALID);
  canvas.SetPixels(100, 100, clGreen);  // outside: ignored
  canvas.SetPixels(0, 0, clBtnFace);    // system colours are resolved
  EXPECT_EQ(canvas.Pixels(0, 0), GetSysColor(COLOR_BTNFACE));
}

TEST_F(CanvasShapes, FocusRectInvertsEveryOtherPixelAndUndoes) {
  canvas.DrawFocusRect(Rect(0, 0, 8, 6));
  EXPECT_EQ(Picture(bitmap, clBlack),
            (Rows{"#.#.#.#.", ".......#", "#.......", ".......#", "#.......", ".#.#.#.#"}));
  canvas.DrawFocusRect(Rect(0, 0, 8, 6));
  EXPECT_EQ(Picture(bitmap, clWhite), Rows(6, "########"));
}

TEST_F(CanvasShapes, DrawingWorksOn32BitBitmaps) {
  TBitmap b(4, 2, pf32bit);
  b.Canvas()->Brush()->SetColor(RGB(1, 2, 3));
  b.Canvas()->FillRect(Rect(1, 0, 3, 2));
  EXPECT_EQ(At(b, 1, 1), RGB(1, 2, 3));
  EXPECT_EQ(At(b, 0, 1), clWhite);
  b.Canvas()->Pen()->SetColor(clBlue);
  b.Canvas()->MoveTo(0, 0);
  b.Canvas()->LineTo(4, 0);
  EXPECT_EQ(At(b, 3, 0), clBlue);
}

TEST_F(CanvasShapes, ChangesAreAnnouncedByBitmapAndCanvas) {
  int bitmapChanges = 0, canvasChanges = 0;
  bitmap.OnChange = [&](TObject*) { ++bitmapChanges; };
  canvas.OnChange = [&](TObject* sender) {
    ++canvasChanges;
    EXPECT_EQ(sender, &canvas);
  };
  canvas.FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(canvasChanges, 1);
  EXPECT_EQ(bitmapChanges, 1);
}

// Shapes far larger than the bitmap cost only what is visible.
TEST_F(CanvasShapes, HugeShapesDrawTheirVisiblePartQuickly) {
  const int far = 1 << 29;
  canvas.Brush()->SetColor(clRed);
  canvas.Ellipse(-far, -far, far, far);
  EXPECT_EQ(Picture(bitmap, clRed), Rows(6, "########"));
  canvas.MoveTo(-far, 2);
  canvas.LineTo(far, 2);
  EXPECT_EQ(Picture(bitmap, clBlack)[2], "########");
  // A steep line keeps its exact pixels when only its middle is visible.
  TBitmap tall(3, 4);
  Fill(tall, clWhite);
  tall.Canvas()->MoveTo(0, -1000000);
  tall.Canvas()->LineTo(2, 1000000);  // x steps at the middle of the line
  EXPECT_EQ(Picture(tall, clBlack), (Rows{".#.", ".#.", ".#.", ".#."}));
  canvas.Pen()->SetWidth(1000);
  canvas.Pen()->SetColor(clBlue);
  canvas.MoveTo(-far, -far);
  canvas.LineTo(far, far);
  EXPECT_EQ(Picture(bitmap, clBlue), Rows(6, "########"));
  Fill(bitmap, clWhite);
  canvas.Pen()->SetWidth(1);
  canvas.Pen()->SetColor(clBlack);
  const TPoint triangle[] = {{-far, -far}, {far, -far}, {0, far}};
  canvas.Polygon(triangle);
  EXPECT_EQ(Picture(bitmap, clRed), Rows(6, "########"));
  canvas.Arc(-far, -far, far, far, far, 0, 0, -far);  // its ring lies far outside
  canvas.RoundRect(-far, -far, far, far, far, far);
  EXPECT_EQ(Picture(bitmap, clRed), Rows(6, "########"));
}
