#include "platform/gfx/Region.h"

#include <algorithm>

#include "platform/gfx/PixelOps.h"
#include "platform/gfx/Scanline.h"

namespace {

struct Span {
  int left, right;
  friend bool operator==(const Span&, const Span&) = default;
};
using Spans = std::vector<Span>;

// Appends one band, merging it into the previous band when that one ends
// where this starts and covers the same runs.
class BandWriter {
 public:
  void Add(int top, int bottom, const Spans& spans) {
    if (spans.empty() || top >= bottom) return;
    if (lastBottom_ == top && lastSpans_ == spans) {
      for (std::size_t i = rects_.size() - spans.size(); i < rects_.size(); ++i) rects_[i].Bottom = bottom;
    } else {
      for (const Span& s : spans) rects_.push_back({s.left, top, s.right, bottom});
      lastSpans_ = spans;
    }
    lastBottom_ = bottom;
  }
  std::vector<TRect> Take() { return std::move(rects_); }

 private:
  std::vector<TRect> rects_;
  Spans lastSpans_;
  int lastBottom_ = 0;
};

// The runs of a region within the band that starts at rects[index].
Spans BandSpans(const std::vector<TRect>& rects, std::size_t index) {
  Spans spans;
  for (std::size_t i = index; i < rects.size() && rects[i].Top == rects[index].Top; ++i)
    spans.push_back({rects[i].Left, rects[i].Right});
  return spans;
}

// Combines two sorted run lists with a boolean operation on membership.
template <typename Op>
Spans CombineSpans(const Spans& a, const Spans& b, Op op) {
  std::vector<int> xs;
  for (const Span& s : a) xs.insert(xs.end(), {s.left, s.right});
  for (const Span& s : b) xs.insert(xs.end(), {s.left, s.right});
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  Spans out;
  std::size_t ia = 0, ib = 0;
  for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
    const int x = xs[i];
    while (ia < a.size() && a[ia].right <= x) ++ia;
    while (ib < b.size() && b[ib].right <= x) ++ib;
    const bool inA = ia < a.size() && a[ia].left <= x;
    const bool inB = ib < b.size() && b[ib].left <= x;
    if (!op(inA, inB)) continue;
    if (!out.empty() && out.back().right == x) out.back().right = xs[i + 1];
    else out.push_back({x, xs[i + 1]});
  }
  return out;
}

template <typename Op>
TRgn Combine(const TRgn& a, const TRgn& b, Op op) {
  const std::vector<TRect>& ra = a.Rects();
  const std::vector<TRect>& rb = b.Rects();
  std::vector<int> ys;
  for (const TRect& r : ra) ys.insert(ys.end(), {r.Top, r.Bottom});
  for (const TRect& r : rb) ys.insert(ys.end(), {r.Top, r.Bottom});
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  BandWriter out;
  std::size_t ia = 0, ib = 0;
  const Spans none;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    const int y = ys[i];
    while (ia < ra.size() && ra[ia].Bottom <= y) ++ia;
    while (ib < rb.size() && rb[ib].Bottom <= y) ++ib;
    const bool inA = ia < ra.size() && ra[ia].Top <= y;
    const bool inB = ib < rb.size() && rb[ib].Top <= y;
    const Spans sa = inA ? BandSpans(ra, ia) : none;
    const Spans sb = inB ? BandSpans(rb, ib) : none;
    out.Add(y, ys[i + 1], CombineSpans(sa, sb, op));
  }
  return TRgn::FromBands(out.Take());
}

// A shape's corners, those beyond the drawing coordinates brought to their
// edge so that sizes fit an int.
TRect WithinReach(int left, int top, int right, int bottom) {
  return detail::Shifted(TRect{left, top, right, bottom}, {0, 0});
}

// Adds the runs of a scanned shape, cut to the columns a shape region keeps.
detail::SpanSink ShapeSpanSink(TRgnBuilder& builder) {
  return [&builder](int y, int left, int right) {
    builder.AddSpan(y, std::max(left, -kShapeRegionLimit), std::min(right, kShapeRegionLimit));
  };
}

}  // namespace

TRgn::TRgn(const TRect& rect) {
  if (!rect.IsEmpty()) rects_.push_back(rect);
}

TRgn TRgn::FromBands(std::vector<TRect> rects) {
  TRgn region;
  region.rects_ = std::move(rects);
  return region;
}

bool TRgn::Contains(int x, int y) const {
  // Bands are sorted, so the first rectangle ending below y starts its band.
  auto it = std::partition_point(rects_.begin(), rects_.end(), [y](const TRect& r) { return r.Bottom <= y; });
  if (it == rects_.end() || it->Top > y) return false;
  for (const int top = it->Top; it != rects_.end() && it->Top == top; ++it)
    if (x >= it->Left && x < it->Right) return true;
  return false;
}

TRect TRgn::BoundingBox() const {
  if (rects_.empty()) return {};
  TRect box{rects_.front().Left, rects_.front().Top, rects_.front().Right, rects_.back().Bottom};
  for (const TRect& r : rects_) {
    box.Left = std::min(box.Left, r.Left);
    box.Right = std::max(box.Right, r.Right);
  }
  return box;
}

void TRgn::Offset(int dx, int dy) {
  for (TRect& r : rects_) OffsetRect(r, dx, dy);
}

TRgn RgnUnion(const TRgn& a, const TRgn& b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return Combine(a, b, [](bool x, bool y) { return x || y; });
}
TRgn RgnIntersect(const TRgn& a, const TRgn& b) {
  if (a.Rects().size() == 1 && b.Rects().size() == 1) {
    TRect r;
    IntersectRect(r, a.Rects()[0], b.Rects()[0]);
    return TRgn(r);
  }
  return Combine(a, b, [](bool x, bool y) { return x && y; });
}
TRgn RgnSubtract(const TRgn& a, const TRgn& b) {
  return Combine(a, b, [](bool x, bool y) { return x && !y; });
}
TRgn RgnXor(const TRgn& a, const TRgn& b) {
  return Combine(a, b, [](bool x, bool y) { return x != y; });
}

void TRgnBuilder::AddSpan(int y, int left, int right) {
  if (left < right) spans_.push_back({y, left, right});
}

void TRgnBuilder::AddRect(const TRect& rect) {
  if (rect.IsEmpty()) return;
  for (int y = rect.Top; y < rect.Bottom; ++y) AddSpan(y, rect.Left, rect.Right);
}

TRgn TRgnBuilder::Build() const {
  std::vector<Span> sorted = spans_;
  const bool inOrder = std::is_sorted(sorted.begin(), sorted.end(), [](const Span& a, const Span& b) {
    return a.y != b.y ? a.y < b.y : a.left < b.left;
  });
  if (!inOrder)
    std::sort(sorted.begin(), sorted.end(), [](const Span& a, const Span& b) {
      return a.y != b.y ? a.y < b.y : a.left < b.left;
    });
  BandWriter out;
  Spans row;
  for (std::size_t i = 0; i < sorted.size();) {
    const int y = sorted[i].y;
    row.clear();
    for (; i < sorted.size() && sorted[i].y == y; ++i) {
      if (!row.empty() && sorted[i].left <= row.back().right)
        row.back().right = std::max(row.back().right, sorted[i].right);
      else
        row.push_back({sorted[i].left, sorted[i].right});
    }
    out.Add(y, y + 1, row);
  }
  return TRgn::FromBands(out.Take());
}

int RegionKind(const TRgn& region) {
  if (region.Empty()) return NULLREGION;
  return region.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  return new TRgn(TRect{std::min(left, right), std::min(top, bottom), std::max(left, right),
                        std::max(top, bottom)});
}

HRGN CreateRectRgnIndirect(const TRect& rect) {
  return CreateRectRgn(rect.Left, rect.Top, rect.Right, rect.Bottom);
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int widthEllipse, int heightEllipse) {
  const TRect near = WithinReach(left, top, right, bottom);
  const TRect box{std::min(near.Left, near.Right), std::min(near.Top, near.Bottom),
                  std::max(near.Left, near.Right) - 1, std::max(near.Top, near.Bottom) - 1};
  TRgnBuilder builder;
  detail::RoundRectSpans(box, widthEllipse, heightEllipse, -kShapeRegionLimit, kShapeRegionLimit,
                         ShapeSpanSink(builder));
  return new TRgn(builder.Build());
}

HRGN CreateEllipticRgn(int left, int top, int right, int bottom) {
  const TRect near = WithinReach(left, top, right, bottom);
  return CreateRoundRectRgn(near.Left, near.Top, near.Right, near.Bottom, std::abs(near.Right - near.Left),
                            std::abs(near.Bottom - near.Top));
}

HRGN CreateEllipticRgnIndirect(const TRect& rect) {
  return CreateEllipticRgn(rect.Left, rect.Top, rect.Right, rect.Bottom);
}

HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode) {
  TRgnBuilder builder;
  if (points && count > 0)
    detail::PolygonSpans(std::span<const TPoint>(points, static_cast<std::size_t>(count)), fillMode,
                         -kShapeRegionLimit, kShapeRegionLimit, ShapeSpanSink(builder));
  return new TRgn(builder.Build());
}

HRGN CreateRgnCopy(const TRgn& region) { return new TRgn(region); }

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
  if (!dest || !src1) return ERROR;
  if (mode == RGN_COPY) {
    *dest = *src1;
    return RegionKind(*dest);
  }
  if (!src2) return ERROR;
  switch (mode) {
    case RGN_AND: *dest = RgnIntersect(*src1, *src2); break;
    case RGN_OR: *dest = RgnUnion(*src1, *src2); break;
    case RGN_XOR: *dest = RgnXor(*src1, *src2); break;
    case RGN_DIFF: *dest = RgnSubtract(*src1, *src2); break;
    default: return ERROR;
  }
  return RegionKind(*dest);
}

bool PtInRegion(HRGN region, int x, int y) { return region && region->Contains(x, y); }

bool RectInRegion(HRGN region, const TRect& rect) {
  return region && !RgnIntersect(*region, TRgn(rect)).Empty();
}

int OffsetRgn(HRGN region, int dx, int dy) {
  if (!region) return ERROR;
  region->Offset(dx, dy);
  return RegionKind(*region);
}

int GetRgnBox(HRGN region, TRect* box) {
  if (!region || !box) return ERROR;
  *box = region->BoundingBox();
  return RegionKind(*region);
}

bool EqualRgn(HRGN a, HRGN b) { return a && b && *a == *b; }

bool SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
  if (!region) return false;
  *region = TRgn(TRect{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)});
  return true;
}

bool DeleteObject(HRGN region) {
  if (!region) return false;
  delete region;
  return true;
}
