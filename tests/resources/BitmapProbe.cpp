#include "BitmapProbe.h"

#include "resources/Resources.h"

std::unique_ptr<TBitmap> LoadTheme(const std::string& name) { return LoadResourceBitmap(name); }

TColor PixelAt(const TBitmap& bmp, int x, int y) {
  const std::uint8_t* p = bmp.ScanLine(y) + x * bmp.BytesPerPixel();
  return TColor(p[2]) | (TColor(p[1]) << 8) | (TColor(p[0]) << 16);
}

bool HasMagenta(const TBitmap& bmp, const TRect& rect) {
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (PixelAt(bmp, x, y) == kMagenta) return true;
  return false;
}

TRect PieceRect(const TBitmap& bmp, int index, int count) {
  int w = bmp.Width() / count;
  return {index * w, 0, index * w + w, bmp.Height()};
}

bool SamePixels(const TBitmap& bmp, const TRect& a, const TRect& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (PixelAt(bmp, a.Left + x, a.Top + y) != PixelAt(bmp, b.Left + x, b.Top + y)) return false;
  return true;
}
