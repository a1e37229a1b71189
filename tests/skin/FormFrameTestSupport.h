#pragma once
// A shown form dressed by a skinned frame, on the headless window system
// with the program's theme bitmaps, and what the screen shows of it.

#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "resources/Resources.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELForm.h"
#include "tests/platform/framework/FormTestSupport.h"

class FormFrameTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    Application->CreateForm(form);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 400, 260);
    frame = new TzelForm(form);
    form->Show();
    HeadlessPumpUntilIdle();
  }
  void TearDown() override {
    HeadlessFormsTest::TearDown();
    SetSkinFlavour(zelCurrentBuild);
  }

  // A pixel of the window (window coordinates) as the screen shows it.
  TColor Shown(int x, int y) {
    HeadlessPumpUntilIdle();
    TBitmap surface;
    surface.Assign(HeadlessPresentedSurface(form->Handle()));
    return surface.Canvas()->Pixels(x, y);
  }

  // Whether any shown pixel inside the window's region has the colour.
  bool ShowsColor(TColor color) {
    HeadlessPumpUntilIdle();
    TBitmap surface;
    surface.Assign(HeadlessPresentedSurface(form->Handle()));
    const TRgn region = Region();
    for (int y = 0; y < surface.Height(); ++y)
      for (int x = 0; x < surface.Width(); ++x)
        if (region.Contains(x, y) && surface.Canvas()->Pixels(x, y) == color) return true;
    return false;
  }

  TRgn Region() {
    TRgn region;
    if (GetWindowRgn(form->Handle(), &region) == ERROR) return TRgn(Rect(0, 0, form->Width(), form->Height()));
    return region;
  }

  // The client area in window coordinates.
  TRect ClientInWindow() {
    const TPoint origin = form->ClientToScreen({0, 0});
    return Bounds(origin.X - form->Left(), origin.Y - form->Top(), form->ClientWidth(), form->ClientHeight());
  }

  TForm* form = nullptr;
  TzelForm* frame = nullptr;
};
