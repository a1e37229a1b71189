// Colour values and two-colour gradients.

#include "platform/gfx/Canvas.h"
#include "skin/ZELPublic.h"

namespace {

// numerator / denominator (denominator > 0) rounded to the nearest whole
// number, halves to even. Done in integers: a blend through doubles lands
// a hair off exact halves such as 253 / 14 x 7 and rounds the wrong way.
int RoundedQuotient(int numerator, int denominator) {
  int quotient = numerator / denominator, remainder = numerator % denominator;
  if (remainder < 0) {
    --quotient;
    remainder += denominator;
  }
  if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) ++quotient;
  return quotient;
}

// Channel by channel: from + (to - from) / length x step, rounded.
TColor Blend(TColor from, TColor to, int length, int step) {
  auto channel = [&](BYTE a, BYTE b) { return a + RoundedQuotient((b - a) * step, length); };
  return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
             channel(GetBValue(from), GetBValue(to)));
}

void FillWith(TCanvas& canvas, const TRect& rect, TColor color) {
  TBrush brush;
  brush.SetColor(color);
  FillRect(canvas.Handle(), rect, &brush);
}

}  // namespace

TColor MakeColor(BYTE r, BYTE g, BYTE b) { return r + g * 256u + b * 65536u; }

void SplitColor(TColor color, BYTE& r, BYTE& g, BYTE& b) {
  const TColor rgb = ColorToRGB(color);
  r = GetRValue(rgb);
  g = GetGValue(rgb);
  b = GetBValue(rgb);
}

void GradientFillV(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor) {
  const int height = rect.Height();
  if (height <= 0) return;
  const TColor from = ColorToRGB(fromColor), to = ColorToRGB(toColor);
  FillWith(canvas, {rect.Left, rect.Top, rect.Right, rect.Top + 1}, from);
  for (int y = rect.Top + 1; y <= rect.Bottom - 2; ++y)
    FillWith(canvas, {rect.Left, y, rect.Right, y + 1}, Blend(from, to, height, y - rect.Top - 1));
  FillWith(canvas, {rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, to);
}

void GradientFillH(TCanvas& canvas, const TRect& rect, TColor fromColor, TColor toColor) {
  const int width = rect.Width();
  if (width <= 0) return;
  const TColor from = ColorToRGB(fromColor), to = ColorToRGB(toColor);
  FillWith(canvas, {rect.Left, rect.Top, rect.Left + 1, rect.Bottom}, from);
  for (int x = rect.Left + 1; x <= rect.Right - 2; ++x)
    FillWith(canvas, {x, rect.Top, x + 1, rect.Bottom}, Blend(from, to, width, x - rect.Left));
  FillWith(canvas, {rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, to);
}
