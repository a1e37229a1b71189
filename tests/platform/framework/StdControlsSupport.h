#pragma once
// Helpers for the tests of the standard controls: placing a control on a
// shown form and reading the pixels the form presents.

#include <cstdint>

#include "FormTestSupport.h"

class StdControlsTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(400, 300);
  }

  template <class T>
  T* Place(int left, int top, int width, int height) {
    auto* control = new T(form);
    control->SetBounds(left, top, width, height);
    control->SetParent(form);
    HeadlessPumpUntilIdle();
    return control;
  }

  void ClickAt(TControl* control, int x, int y) { HeadlessClick(ScreenPointOf(control, x, y)); }

  // The colour the form shows at a point of a control's client area.
  TColor PixelOf(TControl* control, int x, int y) {
    HeadlessPumpUntilIdle();
    TPoint p = control->ClientToScreen({x, y});
    TRect window;
    GetWindowRect(form->Handle(), &window);
    const TBitmap* surface = HeadlessPresentedSurface(form->Handle());
    const std::uint8_t* px = surface->ScanLine(p.Y - window.Top) + (p.X - window.Left) * surface->BytesPerPixel();
    return static_cast<TColor>(px[2] | (px[1] << 8) | (px[0] << 16));
  }

  TForm* form = nullptr;
};
