#pragma once
// Theme bitmaps hold several equal pieces side by side (button states,
// title-bar buttons, ...); controls draw one piece at a time.

class TBitmap;

// Dest becomes piece `part` (1-based) of `count` equal pieces of source:
// piece width = source width div count, full height. The last piece is
// taken flush with the right edge, so it absorbs a remainder of the
// division; the older build starts every piece at (part-1) x piece width.
// Nothing happens for a count below 1 or a part outside 1..count.
void CopyBitmapPiece(const TBitmap& source, TBitmap& dest, int count, int part);
