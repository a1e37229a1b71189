// Text on the canvas, drawn by the font engine.

#include "platform/gfx/Canvas.h"
#include "platform/gfx/FontEngine.h"
#include "platform/gfx/PixelOps.h"

void TCanvas::TextOut(int x, int y, std::string_view text) {
  if (!target_) return;
  const TSize extent = MeasureText(font_, text);
  const TPoint at = LogicalToBitmap({x, y});
  if (state_.bkMode == OPAQUE) {
    detail::SpanPainter painter(*target_, BitmapClip());
    const std::uint32_t background = detail::ToPixel(state_.bkColor);
    for (int row = at.Y; row < at.Y + extent.cy; ++row)
      painter.Span(row, at.X, at.X + extent.cx, background, pmCopy);
  }
  TFont inTextColour;
  inTextColour.Assign(font_);
  inTextColour.SetColor(state_.textColor);
  const bool antialias = textAntialias_ && font_.Quality() != fqNonAntialiased;
  RenderText(*target_, at.X, at.Y, inTextColour, text, &BitmapClip(), antialias);
  state_.penPos = {x + extent.cx, y};
  Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
  SaveDC();
  IntersectClipRect(rect);
  const bool opaque = brush_.Style() == bsSolid;
  if (opaque) FillRect(rect);
  SetBkMode(TRANSPARENT);
  TextOut(x, y, text);
  RestoreDC(-1);
}

TSize TCanvas::TextExtent(std::string_view text) const { return MeasureText(font_, text); }
