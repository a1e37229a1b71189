#include "resources/themefile/PictureOps.h"

#include <algorithm>
#include <cstring>

#include "skin/ZELBitmapPiece.h"
#include "skin/ZELPublic.h"

namespace themefile {

namespace {

void PutPixel(TBitmap& bitmap, int x, int y, TColor color) {
  std::uint8_t* pixel = bitmap.ScanLine(y) + 3 * x;
  pixel[0] = static_cast<std::uint8_t>(color >> 16);
  pixel[1] = static_cast<std::uint8_t>(color >> 8);
  pixel[2] = static_cast<std::uint8_t>(color);
}

TColor Mix(TColor from, TColor to, double t) {
  TColor mixed = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const double a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
    mixed |= TColor(a + (b - a) * t + 0.5) << shift;
  }
  return mixed;
}

}  // namespace

BitmapPtr Filled(int width, int height, TColor color) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  FillArea(*bitmap, TRect{0, 0, width, height}, color);
  return bitmap;
}

void FillArea(TBitmap& bitmap, const TRect& area, TColor color) {
  for (int y = std::max(0, area.Top); y < std::min(bitmap.Height(), area.Bottom); ++y)
    for (int x = std::max(0, area.Left); x < std::min(bitmap.Width(), area.Right); ++x) PutPixel(bitmap, x, y, color);
}

BitmapPtr PieceOf(const TBitmap& source, int count, int part) {
  auto piece = std::make_unique<TBitmap>();
  CopyBitmapPiece(source, *piece, count, part);
  piece->SetPixelFormat(pf24bit);
  return piece;
}

BitmapPtr SideBySide(const std::vector<const TBitmap*>& pictures) {
  int width = 0;
  for (const TBitmap* picture : pictures) width += picture->Width();
  const int height = pictures.empty() ? 0 : pictures.front()->Height();
  auto joined = std::make_unique<TBitmap>(width, height, pf24bit);
  int left = 0;
  for (const TBitmap* picture : pictures) {
    for (int y = 0; y < std::min(height, picture->Height()); ++y)
      std::memcpy(joined->ScanLine(y) + 3 * left, picture->ScanLine(y), std::size_t(3) * picture->Width());
    left += picture->Width();
  }
  return joined;
}

BitmapPtr TurnedRight(const TBitmap& source) {
  auto turned = std::make_unique<TBitmap>();
  turned->Assign(&source);
  RotateBitmapRight(*turned);
  return turned;
}

BitmapPtr VerticalGradient(int width, int height, TColor top, TColor bottom) {
  auto bitmap = std::make_unique<TBitmap>(width, height, pf24bit);
  for (int y = 0; y < height; ++y)
    FillArea(*bitmap, TRect{0, y, width, y + 1}, Mix(top, bottom, height > 1 ? double(y) / (height - 1) : 0.0));
  return bitmap;
}

void PaintRunsAtLeftEnd(TBitmap& bitmap, const std::vector<int>& runs, TColor color) {
  for (int y = 0; y < std::min<int>(bitmap.Height(), int(runs.size())); ++y)
    FillArea(bitmap, TRect{0, y, runs[y], y + 1}, color);
}

void PaintRunsAtRightEnd(TBitmap& bitmap, const std::vector<int>& runs, TColor color) {
  for (int y = 0; y < std::min<int>(bitmap.Height(), int(runs.size())); ++y)
    FillArea(bitmap, TRect{bitmap.Width() - runs[y], y, bitmap.Width(), y + 1}, color);
}

}  // namespace themefile
