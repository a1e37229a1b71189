// Whole-bitmap helpers: stretching, colour replacement, rotations, tiling.

#include <cstring>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Picture.h"
#include "skin/ZELPublic.h"

namespace {

// Builds the turned picture pixel by pixel in a temporary bitmap of the
// new size, then copies it back: sourceOf(x, y) names the source pixel of
// result pixel (x, y).
template <class SourceOf>
void Rebuild(TBitmap& bitmap, int newWidth, int newHeight, SourceOf sourceOf) {
  if (bitmap.Empty()) return;
  const TPixelFormat format = bitmap.PixelFormat() == pf32bit ? pf32bit : pf24bit;
  const int bpp = bitmap.BytesPerPixel();
  TBitmap turned(newWidth, newHeight, format);
  for (int y = 0; y < newHeight; ++y) {
    std::uint8_t* out = turned.ScanLine(y);
    for (int x = 0; x < newWidth; ++x, out += bpp) {
      const TPoint from = sourceOf(x, y);
      std::memcpy(out, bitmap.ScanLine(from.Y) + from.X * bpp, static_cast<std::size_t>(bpp));
    }
  }
  bitmap.SetSize(newWidth, newHeight);
  for (int y = 0; y < newHeight; ++y)
    std::memcpy(bitmap.ScanLine(y), turned.ScanLine(y), static_cast<std::size_t>(turned.BytesPerLine()));
  bitmap.NotifyCanvasChanged();
}

}  // namespace

void StretchBitmapToRect(const TBitmap& bitmap, TCanvas& canvas, const TRect& rect) {
  const int previousMode = canvas.StretchBltMode();
  canvas.SetStretchBltMode(HALFTONE);
  canvas.StretchBltBitmap(rect.Left, rect.Top, rect.Width(), rect.Height(), bitmap, 0, 0, bitmap.Width(),
                          bitmap.Height(), SRCCOPY);
  canvas.SetStretchBltMode(previousMode);
}

void ReplaceBitmapColor(TBitmap& bitmap, TColor oldColor, TColor newColor) {
  bitmap.SetPixelFormat(pf24bit);
  const TColor from = ColorToRGB(oldColor), to = ColorToRGB(newColor);
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      if (RGB(p[2], p[1], p[0]) != from) continue;
      p[0] = GetBValue(to);
      p[1] = GetGValue(to);
      p[2] = GetRValue(to);
    }
  }
  bitmap.NotifyCanvasChanged();
}

void RotateBitmapLeft(TBitmap& bitmap) {
  // Source (x, y) goes to (y, width-1-x).
  const int width = bitmap.Width(), height = bitmap.Height();
  Rebuild(bitmap, height, width, [width](int x, int y) { return TPoint{width - 1 - y, x}; });
}

void RotateBitmapRight(TBitmap& bitmap) {
  const int width = bitmap.Width(), height = bitmap.Height();
  Rebuild(bitmap, height, width, [height](int x, int y) { return TPoint{y, height - 1 - x}; });
}

void RotateBitmap180(TBitmap& bitmap) {
  const int width = bitmap.Width(), height = bitmap.Height();
  Rebuild(bitmap, width, height,
          [width, height](int x, int y) { return TPoint{width - 1 - x, height - 1 - y}; });
}

void TilePicture(TCanvas& canvas, const TPicture& picture, const TRect& rect) {
  const TGraphic* graphic = picture.Graphic();
  const int w = picture.Width(), h = picture.Height();
  if (!graphic || w <= 0 || h <= 0) return;  // would never advance
  for (int y = 0; y < h + rect.Height(); y += h)
    for (int x = 0; x < w + rect.Width(); x += w) canvas.Draw(x, y, graphic);
}
