// Nine-piece button faces and three-piece caps and bars.

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "skin/ZELFlavour.h"
#include "skin/ZELPublic.h"

namespace {

// Copies a piece of the bitmap 1:1, through the transparent colour or not.
void DrawPiece(TCanvas& canvas, int x, int y, int width, int height, const TBitmap& bitmap, int sx, int sy,
               bool transparent, TColor key) {
  if (width <= 0 || height <= 0) return;
  if (transparent)
    canvas.TransparentBltBitmap(x, y, width, height, bitmap, sx, sy, width, height, key);
  else
    canvas.StretchBltBitmap(x, y, width, height, bitmap, sx, sy, width, height, SRCCOPY);
}

// Stretches a strip of the bitmap into dest with the skin's transparent
// colour. A strip larger than dest is cut to it rather than shrunk. A strip
// that is empty in one direction (even-sized bitmaps leave the left edge
// and the centre without rows) takes its one neighbouring line instead, so
// the face shows its middle rather than nothing.
void DrawStrip(TCanvas& canvas, const TRect& dest, const TBitmap& bitmap, TRect strip) {
  if (dest.IsEmpty()) return;
  strip.Left = std::clamp(strip.Left, 0, bitmap.Width() - 1);
  strip.Top = std::clamp(strip.Top, 0, bitmap.Height() - 1);
  strip.Right = std::clamp(strip.Right, strip.Left + 1, bitmap.Width());
  strip.Bottom = std::clamp(strip.Bottom, strip.Top + 1, bitmap.Height());
  const int sw = std::min(strip.Width(), dest.Width());
  const int sh = std::min(strip.Height(), dest.Height());
  canvas.TransparentBltBitmap(dest.Left, dest.Top, dest.Width(), dest.Height(), bitmap, strip.Left, strip.Top, sw,
                              sh, zelSkinTransparentColor);
}

// The caps of a bitmap of three cells (left cap, middle, right cap): the
// left one at rect's left, the right one flush with its right edge; a rect
// narrower than a cell gets the left cap cut to its width. Answers the
// width left between the caps for the middle cell (0: none).
int DrawCaps(const TBitmap& bitmap, TCanvas& canvas, const TRect& rect, bool masked, TColor mask) {
  const int cell = bitmap.Width() / 3, h = bitmap.Height();
  if (cell <= 0 || h <= 0 || rect.IsEmpty()) return 0;
  if (rect.Width() < cell) {
    DrawPiece(canvas, rect.Left, rect.Top, rect.Width(), h, bitmap, 0, 0, masked, mask);
    return 0;
  }
  DrawPiece(canvas, rect.Left, rect.Top, cell, h, bitmap, 0, 0, masked, mask);
  DrawPiece(canvas, rect.Right - cell, rect.Top, cell, h, bitmap, 2 * cell, 0, masked, mask);
  return rect.Width() - 2 * cell;
}

}  // namespace

void DrawSkinBitmap(const TBitmap& bitmap, TCanvas& canvas, const TRect& rect, bool transparent) {
  const int w = bitmap.Width(), h = bitmap.Height();
  const int W = rect.Width(), H = rect.Height();
  if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return;
  const int hw = w / 2, hh = h / 2, HW = W / 2, HH = H / 2;
  const int x0 = rect.Left, y0 = rect.Top;
  const TColor key = zelSkinTransparentColor;

  // Corners: the left ones are half the face wide, the right ones a pixel
  // less; the top ones half the face high, the bottom ones a pixel less.
  const int leftW = std::max(0, std::min(hw, HW)), rightW = std::max(0, std::min(hw - 1, HW - 1));
  const int topH = std::max(0, std::min(hh, HH)), bottomH = std::max(0, std::min(hh - 1, HH - 1));
  DrawPiece(canvas, x0, y0, leftW, topH, bitmap, 0, 0, transparent, key);
  DrawPiece(canvas, x0, y0 + H - bottomH, leftW, bottomH, bitmap, 0, h - bottomH, transparent, key);
  DrawPiece(canvas, x0 + W - rightW, y0, rightW, topH, bitmap, w - rightW, 0, transparent, key);
  DrawPiece(canvas, x0 + W - rightW, y0 + H - bottomH, rightW, bottomH, bitmap, w - rightW, h - bottomH,
            transparent, key);

  // Where the corners end, relative to the face's top-left.
  const int tlRight = leftW, tlBottom = topH;
  const int blTop = H - bottomH;
  const int trLeft = W - rightW, trBottom = topH, trRight = W;
  const int brTop = H - bottomH, brLeft = W - rightW;
  auto at = [x0, y0](int l, int t, int r, int b) { return TRect{x0 + l, y0 + t, x0 + r, y0 + b}; };

  DrawStrip(canvas, at(0, tlBottom, tlRight, blTop), bitmap, {0, hh, hw, h - hh});
  DrawStrip(canvas, at(trLeft, trBottom, trRight, brTop), bitmap, {w - hw + 1, h - hh, w, hh + 2});
  DrawStrip(canvas, at(tlRight, 0, trLeft, tlBottom), bitmap, {hw, 0, w - hw + 1, hh});
  DrawStrip(canvas, at(tlRight, tlBottom, trLeft, brTop - 1), bitmap, {hw, hh, w - hw + 1, h - hh});
  // The bottom edge reaches a pixel left over the left edge, but never out
  // of the face when the left corners have no width.
  DrawStrip(canvas, at(std::max(tlRight - 1, 0), blTop - 1, brLeft, H), bitmap, {hw, h - hh, w - hw + 1, h});
}

void DrawThreePieceBitmap(const TBitmap& bitmap, TCanvas& canvas, const TRect& rect, TColor maskColor,
                          bool useMask) {
  const int cell = bitmap.Width() / 3, h = bitmap.Height();
  const int middle = DrawCaps(bitmap, canvas, rect, useMask, maskColor);
  if (middle <= 0) return;
  if (useMask)
    canvas.TransparentBltBitmap(rect.Left + cell, rect.Top, middle, h, bitmap, cell, 0, cell, h, maskColor);
  else
    canvas.StretchBltBitmap(rect.Left + cell, rect.Top, middle, h, bitmap, cell, 0, cell, h, SRCCOPY);
}

void DrawThreePieceBar(const TBitmap& bitmap, TCanvas& canvas, const TRect& rect, bool fromBottomPixel,
                       TColor fillColor, bool usePixelMask) {
  const int cell = bitmap.Width() / 3, h = bitmap.Height();
  if (cell <= 0 || h <= 0) return;
  TColor mask = zelSkinTransparentColor;
  if (usePixelMask) {
    const std::uint8_t* p = bitmap.ScanLine(fromBottomPixel ? 0 : h - 1);
    mask = RGB(p[2], p[1], p[0]);
  }
  const int middle = DrawCaps(bitmap, canvas, rect, true, mask);
  if (middle <= 0) return;
  if (SkinFlavour() == zelOlderBuild) {
    canvas.TransparentBltBitmap(rect.Left + cell, rect.Top, middle, rect.Height(), bitmap, cell, 0, cell, h, mask);
    return;
  }
  // The middle cell laid on the fill colour, so its see-through pixels
  // show that colour across the whole bar.
  TBitmap filled(cell, h);
  TCanvas& fill = *filled.Canvas();
  fill.Brush()->SetColor(fillColor);
  fill.FillRect({0, 0, cell, h});
  fill.TransparentBltBitmap(0, 0, cell, h, bitmap, cell, 0, cell, h, mask);
  canvas.StretchBltBitmap(rect.Left + cell, rect.Top, middle, rect.Height(), filled, 0, 0, cell, h, SRCCOPY);
}
