#pragma once
// Pixel-level helpers of the canvas: colour packing, raster operations and
// clipped runs written straight into a bitmap's rows.

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/base/Types.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"

namespace detail {

// Coordinates are kept within ±2^29, so that adding offsets and sizes never
// overflows; nothing that far out is ever visible.
constexpr int kFarCoordinate = 1 << 29;
inline int ClampCoordinate(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, -kFarCoordinate, kFarCoordinate));
}
inline TPoint Shifted(TPoint p, TPoint by) {
  return {ClampCoordinate(std::int64_t{p.X} + by.X), ClampCoordinate(std::int64_t{p.Y} + by.Y)};
}
inline TRect Shifted(const TRect& r, TPoint by) {
  return {ClampCoordinate(std::int64_t{r.Left} + by.X), ClampCoordinate(std::int64_t{r.Top} + by.Y),
          ClampCoordinate(std::int64_t{r.Right} + by.X), ClampCoordinate(std::int64_t{r.Bottom} + by.Y)};
}
// x, y, width, height as a rectangle, clamped.
inline TRect SafeBounds(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
  return {ClampCoordinate(x), ClampCoordinate(y), ClampCoordinate(x + width), ClampCoordinate(y + height)};
}

// A pixel as its three bytes B, G, R read little-endian: 0x00RRGGBB.
inline std::uint32_t ToPixel(TColor rgb) {
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
inline TColor FromPixel(std::uint32_t pixel) { return ToPixel(pixel); }

inline std::uint32_t ReadPixel(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16); }
inline void WritePixel(std::uint8_t* p, std::uint32_t pixel, int bytesPerPixel) {
  p[0] = pixel & 0xFF;
  p[1] = (pixel >> 8) & 0xFF;
  p[2] = (pixel >> 16) & 0xFF;
  if (bytesPerPixel == 4) p[3] = 0;
}

// Binary raster operation (pen modes) of pen over destination.
std::uint32_t Rop2(int penMode, std::uint32_t pen, std::uint32_t dest);

// Ternary raster operation: bit i of code (the rop's byte 2) gives the
// result for pattern, source and destination bits (P << 2 | S << 1 | D) = i.
std::uint32_t Rop3(std::uint8_t code, std::uint32_t pattern, std::uint32_t source, std::uint32_t dest);
inline std::uint8_t RopCode(DWORD rop) { return static_cast<std::uint8_t>((rop >> 16) & 0xFF); }
inline bool RopUsesSource(std::uint8_t code) { return ((code >> 2) & 0x33) != (code & 0x33); }
inline bool RopUsesPattern(std::uint8_t code) { return ((code >> 4) & 0x0F) != (code & 0x0F); }
inline bool RopUsesDest(std::uint8_t code) { return ((code >> 1) & 0x55) != (code & 0x55); }

// Fills pixels [left, right) of row y with one value (no clipping).
void FillRow(TBitmap& bitmap, int y, int left, int right, std::uint32_t pixel);

// Writes runs into a bitmap through a clip region (bitmap coordinates).
class SpanPainter {
 public:
  SpanPainter(TBitmap& bitmap, const TRgn& clip) : bitmap_(bitmap), clip_(clip) {}
  // Pixels [left, right) of row y with the given pen mode.
  void Span(int y, int left, int right, std::uint32_t pixel, int penMode);
  // The bounding box of everything that can be painted.
  TRect Bounds() const { return clip_.BoundingBox(); }
  // Calls fn(left, right) for the visible parts of the run.
  template <typename Fn>
  void ForVisible(int y, int left, int right, Fn fn) const;

 private:
  TBitmap& bitmap_;
  const TRgn& clip_;
};

template <typename Fn>
void SpanPainter::ForVisible(int y, int left, int right, Fn fn) const {
  const auto& rects = clip_.Rects();
  std::size_t lo = 0, hi = rects.size();
  while (lo < hi) {  // the first rectangle whose band ends below y
    const std::size_t mid = (lo + hi) / 2;
    if (rects[mid].Bottom <= y) lo = mid + 1;
    else hi = mid;
  }
  for (std::size_t i = lo; i < rects.size() && rects[i].Top <= y && rects[i].Top == rects[lo].Top; ++i) {
    const int l = std::max(left, rects[i].Left), r = std::min(right, rects[i].Right);
    if (l < r) fn(l, r);
  }
}

}  // namespace detail
