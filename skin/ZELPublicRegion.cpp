// Window shapes cut from a bitmap.

#include <algorithm>
#include <cstdint>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Region.h"
#include "platform/win/WinApi.h"
#include "skin/ZELPublic.h"

void AddOpaqueRuns(TRgnBuilder& shape, const TBitmap& bitmap, TPoint origin, int firstRow, int lastRow,
                   TColor transparentColor, bool lastColumnCounts) {
  const TColor transparent = ColorToRGB(transparentColor);
  const int width = bitmap.Width(), bpp = bitmap.BytesPerPixel();
  firstRow = std::max(firstRow, 0);
  lastRow = std::min(lastRow, bitmap.Height() - 1);
  for (int y = firstRow; y <= lastRow; ++y) {
    const std::uint8_t* p = bitmap.ScanLine(y);
    int runStart = -1;
    for (int x = 0; x < width; ++x, p += bpp) {
      const bool lastColumn = x == width - 1;
      const bool opaque = (lastColumnCounts || !lastColumn) && RGB(p[2], p[1], p[0]) != transparent;
      if (opaque && runStart < 0) runStart = x;
      if (runStart >= 0 && (!opaque || lastColumn)) {
        shape.AddSpan(origin.Y + y, origin.X + runStart, origin.X + (opaque ? x + 1 : x));
        runStart = -1;
      }
    }
  }
}

void SetWindowRegionFromBitmap(HWND window, const TBitmap& bitmap, TColor transparentColor) {
  TRgnBuilder shape;
  // The last column only ends a run; its own pixel is never part of one.
  AddOpaqueRuns(shape, bitmap, {0, 0}, 0, bitmap.Height() - 1, transparentColor, false);
  // The window owns the region from here on.
  SetWindowRgn(window, CreateRgnCopy(shape.Build()), true);
}
