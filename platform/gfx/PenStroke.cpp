#include "platform/gfx/PenStroke.h"

#include <cstdlib>

#include "platform/gfx/Scanline.h"

namespace detail {

namespace {

// On and off lengths of the one-pixel styled pens.
constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};

std::span<const int> DashesOf(TPenStyle style) {
  switch (style) {
    case psDash: return kDash;
    case psDot: return kDot;
    case psDashDot: return kDashDot;
    case psDashDotDot: return kDashDotDot;
    default: return {};
  }
}

}  // namespace

PenStroke::PenStroke(SpanPainter& painter, const PenSettings& pen) : painter_(painter), pen_(pen) {
  if (pen_.width > 1) discInsets_ = EllipseRowInsets(pen_.width, pen_.width);
  else dashes_ = DashesOf(pen_.style);
  if (!dashes_.empty()) dashLeft_ = dashes_[0];
}

PenStroke::~PenStroke() {
  if (pen_.width <= 1) return;
  const TRgn covered = wide_.Build();
  for (const TRect& r : covered.Rects())
    for (int y = r.Top; y < r.Bottom; ++y) painter_.Span(y, r.Left, r.Right, pen_.pixel, pen_.mode);
}

void PenStroke::Plot(int x, int y) {
  if (pen_.width > 1) {
    const int left = x - pen_.width / 2, top = y - pen_.width / 2;
    for (int row = 0; row < pen_.width; ++row) {
      const int inset = discInsets_[static_cast<std::size_t>(row)];
      wide_.AddSpan(top + row, left + inset, left + pen_.width - inset);
    }
    return;
  }
  if (dashes_.empty()) {
    painter_.Span(y, x, x + 1, pen_.pixel, pen_.mode);
    return;
  }
  const bool on = dashIndex_ % 2 == 0;
  if (on) painter_.Span(y, x, x + 1, pen_.pixel, pen_.mode);
  else if (pen_.opaqueGaps) painter_.Span(y, x, x + 1, pen_.background, pen_.mode);
  if (--dashLeft_ == 0) {
    dashIndex_ = (dashIndex_ + 1) % static_cast<int>(dashes_.size());
    dashLeft_ = dashes_[static_cast<std::size_t>(dashIndex_)];
  }
}

// Bresenham's walk along the major axis, leaving out the end point; a
// wide pen's round cap covers the end point too.
void PenStroke::Line(TPoint a, TPoint b) {
  if (pen_.width > 1) Plot(b.X, b.Y);
  const int dx = std::abs(b.X - a.X), dy = std::abs(b.Y - a.Y);
  const int sx = b.X > a.X ? 1 : -1, sy = b.Y > a.Y ? 1 : -1;
  int x = a.X, y = a.Y;
  if (dx >= dy) {
    int error = 2 * dy - dx;
    for (int i = 0; i < dx; ++i) {
      Plot(x, y);
      if (error > 0) {
        y += sy;
        error -= 2 * dx;
      }
      error += 2 * dy;
      x += sx;
    }
  } else {
    int error = 2 * dx - dy;
    for (int i = 0; i < dy; ++i) {
      Plot(x, y);
      if (error > 0) {
        x += sx;
        error -= 2 * dy;
      }
      error += 2 * dx;
      y += sy;
    }
  }
}

}  // namespace detail
