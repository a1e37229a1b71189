#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "PixelTestUtil.h"
#include "platform/gfx/Region.h"

using pixeltest::Picture;
using Rows = std::vector<std::string>;

namespace {

std::unique_ptr<TRgn> Owned(HRGN region) { return std::unique_ptr<TRgn>(region); }

// Every band's rectangles share top and bottom, are sorted and do not touch;
// bands are sorted and do not overlap.
void ExpectBandForm(const TRgn& region) {
  const auto& rects = region.Rects();
  for (std::size_t i = 1; i < rects.size(); ++i) {
    const TRect& a = rects[i - 1];
    const TRect& b = rects[i];
    if (a.Top == b.Top) {
      EXPECT_EQ(a.Bottom, b.Bottom);
      EXPECT_LT(a.Right, b.Left) << "runs in one band touch or overlap";
    } else {
      EXPECT_LE(a.Bottom, b.Top);
    }
  }
}

}  // namespace

TEST(Region, RectangleRegionsExcludeRightAndBottom) {
  auto r = Owned(CreateRectRgn(2, 3, 5, 7));
  EXPECT_TRUE(PtInRegion(r.get(), 2, 3));
  EXPECT_TRUE(PtInRegion(r.get(), 4, 6));
  EXPECT_FALSE(PtInRegion(r.get(), 5, 6));
  EXPECT_FALSE(PtInRegion(r.get(), 4, 7));
  TRect box;
  EXPECT_EQ(GetRgnBox(r.get(), &box), SIMPLEREGION);
  EXPECT_EQ(box, Rect(2, 3, 5, 7));
  auto swapped = Owned(CreateRectRgn(5, 7, 2, 3));
  EXPECT_TRUE(EqualRgn(r.get(), swapped.get()));
  auto empty = Owned(CreateRectRgn(4, 4, 4, 9));
  EXPECT_EQ(GetRgnBox(empty.get(), &box), NULLREGION);
}

TEST(Region, CombineOperations) {
  auto a = Owned(CreateRectRgn(0, 0, 4, 4));
  auto b = Owned(CreateRectRgn(2, 2, 6, 6));
  auto out = Owned(CreateRectRgn(0, 0, 0, 0));

  EXPECT_EQ(CombineRgn(out.get(), a.get(), b.get(), RGN_OR), COMPLEXREGION);
  EXPECT_EQ(Picture(*out, 7, 7), (Rows{"####...", "####...", "######.", "######.", "..####.", "..####.", "......."}));
  ExpectBandForm(*out);

  EXPECT_EQ(CombineRgn(out.get(), a.get(), b.get(), RGN_AND), SIMPLEREGION);
  EXPECT_EQ(out->Rects(), (std::vector<TRect>{Rect(2, 2, 4, 4)}));

  EXPECT_EQ(CombineRgn(out.get(), a.get(), b.get(), RGN_DIFF), COMPLEXREGION);
  EXPECT_EQ(Picture(*out, 7, 7), (Rows{"####...", "####...", "##.....", "##.....", ".......", ".......", "......."}));
  ExpectBandForm(*out);

  EXPECT_EQ(CombineRgn(out.get(), a.get(), b.get(), RGN_XOR), COMPLEXREGION);
  EXPECT_EQ(Picture(*out, 7, 7), (Rows{"####...", "####...", "##..##.", "##..##.", "..####.", "..####.", "......."}));
  ExpectBandForm(*out);

  EXPECT_EQ(CombineRgn(out.get(), b.get(), nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(out.get(), b.get()));

  // The destination may be one of the sources.
  EXPECT_EQ(CombineRgn(a.get(), a.get(), b.get(), RGN_DIFF), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(a.get(), 3, 3));
  EXPECT_EQ(CombineRgn(out.get(), a.get(), b.get(), 99), ERROR);
  EXPECT_EQ(CombineRgn(out.get(), a.get(), a.get(), RGN_DIFF), NULLREGION);
}

TEST(Region, UnionOfTouchingRectanglesMerges) {
  auto a = Owned(CreateRectRgn(0, 0, 3, 2));
  auto b = Owned(CreateRectRgn(3, 0, 6, 2));
  auto c = Owned(CreateRectRgn(0, 2, 6, 5));
  CombineRgn(a.get(), a.get(), b.get(), RGN_OR);
  CombineRgn(a.get(), a.get(), c.get(), RGN_OR);
  EXPECT_EQ(a->Rects(), (std::vector<TRect>{Rect(0, 0, 6, 5)}));
}

TEST(Region, OffsetAndRectInRegion) {
  auto r = Owned(CreateRectRgn(0, 0, 2, 2));
  EXPECT_EQ(OffsetRgn(r.get(), 10, -5), SIMPLEREGION);
  EXPECT_TRUE(PtInRegion(r.get(), 10, -5));
  EXPECT_FALSE(PtInRegion(r.get(), 0, 0));
  EXPECT_TRUE(RectInRegion(r.get(), Rect(11, -4, 20, 20)));
  EXPECT_FALSE(RectInRegion(r.get(), Rect(12, -5, 20, 20)));
}

// Expected corners: pixel (x, e) of a w × h corner box is kept when its
// centre lies inside the inscribed ellipse, worked out by hand below, and
// the region stops one pixel short of right and bottom.
TEST(Region, RoundRectCornersFollowTheInscribedEllipse) {
  // 4 × 4 corners: (2x-3)^2 + (2e-3)^2 <= 16 drops one pixel per corner.
  auto small = Owned(CreateRoundRectRgn(0, 0, 9, 9, 4, 4));
  EXPECT_EQ(Picture(*small, 9, 9), (Rows{".######..", "########.", "########.", "########.", "########.",
                                         "########.", "########.", ".######..", "........."}));
  // 8 × 8 corners: row 0 loses two pixels, row 1 one.
  auto round = Owned(CreateRoundRectRgn(0, 0, 11, 11, 8, 8));
  EXPECT_EQ(Picture(*round, 11, 11),
            (Rows{"..######...", ".########..", "##########.", "##########.", "##########.", "##########.",
                  "##########.", "##########.", ".########..", "..######...", "..........."}));
  // 10 × 6 corners on a 12 × 8 area.
  auto wide = Owned(CreateRoundRectRgn(0, 0, 13, 9, 10, 6));
  EXPECT_EQ(Picture(*wide, 13, 9), (Rows{"..########...", ".##########..", "############.", "############.",
                                         "############.", "############.", ".##########..", "..########...",
                                         "............."}));
  ExpectBandForm(*wide);
  // Corners too small to round give the plain (shortened) rectangle.
  auto square = Owned(CreateRoundRectRgn(1, 1, 5, 4, 1, 1));
  EXPECT_EQ(square->Rects(), (std::vector<TRect>{Rect(1, 1, 4, 3)}));
  auto ellipse = Owned(CreateEllipticRgn(0, 0, 5, 5));
  EXPECT_EQ(Picture(*ellipse, 5, 5), (Rows{".##..", "####.", "####.", ".##..", "....."}));
}

TEST(Region, PolygonRegionCoversPixelCentresInside) {
  const TPoint triangle[] = {{0, 0}, {6, 0}, {0, 6}};
  auto r = Owned(CreatePolygonRgn(triangle, 3, ALTERNATE));
  // The slanted edge passes through pixel centres, which stay outside.
  EXPECT_EQ(Picture(*r, 7, 7), (Rows{"#####..", "####...", "###....", "##.....", "#......", ".......", "......."}));
  auto none = Owned(CreatePolygonRgn(triangle, 2, ALTERNATE));
  EXPECT_EQ(RegionKind(*none), NULLREGION);
}

// Corners at the ends of the int range: the region is made at once and
// holds the shape's part within the limit, exact near the origin.
TEST(Region, ShapesWithFarCornersKeepTheirPartNearTheOrigin) {
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int L = kShapeRegionLimit;
  const TPoint everywhere[] = {{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}};
  auto all = Owned(CreatePolygonRgn(everywhere, 4, WINDING));
  EXPECT_EQ(all->Rects(), (std::vector<TRect>{Rect(-L, -L, L, L)}));

  // A slanted edge from (8, 0) to (0, INT_MIN) is still almost upright here.
  const TPoint spike[] = {{0, 0}, {8, 0}, {0, kMin}};
  auto upwards = Owned(CreatePolygonRgn(spike, 3, ALTERNATE));
  EXPECT_EQ(upwards->Rects(), (std::vector<TRect>{Rect(0, -L, 8, 0)}));
  const TPoint fan[] = {{0, 0}, {kMin, 4}, {kMax, 4}};
  auto wide = Owned(CreatePolygonRgn(fan, 3, ALTERNATE));
  EXPECT_EQ(wide->Rects(), (std::vector<TRect>{Rect(-L, 0, L, 4)}));

  auto ellipse = Owned(CreateEllipticRgn(kMin, kMin, kMax, kMax));
  EXPECT_EQ(ellipse->Rects(), (std::vector<TRect>{Rect(-L, -L, L, L)}));
  auto band = Owned(CreateRoundRectRgn(kMin, 0, kMax, 10, kMin, 4));
  EXPECT_EQ(band->Rects(), (std::vector<TRect>{Rect(-L, 0, L, 9)}));
}

TEST(Region, BuilderMergesRowsIntoBands) {
  TRgnBuilder builder;
  for (int y = 0; y < 100; ++y) {
    builder.AddSpan(y, 0, 3);
    builder.AddSpan(y, 2, 5);  // overlapping runs merge
    builder.AddSpan(y, 7, 9);
  }
  builder.AddSpan(100, 0, 9);
  const TRgn region = builder.Build();
  EXPECT_EQ(region.Rects(), (std::vector<TRect>{Rect(0, 0, 5, 100), Rect(7, 0, 9, 100), Rect(0, 100, 9, 101)}));
  // Order of addition does not matter.
  TRgnBuilder reversed;
  reversed.AddSpan(100, 0, 9);
  for (int y = 99; y >= 0; --y) {
    reversed.AddSpan(y, 7, 9);
    reversed.AddSpan(y, 0, 5);
  }
  EXPECT_EQ(reversed.Build(), region);
}

TEST(Region, BuilderMatchesUnionOfRows) {
  // A mask with a hole, built both ways.
  TRgnBuilder builder;
  TRgn slow;
  for (int y = 0; y < 20; ++y) {
    const int inset = y < 3 ? 3 - y : 0;
    const int left = inset, right = 30 - inset;
    if (y >= 8 && y < 12) {
      builder.AddSpan(y, left, 10);
      builder.AddSpan(y, 20, right);
      slow = RgnUnion(slow, TRgn(Rect(left, y, 10, y + 1)));
      slow = RgnUnion(slow, TRgn(Rect(20, y, right, y + 1)));
    } else {
      builder.AddSpan(y, left, right);
      slow = RgnUnion(slow, TRgn(Rect(left, y, right, y + 1)));
    }
  }
  EXPECT_EQ(builder.Build(), slow);
  EXPECT_EQ(slow.Rects().size(), 3u + 1 + 2 + 1);
}
