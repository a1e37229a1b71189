#pragma once
// Test signals and a form to place the display controls on.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "platform/audio/AudioTypes.h"
#include "tests/platform/framework/FormTestSupport.h"

// A sine of `frames` frames; channels not in channelMask (bit 0 left,
// bit 1 right) stay silent.
inline TSampleBlock Sine(int frames, int channels, double hz, int sampleRate, double amplitude,
                         unsigned channelMask = ~0u) {
  TSampleBlock block(static_cast<std::size_t>(frames) * channels, 0);
  for (int i = 0; i < frames; ++i) {
    const auto value = static_cast<std::int16_t>(
        std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hz * i / sampleRate)));
    for (int c = 0; c < channels; ++c)
      if (channelMask & (1u << c)) block[static_cast<std::size_t>(i) * channels + c] = value;
  }
  return block;
}

inline TSampleBlock Silence(int frames, int channels) {
  return TSampleBlock(static_cast<std::size_t>(frames) * channels, 0);
}

// A shown form with the control placed on it at (10, 10); pixels are read
// from what the display shows, in the control's own coordinates.
class DisplayFormTest : public HeadlessFormsTest {
 protected:
  void SetUp() override {
    HeadlessFormsTest::SetUp();
    form = ShownForm(400, 300);
    form->SetColor(clBlue);
  }

  template <class TDisplay>
  TDisplay* Place(int width, int height) {
    auto* control = new TDisplay(form);
    control->SetBounds(10, 10, width, height);
    control->SetParent(form);
    HeadlessPumpUntilIdle();
    return control;
  }

  TColor PixelAt(TControl* control, int x, int y) {
    HeadlessPumpUntilIdle();
    return ShownPixel(HeadlessPresentedSurface(form->Handle()), control, x, y);
  }

  // How many pixels of the rectangle (control coordinates) are not `color`.
  int PixelsOtherThan(TControl* control, const TRect& rect, TColor color) {
    HeadlessPumpUntilIdle();
    const TBitmap* surface = HeadlessPresentedSurface(form->Handle());
    int count = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
      for (int x = rect.Left; x < rect.Right; ++x)
        if (ShownPixel(surface, control, x, y) != color) ++count;
    return count;
  }

  int PixelsOf(TControl* control, const TRect& rect, TColor color) {
    return rect.Width() * rect.Height() - PixelsOtherThan(control, rect, color);
  }

  static TColor ShownPixel(const TBitmap* surface, TControl* control, int x, int y) {
    x += control->Left();
    y += control->Top();
    if (!surface || y < 0 || y >= surface->Height() || x < 0 || x >= surface->Width()) return CLR_INVALID;
    const std::uint8_t* p = surface->ScanLine(y) + x * surface->BytesPerPixel();
    return RGB(p[2], p[1], p[0]);
  }

  TForm* form = nullptr;
};
