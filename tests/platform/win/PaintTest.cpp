// Invalidation, WM_PAINT order and clipping, erasing, regions on windows.

#include "WinTestSupport.h"
#include "platform/gfx/Canvas.h"

namespace {

class PaintTest : public WinTest {
 protected:
  // Paints its client in one colour.
  void PaintWith(HWND w, TColor color) {
    Handle(w, WM_PAINT, [color](HWND h, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      dc->Brush()->SetColor(color);
      dc->FillRect(Rect(0, 0, 1000, 1000));
      EndPaint(h, &ps);
      return 0;
    });
  }
  std::vector<HWND> PaintOrder() const {
    std::vector<HWND> order;
    for (const auto& m : Logged(WM_PAINT)) order.push_back(m.hwnd);
    return order;
  }
};

TEST_F(PaintTest, ShownWindowsPaintParentsBeforeChildrenAndShowThePixels) {
  HWND top = CreateTop(Bounds(0, 0, 100, 80), WS_POPUP | WS_VISIBLE);
  HWND child = CreateChild(top, Bounds(10, 10, 30, 20));
  PaintWith(top, 0x0000FF);
  PaintWith(child, 0x00FF00);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(PaintOrder(), (std::vector<HWND>{top, child}));
  const TBitmap* shown = HeadlessPresentedSurface(top);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(PixelOf(*shown, 5, 5), 0x0000FFu);
  EXPECT_EQ(PixelOf(*shown, 15, 15), 0x00FF00u);
  EXPECT_EQ(PixelOf(*shown, 40, 30), 0x0000FFu) << "the child ends at its right and bottom edges";

  ClearLog();
  HeadlessPumpUntilIdle();
  EXPECT_TRUE(PaintOrder().empty()) << "nothing is painted twice";
}

TEST_F(PaintTest, InvalidationReachesChildrenUnlessTheParentClipsThem) {
  HWND top = CreateTop(Bounds(0, 0, 100, 80), WS_POPUP | WS_VISIBLE);
  HWND child = CreateChild(top, Bounds(10, 10, 30, 20));
  HeadlessPumpUntilIdle();
  ClearLog();
  TRect area = Rect(0, 0, 20, 20);
  InvalidateRect(top, &area, true);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(PaintOrder(), (std::vector<HWND>{top, child}));

  SetWindowLong(top, GWL_STYLE, GetWindowLong(top, GWL_STYLE) | WS_CLIPCHILDREN);
  ClearLog();
  InvalidateRect(top, &area, true);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(PaintOrder(), (std::vector<HWND>{top}));
}

TEST_F(PaintTest, BeginPaintErasesAndClipsToTheUpdateRegion) {
  HWND top = CreateTop(Bounds(0, 0, 100, 80), WS_POPUP | WS_VISIBLE);
  HeadlessPumpUntilIdle();
  PaintWith(top, 0x0000FF);
  TRect area = Rect(10, 10, 20, 20);
  InvalidateRect(top, &area, false);
  ClearLog();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(Count(top, WM_ERASEBKGND), 0) << "no erase was asked for";
  const TBitmap* shown = HeadlessPresentedSurface(top);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(PixelOf(*shown, 15, 15), 0x0000FFu);
  EXPECT_EQ(PixelOf(*shown, 25, 25), 0xFFFFFFu) << "outside the update region the erased white stays";

  InvalidateRect(top, nullptr, true);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(Count(top, WM_ERASEBKGND), 1);
}

TEST_F(PaintTest, AProcedureThatNeverValidatesIsNotAskedForever) {
  HWND top = CreateTop(Bounds(0, 0, 50, 50), WS_POPUP | WS_VISIBLE);
  Handle(top, WM_PAINT, [](HWND, UINT, WPARAM, LPARAM) -> std::optional<LRESULT> { return 0; });
  HeadlessPumpUntilIdle();
  EXPECT_EQ(Count(top, WM_PAINT), 1);
}

TEST_F(PaintTest, UpdateWindowPaintsAtOnceAndMovingAChildRepaintsWhatItUncovered) {
  HWND top = CreateTop(Bounds(0, 0, 100, 80), WS_POPUP | WS_VISIBLE);
  HWND child = CreateChild(top, Bounds(10, 10, 30, 20));
  PaintWith(top, 0x0000FF);
  PaintWith(child, 0x00FF00);
  HeadlessPumpUntilIdle();
  InvalidateRect(child, nullptr, false);
  ClearLog();
  UpdateWindow(child);
  EXPECT_EQ(PaintOrder(), (std::vector<HWND>{child}));

  MoveWindow(child, 50, 10, 30, 20, true);
  HeadlessPumpUntilIdle();
  const TBitmap* shown = HeadlessPresentedSurface(top);
  EXPECT_EQ(PixelOf(*shown, 15, 15), 0x0000FFu) << "the old place shows the parent again";
  EXPECT_EQ(PixelOf(*shown, 55, 15), 0x00FF00u);
}

TEST_F(PaintTest, RedrawWindowRepaintsTheFrameAndPaintsChildrenAtOnce) {
  HWND top = CreateTop(Bounds(0, 0, 100, 80), WS_POPUP | WS_VISIBLE | WS_THICKFRAME | WS_CLIPCHILDREN);
  HWND child = CreateChild(top, Bounds(10, 10, 30, 20));
  HeadlessPumpUntilIdle();
  ClearLog();
  RedrawWindow(top, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  HeadlessPumpUntilIdle();
  EXPECT_EQ(Count(top, WM_NCPAINT), 1);
  EXPECT_EQ(Count(child, WM_PAINT), 0) << "a clipping parent leaves its children alone";

  ClearLog();
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(PaintOrder(), (std::vector<HWND>{top, child})) << "painted before returning";
}

TEST_F(PaintTest, WindowRegionShapesTheNativeWindowAndTheHitTest) {
  HWND top = CreateTop(Bounds(100, 100, 10, 10), WS_POPUP | WS_VISIBLE);
  HRGN shape = CreateRectRgn(0, 0, 9, 10);  // the last column cut away
  SetWindowRgn(top, shape, true);
  TRgn native;
  ASSERT_TRUE(HeadlessNativeMask(top, &native));
  EXPECT_EQ(native.BoundingBox(), Rect(0, 0, 9, 10));

  TRgn copy;
  EXPECT_EQ(GetWindowRgn(top, &copy), SIMPLEREGION);
  EXPECT_EQ(copy, native);
  SetWindowRgn(top, shape, true);  // the same region again changes nothing
  EXPECT_EQ(GetWindowRgn(top, &copy), SIMPLEREGION);

  EXPECT_EQ(WindowFromPoint({108, 105}), top);
  EXPECT_EQ(WindowFromPoint({109, 105}), nullptr) << "the cut column is not part of the window";
  HeadlessClick({109, 105});
  EXPECT_EQ(Count(top, WM_LBUTTONDOWN), 0);

  HRGN none = CreateRectRgn(0, 0, 0, 0);
  SetWindowRgn(top, none, true);
  EXPECT_EQ(WindowFromPoint({105, 105}), nullptr) << "an empty region leaves nothing";
  SetWindowRgn(top, nullptr, true);
  EXPECT_FALSE(HeadlessNativeMask(top, nullptr));
  EXPECT_EQ(GetWindowRgn(top, &copy), ERROR);
}

}  // namespace
