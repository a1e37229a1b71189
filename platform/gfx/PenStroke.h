#pragma once
// Lines drawn with a pen: one-pixel pens follow their dash pattern (gaps in
// the background colour when the background is opaque); wider pens are
// solid with round caps, and every pixel they cover is painted once.

#include <span>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/PixelOps.h"

namespace detail {

struct PenSettings {
  std::uint32_t pixel = 0;
  std::uint32_t background = 0;
  bool opaqueGaps = false;
  int mode = pmCopy;
  int width = 1;
  TPenStyle style = psSolid;
};

class PenStroke {
 public:
  PenStroke(SpanPainter& painter, const PenSettings& pen);
  ~PenStroke();  // paints what a wide pen collected
  PenStroke(const PenStroke&) = delete;
  PenStroke& operator=(const PenStroke&) = delete;

  // From a towards b in bitmap coordinates; a one-pixel pen leaves out b,
  // a wide pen's round cap covers it.
  void Line(TPoint a, TPoint b);

 private:
  void ThinLine(TPoint a, TPoint b);
  void WideLine(TPoint a, TPoint b);
  void Dot(TPoint centre);
  void Plot(int x, int y);
  void SkipDashes(std::int64_t steps);

  SpanPainter& painter_;
  PenSettings pen_;
  TRect visible_;  // the clip's bounding box: nothing outside is drawn
  std::span<const int> dashes_;
  int dashIndex_ = 0;
  int dashLeft_ = 0;
  TRgnBuilder wide_;
};

}  // namespace detail
