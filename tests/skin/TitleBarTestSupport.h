#pragma once
// A form with a skinned title bar across its top, on the headless window
// system with the program's theme bitmaps.

#include "platform/framework/Forms.h"
#include "platform/gfx/Bitmap.h"
#include "resources/Resources.h"
#include "skin/ZELTitleBar.h"
#include "tests/platform/framework/FormTestSupport.h"

class TitleBarTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    RegisterSkinResources();
    form = ShownForm(400, 200);
    bar = NewBar(form, DeepBlue);
  }

  static TzelTitleBar* NewBar(TForm* on, TzelUIStyle look) {
    auto* titleBar = new TzelTitleBar(on);
    titleBar->SetParent(on);
    titleBar->SetAlign(alTop);
    titleBar->SetUIStyle(look);
    HeadlessPumpUntilIdle();
    return titleBar;
  }

  // The bar as the screen shows it.
  TColor Pixel(int x, int y) const {
    bar->Repaint();
    HeadlessPumpUntilIdle();
    return GetWindowDC(bar->Handle())->Pixels(x, y);
  }

  TPoint ScreenCentre(const TRect& rect) const {
    return bar->ClientToScreen({(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2});
  }

  // Clicks far enough apart never make a double click.
  void ClickButton(int index) {
    HeadlessAdvanceClock(1000);
    HeadlessClick(ScreenCentre(bar->ButtonRect(index)));
  }

  int IndexOfType(TzelTitleBarBtnType type) const {
    for (int i = 0; i < bar->Buttons()->Count(); ++i)
      if (bar->Buttons()->Items(i)->ButtonType() == type) return i;
    return -1;
  }

  TForm* form = nullptr;
  TzelTitleBar* bar = nullptr;
};

// Whether two pictures hold the same pixels.
inline bool SamePixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (const_cast<TBitmap&>(a).Canvas()->Pixels(x, y) != const_cast<TBitmap&>(b).Canvas()->Pixels(x, y))
        return false;
  return true;
}
