#pragma once
// Small pixel operations that turn the look's pictures into the pictures
// a theme file holds. All bitmaps are 24-bit.

#include <memory>
#include <vector>

#include "platform/base/Types.h"
#include "platform/gfx/Bitmap.h"

namespace themefile {

using BitmapPtr = std::unique_ptr<TBitmap>;

BitmapPtr Filled(int width, int height, TColor color);
void FillArea(TBitmap& bitmap, const TRect& area, TColor color);
// Piece `part` (1-based) of `count` equal pieces side by side.
BitmapPtr PieceOf(const TBitmap& source, int count, int part);
// The pictures side by side; the result is as high as the first.
BitmapPtr SideBySide(const std::vector<const TBitmap*>& pictures);
// A quarter turn clockwise.
BitmapPtr TurnedRight(const TBitmap& source);
// From `top` in the first row to `bottom` in the last.
BitmapPtr VerticalGradient(int width, int height, TColor top, TColor bottom);
// Per row, that many pixels at the left (right) end become `color`.
void PaintRunsAtLeftEnd(TBitmap& bitmap, const std::vector<int>& runs, TColor color);
void PaintRunsAtRightEnd(TBitmap& bitmap, const std::vector<int>& runs, TColor color);

}  // namespace themefile
