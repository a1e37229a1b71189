// Pixels, lines and filled shapes of the canvas.

#include <cmath>
#include <numbers>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/PenStroke.h"
#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Scanline.h"

using detail::PenStroke;
using detail::SpanPainter;
using detail::ToPixel;

namespace {

TRect Normalized(int x1, int y1, int x2, int y2) {
  const TRect r{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
  return detail::Shifted(r, {0, 0});
}

// The part of a rounded shape inside visible (ellipses are rounded shapes
// whose corners are the whole box).
TRgn ShapeRegion(const TRect& box, int cornerWidth, int cornerHeight, const TRect& visible) {
  TRgnBuilder builder;
  detail::RoundRectSpans(box, cornerWidth, cornerHeight, visible.Top, visible.Bottom, [&](int y, int l, int r) {
    builder.AddSpan(y, std::max(l, visible.Left), std::min(r, visible.Right));
  });
  return builder.Build();
}

void PaintRegion(SpanPainter& painter, const TRgn& region, std::uint32_t pixel, int mode) {
  for (const TRect& r : region.Rects())
    for (int y = r.Top; y < r.Bottom; ++y) painter.Span(y, r.Left, r.Right, pixel, mode);
}

// Everything a shape needs: the painter over the target, the logical to
// bitmap offset and the pen and brush as pixels.
struct ShapeContext {
  SpanPainter painter;
  TPoint offset;
  detail::PenSettings pen;
  bool hasPen;
  bool hasBrush;
  std::uint32_t brush;
};

ShapeContext MakeContext(TCanvas& canvas) {
  TPen& pen = *canvas.Pen();
  TBrush& brush = *canvas.Brush();
  detail::PenSettings settings;
  settings.pixel = ToPixel(ColorToRGB(pen.Color()));
  settings.background = ToPixel(canvas.BkColor());
  settings.opaqueGaps = canvas.BkMode() == OPAQUE;
  settings.mode = pen.Mode();
  settings.width = pen.Width();
  settings.style = pen.Style();
  return {SpanPainter(*canvas.Target(), canvas.BitmapClip()), canvas.LogicalToBitmap({0, 0}), settings,
          pen.Style() != psClear, brush.Style() == bsSolid, ToPixel(ColorToRGB(brush.Color()))};
}

}  // namespace

TColor TCanvas::Pixels(int x, int y) const {
  if (!target_) return CLR_INVALID;
  const TPoint p = LogicalToBitmap({x, y});
  if (!BitmapClip().Contains(p.X, p.Y)) return CLR_INVALID;
  return detail::FromPixel(detail::ReadPixel(target_->ScanLine(p.Y) + p.X * target_->BytesPerPixel()));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  if (!target_) return;
  const TPoint p = LogicalToBitmap({x, y});
  SpanPainter(*target_, BitmapClip()).Span(p.Y, p.X, p.X + 1, ToPixel(ColorToRGB(color)), pmCopy);
  Changed();
}

void TCanvas::MoveTo(int x, int y) { state_.penPos = {x, y}; }

void TCanvas::LineTo(int x, int y) {
  const TPoint from = state_.penPos;
  state_.penPos = {x, y};
  Polyline(std::array<TPoint, 2>{from, TPoint{x, y}});
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (!target_ || pen_.Style() == psClear || points.size() < 2) return;
  auto ctx = MakeContext(*this);
  {
    PenStroke stroke(ctx.painter, ctx.pen);
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
      stroke.Line(detail::Shifted(points[i], ctx.offset), detail::Shifted(points[i + 1], ctx.offset));
  }
  Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (!target_ || points.size() < 2) return;
  auto ctx = MakeContext(*this);
  std::vector<TPoint> shifted(points.begin(), points.end());
  for (TPoint& p : shifted) p = detail::Shifted(p, ctx.offset);
  if (ctx.hasBrush) {
    TRgnBuilder inside;
    const TRect visible = ctx.painter.Bounds();
    // The fill takes the pixels whose top-left corner lies inside, as the
    // outline's pixels start at the corners too; sampling at pixel centres
    // leaves one-pixel gaps between fill and outline on sloping edges.
    std::vector<detail::PointF> corners;
    corners.reserve(shifted.size());
    for (const TPoint& p : shifted) corners.push_back({p.X + 0.5, p.Y + 0.5});
    detail::PolygonSpans(corners, ALTERNATE, visible.Top, visible.Bottom, [&](int y, int l, int r) {
      inside.AddSpan(y, std::max(l, visible.Left), std::min(r, visible.Right));
    });
    PaintRegion(ctx.painter, inside.Build(), ctx.brush, ctx.pen.mode);
  }
  if (ctx.hasPen) {
    PenStroke stroke(ctx.painter, ctx.pen);
    for (std::size_t i = 0; i < shifted.size(); ++i) stroke.Line(shifted[i], shifted[(i + 1) % shifted.size()]);
  }
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (!target_) return;
  TRect box = Normalized(x1, y1, x2, y2);
  auto ctx = MakeContext(*this);
  box = detail::Shifted(box, ctx.offset);
  if (!ctx.hasPen) {  // without a pen the shape loses its right and bottom line
    if (ctx.hasBrush) PaintRegion(ctx.painter, TRgn({box.Left, box.Top, box.Right - 1, box.Bottom - 1}), ctx.brush, ctx.pen.mode);
    Changed();
    return;
  }
  if (box.IsEmpty()) return;
  const int w = ctx.pen.width;
  if (ctx.hasBrush) {
    TRect inner = box;
    if (pen_.Style() == psInsideFrame) InflateRect(inner, -w, -w);
    else InflateRect(inner, -1, -1);
    PaintRegion(ctx.painter, TRgn(inner), ctx.brush, ctx.pen.mode);
  }
  if (w == 1 && pen_.Style() != psSolid && pen_.Style() != psInsideFrame) {
    PenStroke stroke(ctx.painter, ctx.pen);
    const TPoint corners[] = {{box.Left, box.Top}, {box.Right - 1, box.Top}, {box.Right - 1, box.Bottom - 1},
                              {box.Left, box.Bottom - 1}};
    for (int i = 0; i < 4; ++i) stroke.Line(corners[i], corners[(i + 1) % 4]);
  } else {
    // The pen is centred on the outline through the outermost pixels, or
    // lies wholly inside for an inside-frame pen.
    TRect outer = box;
    if (pen_.Style() != psInsideFrame) outer = {box.Left - w / 2, box.Top - w / 2, box.Right - 1 - w / 2 + w,
                                                box.Bottom - 1 - w / 2 + w};
    TRect hole = outer;
    InflateRect(hole, -w, -w);
    PaintRegion(ctx.painter, RgnSubtract(TRgn(outer), TRgn(hole)), ctx.pen.pixel, ctx.pen.mode);
  }
  Changed();
}

namespace {

// Ellipses and rounded rectangles: the pen covers the shape's pixels that
// the shape shrunk by the pen width leaves out; the brush fills the rest.
void RoundedShape(TCanvas& canvas, TRect box, int cornerWidth, int cornerHeight, bool wholeEllipse) {
  auto ctx = MakeContext(canvas);
  box = detail::Shifted(box, ctx.offset);
  if (!ctx.hasPen) {
    box.Right -= 1;
    box.Bottom -= 1;
    if (wholeEllipse) cornerWidth = box.Width(), cornerHeight = box.Height();
    if (ctx.hasBrush)
      PaintRegion(ctx.painter, ShapeRegion(box, cornerWidth, cornerHeight, ctx.painter.Bounds()), ctx.brush,
                  ctx.pen.mode);
    return;
  }
  const int w = ctx.pen.width;
  if (w > 1 && canvas.Pen()->Style() != psInsideFrame) {
    // A wide pen is centred on the outline, so it reaches outside the box.
    box = {box.Left - w / 2, box.Top - w / 2, box.Right + (w - 1) / 2, box.Bottom + (w - 1) / 2};
    cornerWidth += w - 1;
    cornerHeight += w - 1;
  }
  if (wholeEllipse) cornerWidth = box.Width(), cornerHeight = box.Height();
  const TRect visible = ctx.painter.Bounds();
  const TRgn outer = ShapeRegion(box, cornerWidth, cornerHeight, visible);
  TRect innerBox = box;
  InflateRect(innerBox, -w, -w);
  const TRgn inner =
      innerBox.IsEmpty() ? TRgn() : ShapeRegion(innerBox, cornerWidth - 2 * w, cornerHeight - 2 * w, visible);
  if (ctx.hasBrush) PaintRegion(ctx.painter, inner, ctx.brush, ctx.pen.mode);
  PaintRegion(ctx.painter, RgnSubtract(outer, inner), ctx.pen.pixel, ctx.pen.mode);
}

}  // namespace

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (!target_) return;
  const TRect box = Normalized(x1, y1, x2, y2);
  RoundedShape(*this, box, box.Width(), box.Height(), true);
  Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight) {
  if (!target_) return;
  RoundedShape(*this, Normalized(x1, y1, x2, y2), ellipseWidth, ellipseHeight, false);
  Changed();
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  if (!target_ || pen_.Style() == psClear) return;
  auto ctx = MakeContext(*this);
  TRect box = Normalized(x1, y1, x2, y2);
  const double cx = (box.Left + box.Right) / 2.0, cy = (box.Top + box.Bottom) / 2.0;
  // Angles grow counter-clockwise on the screen, where y grows downwards.
  auto angleOf = [&](double x, double y) { return std::atan2(cy - y, x - cx); };
  const double twoPi = 2 * std::numbers::pi;
  const double start = angleOf(x3, y3);
  double sweep = std::fmod(angleOf(x4, y4) - start + 2 * twoPi, twoPi);
  if (sweep == 0) sweep = twoPi;
  const int w = ctx.pen.width;
  TRect visible = ctx.painter.Bounds();  // in logical coordinates below
  OffsetRect(visible, -ctx.offset.X, -ctx.offset.Y);
  const TRgn outer = ShapeRegion(box, box.Width(), box.Height(), visible);
  TRect innerBox = box;
  InflateRect(innerBox, -w, -w);
  const TRgn ring = RgnSubtract(
      outer, innerBox.IsEmpty() ? TRgn() : ShapeRegion(innerBox, innerBox.Width(), innerBox.Height(), visible));
  TRgnBuilder swept;
  for (const TRect& r : ring.Rects())
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (std::fmod(angleOf(x + 0.5, y + 0.5) - start + 2 * twoPi, twoPi) <= sweep)
          swept.AddSpan(y + ctx.offset.Y, x + ctx.offset.X, x + ctx.offset.X + 1);
  PaintRegion(ctx.painter, swept.Build(), ctx.pen.pixel, ctx.pen.mode);
  Changed();
}

void TCanvas::FillRect(const TRect& rect) {
  if (!target_ || brush_.Style() == bsClear) return;
  const TRect box = detail::Shifted(rect, LogicalToBitmap({0, 0}));
  const std::uint32_t pixel = ToPixel(ColorToRGB(brush_.Color()));
  const int bpp = target_->BytesPerPixel();
  for (const TRect& clip : BitmapClip().Rects()) {
    TRect part;
    if (!IntersectRect(part, box, clip)) continue;
    // One row is filled; the others are copies of it.
    detail::FillRow(*target_, part.Top, part.Left, part.Right, pixel);
    const std::uint8_t* first = target_->ScanLine(part.Top) + part.Left * bpp;
    const std::size_t bytes = static_cast<std::size_t>(part.Width()) * bpp;
    for (int y = part.Top + 1; y < part.Bottom; ++y)
      std::memcpy(target_->ScanLine(y) + part.Left * bpp, first, bytes);
  }
  Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
  if (!target_ || brush_.Style() == bsClear || rect.IsEmpty()) return;
  const TRect box = detail::Shifted(rect, LogicalToBitmap({0, 0}));
  TRect hole = box;
  InflateRect(hole, -1, -1);
  SpanPainter painter(*target_, BitmapClip());
  PaintRegion(painter, RgnSubtract(TRgn(box), TRgn(hole)), ToPixel(ColorToRGB(brush_.Color())), pmCopy);
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  if (!target_ || rect.IsEmpty()) return;
  const TRect box = detail::Shifted(rect, LogicalToBitmap({0, 0}));
  TRect hole = box;
  InflateRect(hole, -1, -1);
  SpanPainter painter(*target_, BitmapClip());
  const int bpp = target_->BytesPerPixel();
  // Every other pixel in a checkerboard fixed to the device, so that a
  // second call restores the first.
  const TRgn frame = RgnSubtract(TRgn(box), TRgn(hole));
  for (const TRect& r : frame.Rects())
    for (int y = r.Top; y < r.Bottom; ++y)
      painter.ForVisible(y, r.Left, r.Right, [&](int l, int rr) {
        std::uint8_t* row = target_->ScanLine(y);
        for (int x = l; x < rr; ++x)
          if (((x - deviceOrigin_.X + y - deviceOrigin_.Y) & 1) == 0) {
            std::uint8_t* p = row + x * bpp;
            detail::WritePixel(p, ~detail::ReadPixel(p) & 0xFFFFFF, bpp);
          }
      });
  Changed();
}
