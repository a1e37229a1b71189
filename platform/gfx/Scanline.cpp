#include "platform/gfx/Scanline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace detail {

int EllipseRowInset(int width, int height, int row) {
  // Pixel (x, row) is inside when ((2x+1-w)/w)^2 + ((2row+1-h)/h)^2 <= 1,
  // kept in integers: (2x+1-w)^2 h^2 <= w^2 h^2 - (2row+1-h)^2 w^2 = room.
  using Wide = __int128;
  const Wide w = width, h = height, dy = 2 * Wide{row} + 1 - h;
  const Wide room = w * w * h * h - dy * dy * w * w;
  if (room < 0) return width / 2;
  // The largest t with t^2 h^2 <= room: the widest |2x+1-w| allowed.
  Wide t = static_cast<Wide>(std::sqrt(static_cast<long double>(room)) / static_cast<long double>(height));
  while (t > 0 && t * t * h * h > room) --t;
  while ((t + 1) * (t + 1) * h * h <= room) ++t;
  const Wide x = std::max<Wide>(0, (w - 1 - t + 1) / 2);  // ceil((w - 1 - t) / 2)
  return static_cast<int>(std::min<Wide>(x, w / 2));
}

void RoundRectSpans(const TRect& box, int cornerWidth, int cornerHeight, int fromY, int toY, const SpanSink& span) {
  if (box.IsEmpty()) return;
  cornerWidth = static_cast<int>(std::min<std::int64_t>(std::abs(std::int64_t{cornerWidth}), box.Width()));
  cornerHeight = static_cast<int>(std::min<std::int64_t>(std::abs(std::int64_t{cornerHeight}), box.Height()));
  const bool square = cornerWidth < 2 || cornerHeight < 2;
  const int half = cornerHeight / 2;
  for (int y = std::max(box.Top, fromY); y < std::min(box.Bottom, toY); ++y) {
    const int fromTop = y - box.Top, fromBottom = box.Bottom - 1 - y;
    int inset = 0;
    if (!square && fromTop < half) inset = EllipseRowInset(cornerWidth, cornerHeight, fromTop);
    else if (!square && fromBottom < half) inset = EllipseRowInset(cornerWidth, cornerHeight, cornerHeight - 1 - fromBottom);
    if (box.Left + inset < box.Right - inset) span(y, box.Left + inset, box.Right - inset);
  }
}

void PolygonSpans(std::span<const PointF> points, int fillMode, int fromY, int toY, const SpanSink& span) {
  if (points.size() < 3) return;
  double top = points[0].Y, bottom = points[0].Y;
  for (const PointF& p : points) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  struct Crossing {
    double x;
    int direction;
  };
  std::vector<Crossing> crossings;
  // Rows whose centre y + 0.5 lies in [top, bottom).
  const int first = std::max(fromY, static_cast<int>(std::max(std::ceil(top - 0.5), double(kAllRowsFrom))));
  const int last = std::min(toY, static_cast<int>(std::min(std::ceil(bottom - 0.5), double(kAllRowsTo))));
  for (int y = first; y < last; ++y) {
    const double cy = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const PointF a = points[i], b = points[(i + 1) % points.size()];
      if (a.Y == b.Y) continue;
      const bool down = a.Y < b.Y;
      const PointF lo = down ? a : b, hi = down ? b : a;
      if (cy < lo.Y || cy >= hi.Y) continue;
      crossings.push_back({lo.X + (cy - lo.Y) * (hi.X - lo.X) / (hi.Y - lo.Y), down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += crossings[i].direction;
      const bool inside = fillMode == 2 ? winding != 0 : (i % 2) == 0;
      if (!inside) continue;
      // Pixels whose centre x + 0.5 lies in [from, to).
      const double from = std::clamp(std::ceil(crossings[i].x - 0.5), double(kAllRowsFrom), double(kAllRowsTo));
      const double to = std::clamp(std::ceil(crossings[i + 1].x - 0.5), double(kAllRowsFrom), double(kAllRowsTo));
      if (from < to) span(y, static_cast<int>(from), static_cast<int>(to));
    }
  }
}

void PolygonSpans(std::span<const TPoint> points, int fillMode, int fromY, int toY, const SpanSink& span) {
  std::vector<PointF> converted;
  converted.reserve(points.size());
  for (const TPoint& p : points) converted.push_back({double(p.X), double(p.Y)});
  PolygonSpans(converted, fillMode, fromY, toY, span);
}

}  // namespace detail
