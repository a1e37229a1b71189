#pragma once
// Pixel questions the resource tests ask of the theme bitmaps.

#include <memory>
#include <string>

#include "platform/base/Types.h"
#include "platform/gfx/Bitmap.h"

constexpr TColor kMagenta = 0xFF00FF;

std::unique_ptr<TBitmap> LoadTheme(const std::string& name);
TColor PixelAt(const TBitmap& bmp, int x, int y);
// Whether any pixel of rect is the transparent colour.
bool HasMagenta(const TBitmap& bmp, const TRect& rect);
inline TRect Whole(const TBitmap& bmp) { return {0, 0, bmp.Width(), bmp.Height()}; }
// Piece `index` (0-based) of `count` equal pieces side by side.
TRect PieceRect(const TBitmap& bmp, int index, int count);
bool SamePixels(const TBitmap& bmp, const TRect& a, const TRect& b);
