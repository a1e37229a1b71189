#include "platform/gfx/PenStroke.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

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

PenStroke::PenStroke(SpanPainter& painter, const PenSettings& pen)
    : painter_(painter), pen_(pen), visible_(painter.Bounds()) {
  if (pen_.width <= 1) dashes_ = DashesOf(pen_.style);
  if (!dashes_.empty()) dashLeft_ = dashes_[0];
}

PenStroke::~PenStroke() {
  if (pen_.width <= 1) return;
  const TRgn covered = wide_.Build();
  for (const TRect& r : covered.Rects())
    for (int y = r.Top; y < r.Bottom; ++y) painter_.Span(y, r.Left, r.Right, pen_.pixel, pen_.mode);
}

void PenStroke::Line(TPoint a, TPoint b) {
  if (pen_.width > 1) WideLine(a, b);
  else ThinLine(a, b);
}

void PenStroke::Plot(int x, int y) {
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

void PenStroke::SkipDashes(std::int64_t steps) {
  if (dashes_.empty() || steps <= 0) return;
  steps %= std::accumulate(dashes_.begin(), dashes_.end(), 0);
  while (steps >= dashLeft_) {
    steps -= dashLeft_;
    dashIndex_ = (dashIndex_ + 1) % static_cast<int>(dashes_.size());
    dashLeft_ = dashes_[static_cast<std::size_t>(dashIndex_)];
  }
  dashLeft_ -= static_cast<int>(steps);
}

// Bresenham's walk along the major axis, leaving out the end point. Step k
// lies at minor offset ceil((2 * minor * k - major) / (2 * major)) (never
// below 0), so the walk can start and stop where the visible area begins
// and ends without changing which pixels it picks.
void PenStroke::ThinLine(TPoint a, TPoint b) {
  if (visible_.IsEmpty()) return;
  const std::int64_t dx = std::abs(std::int64_t{b.X} - a.X), dy = std::abs(std::int64_t{b.Y} - a.Y);
  const int sx = b.X > a.X ? 1 : -1, sy = b.Y > a.Y ? 1 : -1;
  const bool xMajor = dx >= dy;
  const std::int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
  if (major == 0) return;
  const int majorStart = xMajor ? a.X : a.Y, minorStart = xMajor ? a.Y : a.X;
  const int majorSign = xMajor ? sx : sy, minorSign = xMajor ? sy : sx;
  const int low = xMajor ? visible_.Left : visible_.Top, high = xMajor ? visible_.Right : visible_.Bottom;
  // Steps k in [0, major) whose major coordinate is inside [low, high).
  std::int64_t first = 0, last = major;
  if (majorSign > 0) {
    first = std::max<std::int64_t>(first, std::int64_t{low} - majorStart);
    last = std::min<std::int64_t>(last, std::int64_t{high} - majorStart);
  } else {
    first = std::max<std::int64_t>(first, std::int64_t{majorStart} - (high - 1));
    last = std::min<std::int64_t>(last, std::int64_t{majorStart} - low + 1);
  }
  if (first >= last) return;
  SkipDashes(first);
  auto offsetAt = [&](std::int64_t k) {
    const std::int64_t num = 2 * minor * k - major, den = 2 * major;
    return num <= 0 ? std::int64_t{0} : (num + den - 1) / den;
  };
  std::int64_t steps = offsetAt(first);
  std::int64_t error = 2 * minor * (first + 1) - major - 2 * major * steps;  // > 0: step after this pixel
  for (std::int64_t k = first; k < last; ++k) {
    const auto along = static_cast<int>(majorStart + majorSign * k);
    const auto across = static_cast<int>(minorStart + minorSign * steps);
    if (xMajor) Plot(along, across);
    else Plot(across, along);
    if (error > 0) {
      ++steps;
      error -= 2 * major;
    }
    error += 2 * minor;
  }
}

// A wide line is the band of its width around the segment plus a round cap
// at each end; only rows near the visible area are worked out.
void PenStroke::WideLine(TPoint a, TPoint b) {
  Dot(a);
  Dot(b);
  const double ax = a.X + 0.5, ay = a.Y + 0.5, bx = b.X + 0.5, by = b.Y + 0.5;
  const double length = std::hypot(bx - ax, by - ay);
  if (length == 0) return;
  const double nx = -(by - ay) / length * pen_.width / 2, ny = (bx - ax) / length * pen_.width / 2;
  const PointF band[] = {{ax + nx, ay + ny}, {bx + nx, by + ny}, {bx - nx, by - ny}, {ax - nx, ay - ny}};
  PolygonSpans(band, 2, visible_.Top, visible_.Bottom, [&](int y, int l, int r) {
    wide_.AddSpan(y, std::max(l, visible_.Left), std::min(r, visible_.Right));
  });
}

// A disc of the pen's width centred on the pixel.
void PenStroke::Dot(TPoint centre) {
  const int w = pen_.width;
  const TRect box = Bounds(centre.X - w / 2, centre.Y - w / 2, w, w);
  RoundRectSpans(box, w, w, visible_.Top, visible_.Bottom, [&](int y, int l, int r) {
    wide_.AddSpan(y, std::max(l, visible_.Left), std::min(r, visible_.Right));
  });
}

}  // namespace detail
