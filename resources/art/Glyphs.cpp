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

}  // namespace art
