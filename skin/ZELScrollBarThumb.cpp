#include "skin/ZELScrollBarThumb.h"

#include <algorithm>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace detail {

namespace {

// Rectangles given along and across the bar, whatever its direction.
class TAxis {
 public:
  explicit TAxis(bool vertical) : vertical_(vertical) {}
  int Length(const TBitmap& b) const { return vertical_ ? b.Height() : b.Width(); }
  int Thickness(const TBitmap& b) const { return vertical_ ? b.Width() : b.Height(); }
  TRect Span(int from, int to, int thickness) const {
    return vertical_ ? TRect{0, from, thickness, to} : TRect{from, 0, to, thickness};
  }

 private:
  bool vertical_;
};

// Stretches the part [from, to) of piece along the bar into [at, atEnd)
// of the thumb; empty parts draw nothing.
void StretchAlong(TCanvas& canvas, const TAxis& axis, int thickness, int at, int atEnd, const TBitmap& piece,
                  int from, int to) {
  if (atEnd <= at || to <= from) return;
  const TRect dest = axis.Span(at, atEnd, thickness);
  const TRect source = axis.Span(from, to, axis.Thickness(piece));
  canvas.StretchBltBitmap(dest.Left, dest.Top, dest.Width(), dest.Height(), piece, source.Left, source.Top,
                          source.Width(), source.Height(), SRCCOPY);
}

}  // namespace

void ComposeScrollThumb(const TBitmap& start, const TBitmap& middle, const TBitmap& end, bool vertical, int length,
                        bool capsKeepEnds, TBitmap& thumb) {
  const TAxis axis(vertical);
  const int thickness = axis.Thickness(start);
  if (length <= 0 || thickness <= 0) {
    thumb.SetSize(0, 0);
    return;
  }
  const TRect whole = axis.Span(0, length, thickness);
  thumb.SetSize(whole.Width(), whole.Height());
  TCanvas& canvas = *thumb.Canvas();
  const int startLen = axis.Length(start), midLen = axis.Length(middle), endLen = axis.Length(end);
  StretchAlong(canvas, axis, thickness, 0, std::min(startLen, length), start, 0, std::min(startLen, length));

  if (capsKeepEnds) {
    constexpr int kEnd = 3;
    const int endKept = std::max(0, endLen - kEnd);
    StretchAlong(canvas, axis, thickness, length - kEnd, length, end, endKept, endLen);
    if (length - 2 * kEnd < midLen) {
      StretchAlong(canvas, axis, thickness, kEnd, length - kEnd, middle, 0, midLen);
      return;
    }
    const int m = (length - (midLen + 2 * kEnd)) / 2 + kEnd;
    StretchAlong(canvas, axis, thickness, m, m + midLen, middle, 0, midLen);
    StretchAlong(canvas, axis, thickness, kEnd, m, start, kEnd, startLen);
    StretchAlong(canvas, axis, thickness, m + midLen, length - kEnd, end, 0, endKept);
    return;
  }
  const int endAt = length - endLen;
  StretchAlong(canvas, axis, thickness, endAt, length, end, 0, endLen);
  StretchAlong(canvas, axis, thickness, startLen, endAt, middle, 0, midLen);
}

}  // namespace detail
