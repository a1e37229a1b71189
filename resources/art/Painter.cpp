#include "resources/art/Painter.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

int Channel(TColor c, int shift) { return int((c >> shift) & 0xFF); }

double Length(double x, double y) { return std::sqrt(x * x + y * y); }

TColor StopsAt(const std::vector<std::pair<double, TColor>>& stops, double t) {
  if (t <= stops.front().first) return stops.front().second;
  for (std::size_t i = 1; i < stops.size(); ++i) {
    if (t <= stops[i].first) {
      double span = stops[i].first - stops[i - 1].first;
      double local = span > 0 ? (t - stops[i - 1].first) / span : 1.0;
      return Mix(stops[i - 1].second, stops[i].second, local);
    }
  }
  return stops.back().second;
}

}  // namespace

TColor Mix(TColor from, TColor to, double t) {
  t = std::clamp(t, 0.0, 1.0);
  TColor out = 0;
  for (int shift : {0, 8, 16}) {
    double v = Channel(from, shift) + (Channel(to, shift) - Channel(from, shift)) * t;
    out |= TColor(std::lround(v)) << shift;
  }
  return out;
}

Shape RoundRect(double left, double top, double right, double bottom, double radius) {
  double cx = (left + right) / 2, cy = (top + bottom) / 2;
  double hx = (right - left) / 2, hy = (bottom - top) / 2;
  radius = std::min({radius, hx, hy});
  return [=](double x, double y) {
    double qx = std::abs(x - cx) - hx + radius;
    double qy = std::abs(y - cy) - hy + radius;
    return Length(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - radius;
  };
}

Shape Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return Length(x - cx, y - cy) - radius; };
}

Shape Segment(double x1, double y1, double x2, double y2, double halfWidth) {
  return [=](double x, double y) {
    double dx = x2 - x1, dy = y2 - y1;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? std::clamp(((x - x1) * dx + (y - y1) * dy) / len2, 0.0, 1.0) : 0.0;
    return Length(x - x1 - t * dx, y - y1 - t * dy) - halfWidth;
  };
}

Shape Polygon(std::vector<TPoint> corners) {
  return [corners](double x, double y) {
    // Distance to the nearest edge, negative inside (even-odd rule).
    double best = 1e9;
    bool inside = false;
    std::size_t n = corners.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
      double ax = corners[j].X, ay = corners[j].Y, bx = corners[i].X, by = corners[i].Y;
      double ex = bx - ax, ey = by - ay;
      double len2 = ex * ex + ey * ey;
      double t = len2 > 0 ? std::clamp(((x - ax) * ex + (y - ay) * ey) / len2, 0.0, 1.0) : 0.0;
      best = std::min(best, Length(x - ax - t * ex, y - ay - t * ey));
      if ((ay > y) != (by > y) && x < ax + (y - ay) * ex / ey) inside = !inside;
    }
    return inside ? -best : best;
  };
}

Shape Outline(Shape shape, double halfWidth) {
  return [=](double x, double y) { return std::abs(shape(x, y) + halfWidth) - halfWidth; };
}

Shape Union(Shape a, Shape b) {
  return [=](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Shape Intersect(Shape a, Shape b) {
  return [=](double x, double y) { return std::max(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape b) {
  return [=](double x, double y) { return std::max(a(x, y), -b(x, y)); };
}

Paint Solid(TColor color) {
  return [=](double, double) { return color; };
}

Paint VerticalStops(double top, double bottom, std::vector<std::pair<double, TColor>> stops) {
  return [=](double, double y) { return StopsAt(stops, (y - top) / std::max(bottom - top, 1e-9)); };
}

Paint HorizontalStops(double left, double right, std::vector<std::pair<double, TColor>> stops) {
  return [=](double x, double) { return StopsAt(stops, (x - left) / std::max(right - left, 1e-9)); };
}

Paint Gloss(double top, double bottom, TColor base) {
  return VerticalStops(top, bottom,
                       {{0.0, Lighter(base, 0.55)}, {0.48, Lighter(base, 0.2)},
                        {0.52, base}, {1.0, Lighter(base, 0.25)}});
}

Painter::Painter(TBitmap& bitmap, TRect area) : bitmap_(bitmap), area_(area) {}

Painter::Painter(TBitmap& bitmap, int piece, int pieceCount)
    : bitmap_(bitmap) {
  int w = bitmap.Width() / pieceCount;
  area_ = {piece * w, 0, piece * w + w, bitmap.Height()};
}

TColor Painter::Pixel(int x, int y) const {
  const std::uint8_t* p = bitmap_.ScanLine(area_.Top + y) + (area_.Left + x) * bitmap_.BytesPerPixel();
  return Rgb(p[2], p[1], p[0]);
}

void Painter::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  std::uint8_t* p = bitmap_.ScanLine(area_.Top + y) + (area_.Left + x) * bitmap_.BytesPerPixel();
  p[0] = std::uint8_t(Channel(color, 16));
  p[1] = std::uint8_t(Channel(color, 8));
  p[2] = std::uint8_t(Channel(color, 0));
}

void Painter::Fill(const Paint& paint) {
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x) SetPixel(x, y, paint(x + 0.5, y + 0.5));
}

void Painter::Fill(const Shape& shape, const Paint& paint, double opacity) {
  for (int y = 0; y < Height(); ++y) {
    for (int x = 0; x < Width(); ++x) {
      double cover = std::clamp(0.5 - shape(x + 0.5, y + 0.5), 0.0, 1.0) * opacity;
      if (cover <= 0) continue;
      SetPixel(x, y, Mix(Pixel(x, y), paint(x + 0.5, y + 0.5), cover));
    }
  }
}

void Painter::MaskOutside(const Shape& shape) {
  for (int y = 0; y < Height(); ++y)
    for (int x = 0; x < Width(); ++x)
      if (shape(x + 0.5, y + 0.5) > 0.0) SetPixel(x, y, kMagenta);
}

}  // namespace art
