#pragma once
// Shapes the key pictures are built from, beside the painter's own.

#include <utility>
#include <vector>

#include "resources/art/Painter.h"
#include "resources/windowart/WindowGlyphs.h"

namespace windowart {

art::Shape Convex(std::vector<std::pair<double, double>> corners);
art::Shape Triangle(double x1, double y1, double x2, double y2, double x3, double y3);
// Everything right of x0, everything below y0.
art::Shape HalfPlaneRight(double x0);
art::Shape HalfPlaneBelow(double y0);
art::Shape Ring(double cx, double cy, double r, double half);

// The pictures of the editor's keys.
art::Shape EditorGlyphShape(Glyph glyph, double cx, double cy, double size);

}  // namespace windowart
