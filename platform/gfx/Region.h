#pragma once
// Regions: sets of pixels kept as non-overlapping rectangles sorted in
// horizontal bands (top to bottom, left to right within a band).

#include <vector>

#include "platform/base/Types.h"

class TRgn {
 public:
  TRgn() = default;
  explicit TRgn(const TRect& rect);

  bool Empty() const { return rects_.empty(); }
  bool Contains(int x, int y) const;
  const std::vector<TRect>& Rects() const { return rects_; }
  TRect BoundingBox() const;
  void Offset(int dx, int dy);

  // Builds a region from rectangles already in band form (used by the
  // region operations; the caller keeps the ordering rules).
  static TRgn FromBands(std::vector<TRect> rects);

  friend bool operator==(const TRgn&, const TRgn&) = default;

 private:
  std::vector<TRect> rects_;
};

// Boolean operations on regions.
TRgn RgnUnion(const TRgn& a, const TRgn& b);
TRgn RgnIntersect(const TRgn& a, const TRgn& b);
TRgn RgnSubtract(const TRgn& a, const TRgn& b);
TRgn RgnXor(const TRgn& a, const TRgn& b);

// Collects horizontal runs (in any order; overlapping is fine) and turns
// them into one region in a single pass: fast for shapes made row by row.
class TRgnBuilder {
 public:
  void AddSpan(int y, int left, int right);  // pixels left..right-1 of row y
  void AddRect(const TRect& rect);
  TRgn Build() const;

 private:
  struct Span {
    int y, left, right;
  };
  std::vector<Span> spans_;
  std::vector<TRect> rects_;
};

// The window system's handle vocabulary.
using HRGN = TRgn*;

constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// Rectangles keep the coordinates they are given. Ellipses, rounded
// rectangles and polygons are scanned row by row, so their regions keep
// only the part within kShapeRegionLimit pixels of the origin on either
// axis (far beyond any window or surface): however far their corners lie,
// they are made at once and fit in memory.
constexpr int kShapeRegionLimit = 1 << 16;

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const TRect& rect);
// The corner ellipses have the given width and height; like the window
// system, the region stops one pixel short of right and bottom.
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int widthEllipse, int heightEllipse);
// Also one pixel short of right and bottom, as the window system does.
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const TRect& rect);
HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode);
// A new region owning a copy of region (handy for handing regions around).
HRGN CreateRgnCopy(const TRgn& region);

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
bool PtInRegion(HRGN region, int x, int y);
bool RectInRegion(HRGN region, const TRect& rect);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, TRect* box);
bool EqualRgn(HRGN a, HRGN b);
bool SetRectRgn(HRGN region, int left, int top, int right, int bottom);
bool DeleteObject(HRGN region);

// NULLREGION, SIMPLEREGION or COMPLEXREGION.
int RegionKind(const TRgn& region);
