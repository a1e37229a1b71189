// Window shapes cut from a bitmap.

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/win/WinApi.h"
#include "skin/ZELPublic.h"

void SetWindowRegionFromBitmap(HWND window, const TBitmap& bitmap, TColor transparentColor) {
  const TColor transparent = ColorToRGB(transparentColor);
  const int width = bitmap.Width(), bpp = bitmap.BytesPerPixel();
  TRgnBuilder shape;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* p = bitmap.ScanLine(y);
    int runStart = -1;
    for (int x = 0; x < width; ++x, p += bpp) {
      // The last column only ends a run; its own pixel is never part of one.
      const bool lastColumn = x == width - 1;
      const bool opaque = !lastColumn && RGB(p[2], p[1], p[0]) != transparent;
      if (opaque) {
        if (runStart < 0) runStart = x;
      } else if (runStart >= 0) {
        shape.AddSpan(y, runStart, x);
        runStart = -1;
      }
    }
  }
  // The window owns the region from here on.
  SetWindowRgn(window, CreateRgnCopy(shape.Build()), true);
}
