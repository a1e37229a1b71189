#pragma once
// Scan conversion shared by regions and the canvas: which pixels of a row
// an ellipse or polygon covers. A pixel belongs to a shape when its centre
// lies inside it. Callers pass the rows they need, so work stays in
// proportion to what is visible, however large the shape.

#include <functional>
#include <span>
#include <vector>

#include "platform/base/Types.h"

namespace detail {

using SpanSink = std::function<void(int y, int left, int right)>;

struct PointF {
  double X, Y;
};

// How many pixels at each end of row e of an ellipse inscribed in a
// width × height box lie outside it (width / 2 when no pixel centre of the
// row is inside).
int EllipseRowInset(int width, int height, int row);

// Runs of a rounded rectangle covering [left, right) × [top, bottom) with
// corner ellipses of cornerWidth × cornerHeight, rows fromY..toY-1 only.
void RoundRectSpans(const TRect& box, int cornerWidth, int cornerHeight, int fromY, int toY, const SpanSink& span);

// Runs of a polygon, ALTERNATE (1) or WINDING (2) fill, rows fromY..toY-1.
void PolygonSpans(std::span<const PointF> points, int fillMode, int fromY, int toY, const SpanSink& span);
void PolygonSpans(std::span<const TPoint> points, int fillMode, int fromY, int toY, const SpanSink& span);

// The farthest rows and columns a scan reports, so that they fit an int.
constexpr int kAllRowsFrom = -(1 << 30);
constexpr int kAllRowsTo = 1 << 30;

}  // namespace detail
