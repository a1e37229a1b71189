#pragma once
// Text measuring and glyph rendering for the canvas: font names map to
// installed faces, sizes follow the window system's Height rules, and
// glyphs are drawn straight into a bitmap's pixels.

#include <string_view>

#include "platform/base/Types.h"

class TFont;
class TBitmap;
class TRgn;

// The window system's TEXTMETRIC, in pixels.
struct TTextMetric {
  int Height, Ascent, Descent, InternalLeading, ExternalLeading, AveCharWidth, MaxCharWidth;
};

TTextMetric FontMetrics(const TFont& font);

// cx = advance width, cy = cell height.
TSize MeasureText(const TFont& font, std::string_view utf8);

// Glyphs (with underline and strike-out) in ColorToRGB(font.Color()), text cell's top-left at (x, y)
// in bitmap pixels (baseline at y + Ascent); coverage-blended when antialias, hard 0/1 otherwise;
// touches only pixels inside clip (nullptr: the whole bitmap). Draws no background.
void RenderText(TBitmap& target, int x, int y, const TFont& font, std::string_view utf8,
                const TRgn* clip, bool antialias);
