#include "platform/gfx/Scanline.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace detail {

std::vector<int> EllipseRowInsets(int width, int height) {
  std::vector<int> insets(static_cast<std::size_t>(std::max(height, 0)), width / 2);
  const std::int64_t w = width, h = height;
  // Pixel (x, e) is inside when ((2x+1-w)/w)^2 + ((2e+1-h)/h)^2 <= 1,
  // kept in integers: (2x+1-w)^2 h^2 + (2e+1-h)^2 w^2 <= w^2 h^2.
  for (int e = 0; e < height; ++e) {
    const std::int64_t dy = 2 * e + 1 - h;
    const std::int64_t room = w * w * h * h - dy * dy * w * w;
    for (int x = 0; x <= width / 2; ++x) {
      const std::int64_t dx = 2 * x + 1 - w;
      if (dx * dx * h * h <= room) {
        insets[static_cast<std::size_t>(e)] = x;
        break;
      }
    }
  }
  return insets;
}

void RoundRectSpans(const TRect& box, int cornerWidth, int cornerHeight,
                    const std::function<void(int, int, int)>& span) {
  if (box.IsEmpty()) return;
  cornerWidth = std::min(std::abs(cornerWidth), box.Width());
  cornerHeight = std::min(std::abs(cornerHeight), box.Height());
  if (cornerWidth < 2 || cornerHeight < 2) {
    for (int y = box.Top; y < box.Bottom; ++y) span(y, box.Left, box.Right);
    return;
  }
  const std::vector<int> insets = EllipseRowInsets(cornerWidth, cornerHeight);
  const int half = cornerHeight / 2;
  for (int y = box.Top; y < box.Bottom; ++y) {
    const int fromTop = y - box.Top, fromBottom = box.Bottom - 1 - y;
    int inset = 0;
    if (fromTop < half) inset = insets[static_cast<std::size_t>(fromTop)];
    else if (fromBottom < half) inset = insets[static_cast<std::size_t>(cornerHeight - 1 - fromBottom)];
    if (box.Left + inset < box.Right - inset) span(y, box.Left + inset, box.Right - inset);
  }
}

void PolygonSpans(std::span<const TPoint> points, int fillMode,
                  const std::function<void(int, int, int)>& span) {
  if (points.size() < 3) return;
  int top = points[0].Y, bottom = points[0].Y;
  for (const TPoint& p : points) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  struct Crossing {
    double x;
    int direction;
  };
  std::vector<Crossing> crossings;
  for (int y = top; y < bottom; ++y) {
    const double cy = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const TPoint a = points[i], b = points[(i + 1) % points.size()];
      if (a.Y == b.Y) continue;
      const bool down = a.Y < b.Y;
      const TPoint lo = down ? a : b, hi = down ? b : a;
      if (cy < lo.Y || cy >= hi.Y) continue;
      const double x = lo.X + (cy - lo.Y) * (hi.X - lo.X) / double(hi.Y - lo.Y);
      crossings.push_back({x, down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(), [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    int winding = 0;
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += crossings[i].direction;
      const bool inside = fillMode == 2 ? winding != 0 : (i % 2) == 0;
      if (!inside) continue;
      // Pixels whose centre x + 0.5 lies in [from, to).
      const int left = static_cast<int>(std::ceil(crossings[i].x - 0.5));
      const int right = static_cast<int>(std::ceil(crossings[i + 1].x - 0.5));
      if (left < right) span(y, left, right);
    }
  }
}

}  // namespace detail
