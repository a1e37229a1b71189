#pragma once
// Anti-aliased painting onto one piece of a theme bitmap. Shapes are signed
// distance functions (negative inside); fills are colour functions of the
// pixel centre, both in coordinates local to the piece.

#include <functional>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gfx/Bitmap.h"

namespace art {

// The transparent colour of skin bitmaps.
constexpr TColor kMagenta = 0xFF00FF;

constexpr TColor Rgb(int r, int g, int b) {
  return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
TColor Mix(TColor from, TColor to, double t);
inline TColor Lighter(TColor c, double t) { return Mix(c, 0xFFFFFF, t); }
inline TColor Darker(TColor c, double t) { return Mix(c, 0x000000, t); }

using Shape = std::function<double(double x, double y)>;
using Paint = std::function<TColor(double x, double y)>;

// Shapes.
Shape RoundRect(double left, double top, double right, double bottom, double radius);
Shape Circle(double cx, double cy, double radius);
Shape Segment(double x1, double y1, double x2, double y2, double halfWidth);
Shape Polygon(std::vector<TPoint> corners);  // corners in whole pixels
Shape Outline(Shape shape, double halfWidth);  // a ring along the shape's edge
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);

// Paints.
Paint Solid(TColor color);
// Stops are (position 0..1, colour) along y from top to bottom.
Paint VerticalStops(double top, double bottom, std::vector<std::pair<double, TColor>> stops);
Paint HorizontalStops(double left, double right, std::vector<std::pair<double, TColor>> stops);
// A glossy face: a light upper half over a deeper lower half.
Paint Gloss(double top, double bottom, TColor base);

class Painter {
 public:
  // Paints inside piece `area` of bitmap; (0, 0) is the piece's top-left.
  Painter(TBitmap& bitmap, TRect area);
  Painter(TBitmap& bitmap, int piece, int pieceCount);

  int Width() const { return area_.Width(); }
  int Height() const { return area_.Height(); }

  void Fill(const Paint& paint);
  void Fill(const Shape& shape, const Paint& paint, double opacity = 1.0);
  // Pixels less than half covered by the shape become the transparent colour.
  void MaskOutside(const Shape& shape);
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

 private:
  TBitmap& bitmap_;
  TRect area_;
};

}  // namespace art
