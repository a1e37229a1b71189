// The bitmap-shaped window: its region, size, painting and dragging.

#include <gtest/gtest.h>

#include <memory>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Region.h"
#include "platform/win/WinApi.h"
#include "skin-recorder/ZELSkinForm.h"
#include "tests/platform/framework/FormTestSupport.h"

namespace {

constexpr TColor kMagenta = 0xFF00FF;

// A glyph of one colour with its four corner pixels cut away, as the
// recorder's windows build them from corner pictures.
std::unique_ptr<TBitmap> SolidGlyph(int width, int height, TColor colour) {
  auto glyph = std::make_unique<TBitmap>(width, height);
  glyph->Canvas()->Brush()->SetColor(colour);
  glyph->Canvas()->FillRect({0, 0, width, height});
  return glyph;
}

std::unique_ptr<TBitmap> RoundedGlyph(int width, int height, TColor colour) {
  auto glyph = SolidGlyph(width, height, colour);
  for (TPoint corner : {TPoint{0, 0}, TPoint{width - 2, 0}, TPoint{0, height - 1}, TPoint{width - 2, height - 1}})
    glyph->Canvas()->SetPixels(corner.X, corner.Y, kMagenta);
  return glyph;
}

class SkinForm : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(300, 200);
    form->SetBorderStyle(bsSizeable);
    skin = new TzelSkinForm(form);
    skin->SetParent(form);
    skin->OnRegionChanged = [this](TObject*) { ++regionChanges; };
    skin->OnPaint = [this](TObject*) { ++paints; };
  }

  // The window's region; empty when the window has none.
  TRgn WindowRegion() {
    TRgn region;
    GetWindowRgn(form->Handle(), &region);
    return region;
  }

  TColor ScreenPixel(int x, int y) {
    form->Repaint();
    HeadlessPumpUntilIdle();
    return GetWindowDC(form->Handle())->Pixels(x, y);
  }

  TForm* form = nullptr;
  TzelSkinForm* skin = nullptr;
  int regionChanges = 0;
  int paints = 0;
};

}  // namespace

TEST_F(SkinForm, OpaqueGlyphShapesTheWholeWindowButItsLastColumn) {
  EXPECT_EQ(form->BorderStyle(), bsNone);  // taken away on creation
  auto glyph = SolidGlyph(10, 10, clRed);
  skin->SetGlyph(glyph.get());
  EXPECT_EQ(form->ClientWidth(), 10);
  EXPECT_EQ(form->ClientHeight(), 10);
  EXPECT_EQ(skin->BoundsRect(), Rect(0, 0, 10, 10));
  const TRgn region = WindowRegion();
  EXPECT_EQ(region.BoundingBox(), Rect(0, 0, 9, 10));
  EXPECT_EQ(regionChanges, 1);
}

TEST_F(SkinForm, TransparentPixelsAreCutAway) {
  auto rounded = RoundedGlyph(20, 8, clBlue);
  skin->SetGlyph(rounded.get());
  TRgn region = WindowRegion();
  EXPECT_FALSE(region.Contains(0, 0));
  EXPECT_TRUE(region.Contains(1, 0));
  EXPECT_TRUE(region.Contains(17, 0));
  EXPECT_FALSE(region.Contains(18, 0));
  EXPECT_TRUE(region.Contains(0, 4));
  EXPECT_TRUE(region.Contains(18, 4));
  EXPECT_FALSE(region.Contains(0, 7));
  // One rectangle per row at most, as the rows hold one run each.
  EXPECT_LE(region.Rects().size(), 8u);

  auto allTransparent = SolidGlyph(12, 6, kMagenta);
  skin->SetGlyph(allTransparent.get());
  EXPECT_TRUE(WindowRegion().Empty()) << "nothing of the window remains";
  EXPECT_EQ(form->ClientWidth(), 12);

  // Another transparent colour reshapes at once.
  auto blue = SolidGlyph(12, 6, clBlue);
  skin->SetGlyph(blue.get());
  EXPECT_FALSE(WindowRegion().Empty());
  skin->SetTransparentColor(clBlue);
  EXPECT_TRUE(WindowRegion().Empty());
}

TEST_F(SkinForm, EveryAssignmentReshapesAndTheGlyphIsACopy) {
  auto glyph = SolidGlyph(30, 20, clRed);
  skin->SetGlyph(glyph.get());
  skin->SetGlyph(glyph.get());
  EXPECT_EQ(regionChanges, 2);
  glyph->SetSize(5, 5);
  EXPECT_EQ(skin->Glyph()->Width(), 30);

  TBitmap empty;
  skin->SetGlyph(&empty);  // nothing to shape: size and region stay
  EXPECT_EQ(regionChanges, 2);
  EXPECT_EQ(WindowRegion().BoundingBox(), Rect(0, 0, 29, 20));
}

TEST_F(SkinForm, PaintsTheGlyphOrAFrameWithoutOne) {
  skin->SetBounds(0, 0, 40, 30);
  form->SetColor(clWhite);
  EXPECT_EQ(ScreenPixel(0, 0), clBlack);
  EXPECT_EQ(ScreenPixel(39, 29), clBlack);
  EXPECT_EQ(ScreenPixel(5, 5), clWhite);
  EXPECT_GT(paints, 0);

  auto glyph = RoundedGlyph(40, 30, clLime);
  glyph->Canvas()->SetPixels(20, 10, clRed);
  skin->SetGlyph(glyph.get());
  EXPECT_EQ(ScreenPixel(5, 5), clLime);
  EXPECT_EQ(ScreenPixel(20, 10), clRed);
}

TEST_F(SkinForm, PressAnywhereDragsTheWindow) {
  auto glyph = SolidGlyph(60, 40, clRed);
  skin->SetGlyph(glyph.get());
  HeadlessPumpUntilIdle();
  int presses = 0;
  skin->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++presses; };
  const TRect before = form->BoundsRect();
  const TPoint start = ScreenPointOf(skin, 30, 20);
  HeadlessMouseMove(start);
  HeadlessMouseDown();
  HeadlessMouseMove({start.X + 15, start.Y + 25});
  HeadlessMouseUp();
  HeadlessPumpUntilIdle();
  EXPECT_EQ(presses, 1);
  EXPECT_EQ(form->Left(), before.Left + 15);
  EXPECT_EQ(form->Top(), before.Top + 25);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinForm, AtDesignTimeTheFormKeepsItsBorderAndShape) {
  TForm* designed = nullptr;
  Application->CreateForm(designed);
  designed->SetBorderStyle(bsSingle);
  designed->SetDesigning(true);
  TzelSkinForm skinned(designed);
  EXPECT_EQ(designed->BorderStyle(), bsSingle);
  auto glyph = SolidGlyph(10, 10, clRed);
  skinned.SetGlyph(glyph.get());
  TRgn region;
  EXPECT_EQ(GetWindowRgn(designed->Handle(), &region), ERROR);
  EXPECT_EQ(designed->ClientWidth(), 10);
}

TEST_F(SkinForm, WithoutAFormItOnlySizesItself) {
  TzelSkinForm loose(nullptr);
  auto glyph = SolidGlyph(10, 7, clRed);
  loose.SetGlyph(glyph.get());
  EXPECT_EQ(loose.OwnerForm(), nullptr);
  EXPECT_EQ(loose.BoundsRect(), Rect(0, 0, 10, 7));
}
