#pragma once
// Scan conversion shared by regions and the canvas: which pixels of a row
// an ellipse or polygon covers. A pixel belongs to a shape when its centre
// lies inside it.

#include <functional>
#include <span>
#include <vector>

#include "platform/base/Types.h"

namespace detail {

// For each row e of an ellipse inscribed in a width × height box, how many
// pixels at each end of the row lie outside the ellipse (width / 2 when the
// row is empty but for the straight part between two corners).
std::vector<int> EllipseRowInsets(int width, int height);

// Pixel runs of a rounded rectangle covering [left, right) × [top, bottom)
// with corner ellipses of cornerWidth × cornerHeight.
void RoundRectSpans(const TRect& box, int cornerWidth, int cornerHeight,
                    const std::function<void(int y, int left, int right)>& span);

// Pixel runs of a polygon, ALTERNATE (1) or WINDING (2) fill.
void PolygonSpans(std::span<const TPoint> points, int fillMode,
                  const std::function<void(int y, int left, int right)>& span);

}  // namespace detail
