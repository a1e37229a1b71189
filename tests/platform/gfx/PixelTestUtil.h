#pragma once
// Helpers of the pixel tests: reading pixels and comparing a canvas with a
// picture drawn in characters.

#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Region.h"

namespace pixeltest {

inline TColor At(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + x * bitmap.BytesPerPixel();
  return RGB(p[2], p[1], p[0]);
}

// Paints the whole bitmap, leaving its canvas's brush as it was.
inline void Fill(TBitmap& bitmap, TColor color) {
  TCanvas& canvas = *bitmap.Canvas();
  TBrush saved;
  saved.Assign(*canvas.Brush());
  canvas.Brush()->SetColor(color);
  canvas.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
  canvas.Brush()->Assign(saved);
}

// One character per pixel: '#' where the colour is ink, '.' otherwise.
inline std::vector<std::string> Picture(const TBitmap& bitmap, TColor ink) {
  std::vector<std::string> rows;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::string row;
    for (int x = 0; x < bitmap.Width(); ++x) row += At(bitmap, x, y) == ink ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

// The same picture of a region over a width × height area.
inline std::vector<std::string> Picture(const TRgn& region, int width, int height) {
  std::vector<std::string> rows;
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x) row += region.Contains(x, y) ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

}  // namespace pixeltest
