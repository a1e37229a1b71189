#include "platform/gfx/PixelOps.h"

#include <algorithm>

namespace detail {

std::uint32_t Rop2(int penMode, std::uint32_t pen, std::uint32_t dest) {
  // Pen modes follow R2_xxx - 1: bit (pen << 1 | dest) of (mode) gives the result.
  const unsigned code = static_cast<unsigned>(penMode) & 0xF;
  std::uint32_t result = 0;
  for (unsigned i = 0; i < 4; ++i) {
    if (!(code & (1u << i))) continue;
    result |= ((i & 2) ? pen : ~pen) & ((i & 1) ? dest : ~dest);
  }
  return result & 0xFFFFFF;
}

std::uint32_t Rop3(std::uint8_t code, std::uint32_t pattern, std::uint32_t source, std::uint32_t dest) {
  switch (code) {
    case 0x00: return 0;
    case 0xFF: return 0xFFFFFF;
    case 0xCC: return source;
    case 0xF0: return pattern;
    case 0x88: return source & dest;
    case 0xEE: return source | dest;
    case 0x66: return (source ^ dest) & 0xFFFFFF;
    case 0x55: return ~dest & 0xFFFFFF;
    case 0x33: return ~source & 0xFFFFFF;
    case 0x5A: return (pattern ^ dest) & 0xFFFFFF;
    default: break;
  }
  std::uint32_t result = 0;
  for (unsigned i = 0; i < 8; ++i) {
    if (!(code & (1u << i))) continue;
    result |= ((i & 4) ? pattern : ~pattern) & ((i & 2) ? source : ~source) & ((i & 1) ? dest : ~dest);
  }
  return result & 0xFFFFFF;
}

void FillRow(TBitmap& bitmap, int y, int left, int right, std::uint32_t pixel) {
  if (left >= right) return;
  std::uint8_t* row = bitmap.ScanLine(y);
  if (bitmap.BytesPerPixel() == 4) {
    // Alpha 0, as the window system leaves it when it draws.
    std::uint32_t* p = reinterpret_cast<std::uint32_t*>(row) + left;
    std::fill(p, p + (right - left), pixel & 0xFFFFFF);
    return;
  }
  // Doubling copies: one pixel, then two, four, ... up to the run's length.
  std::uint8_t* start = row + static_cast<std::ptrdiff_t>(left) * 3;
  const std::size_t total = static_cast<std::size_t>(right - left) * 3;
  WritePixel(start, pixel, 3);
  std::size_t done = 3;
  while (done < total) {
    const std::size_t chunk = std::min(done, total - done);
    std::memcpy(start + done, start, chunk);
    done += chunk;
  }
}

void SpanPainter::Span(int y, int left, int right, std::uint32_t pixel, int penMode) {
  const int bpp = bitmap_.BytesPerPixel();
  ForVisible(y, left, right, [&](int l, int r) {
    if (penMode == 12 /* pmCopy */) {
      FillRow(bitmap_, y, l, r, pixel);
      return;
    }
    if (penMode == 10 /* pmNop */) return;
    std::uint8_t* p = bitmap_.ScanLine(y) + static_cast<std::ptrdiff_t>(l) * bpp;
    for (int x = l; x < r; ++x, p += bpp) WritePixel(p, Rop2(penMode, pixel, ReadPixel(p)), bpp);
  });
}

}  // namespace detail

