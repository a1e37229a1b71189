#include <cmath>

#include "resources/art/ArtKinds.h"

namespace art {

void DrawArrow(Painter& p, double cx, double cy, double size, Arrow dir, TColor color) {
  // A solid triangle, `size` across its base, half as deep.
  int h = int(std::lround(size / 2));
  int b = int(std::lround(size / 2));
  int x = int(std::lround(cx)), y = int(std::lround(cy));
  std::vector<TPoint> corners;
  switch (dir) {
    case Arrow::Up: corners = {{x - b, y + h / 2 + 1}, {x + b, y + h / 2 + 1}, {x, y - (h + 1) / 2}}; break;
    case Arrow::Down: corners = {{x - b, y - h / 2}, {x + b, y - h / 2}, {x, y + (h + 1) / 2 + 1}}; break;
    case Arrow::Left: corners = {{x + h / 2 + 1, y - b}, {x + h / 2 + 1, y + b}, {x - (h + 1) / 2, y}}; break;
    case Arrow::Right: corners = {{x - h / 2, y - b}, {x - h / 2, y + b}, {x + (h + 1) / 2 + 1, y}}; break;
  }
  p.Fill(Polygon(corners), Solid(color));
}

Shape CheckMarkShape(double left, double top, double size, double halfWidth) {
  double x0 = left + size * 0.12, y0 = top + size * 0.52;
  double x1 = left + size * 0.40, y1 = top + size * 0.80;
  double x2 = left + size * 0.88, y2 = top + size * 0.18;
  return Union(Segment(x0, y0, x1, y1, halfWidth), Segment(x1, y1, x2, y2, halfWidth));
}

Shape TitleGlyphShape(TitleGlyph glyph, double x, double y, double g, double t) {
  double mid = x + g / 2;
  switch (glyph) {
    case TitleGlyph::Close: {
      double d = t * 0.7;  // keeps the diagonal ends inside the box
      return Union(Segment(x + d, y + d, x + g - d, y + g - d, t), Segment(x + g - d, y + d, x + d, y + g - d, t));
    }
    case TitleGlyph::Minimize:
      return RoundRect(x + 1, y + g - 2 * t, x + g - 1, y + g, 0);
    case TitleGlyph::Plus:
      return Union(RoundRect(x, mid - t, x + g, mid + t, 0), RoundRect(mid - t, y, mid + t, y + g, 0));
    case TitleGlyph::Maximize:
      return Union(Outline(RoundRect(x, y, x + g, y + g, 0), t), RoundRect(x, y, x + g, y + 2 * t + 1, 0));
    case TitleGlyph::Restore: {
      double q = std::round(g * 0.7);
      Shape back = Union(Outline(RoundRect(x + g - q, y, x + g, y + q, 0), t * 0.5 + 0.25),
                         RoundRect(x + g - q, y, x + g, y + 2 * t, 0));
      Shape front = RoundRect(x, y + g - q, x + q, y + g, 0);
      return Union(Subtract(back, front),
                   Union(Outline(front, t * 0.5 + 0.25), RoundRect(x, y + g - q, x + q, y + g - q + 2 * t, 0)));
    }
    case TitleGlyph::Help: {
      // A hook over the top and down the right, then a short stem and a dot.
      double r = g * 0.3, cx = mid, cy = y + r + t;
      Shape mark = Segment(cx, cy + r * 0.9, cx, y + g * 0.7, t);
      double px = cx + r * std::cos(2.8), py = cy - r * std::sin(2.8);
      for (double a = 2.8; a > -1.2; a -= 0.2) {
        double nx = cx + r * std::cos(a - 0.2), ny = cy - r * std::sin(a - 0.2);
        mark = Union(mark, Segment(px, py, nx, ny, t));
        px = nx, py = ny;
      }
      mark = Union(mark, Segment(px, py, cx, cy + r * 0.9, t));
      return Union(mark, Circle(cx, y + g - t, t * 1.15));
    }
    case TitleGlyph::ControlBox:
      return Union(Outline(RoundRect(x, y + 1, x + g, y + g - 1, 0), t * 0.5 + 0.25),
                   RoundRect(x, y + 1, x + g, y + 2 + 2 * t, 0));
  }
  return Circle(0, 0, 0);
}

}  // namespace art
