#include "skin/ZELBitmapPiece.h"

#include <cstring>

#include "platform/gfx/Bitmap.h"
#include "skin/ZELFlavour.h"

void CopyBitmapPiece(const TBitmap& source, TBitmap& dest, int count, int part) {
  if (count < 1 || part < 1 || part > count) return;
  const int pieceWidth = source.Width() / count;
  const int height = source.Height();
  int left = (part - 1) * pieceWidth;
  if (part == count && SkinFlavour() == zelCurrentBuild) left = source.Width() - pieceWidth;

  dest.SetPixelFormat(source.PixelFormat() == pf32bit ? pf32bit : pf24bit);
  dest.SetSize(pieceWidth, height);
  if (pieceWidth <= 0 || height <= 0) return;
  const int bytesPerPixel = source.BytesPerPixel();
  for (int y = 0; y < height; ++y)
    std::memcpy(dest.ScanLine(y), source.ScanLine(y) + left * bytesPerPixel,
                static_cast<std::size_t>(pieceWidth) * bytesPerPixel);
  dest.NotifyCanvasChanged();
}
