#include <cmath>

#include "platform/gfx/Region.h"
#include "resources/art/ArtKinds.h"

namespace art {

namespace {

TColor FrameColor(const LookStyle& s) {
  switch (s.look) {
    case Look::MacOS: return Rgb(0x7F, 0x7F, 0x7F);
    case Look::WinXP: return Rgb(0x00, 0x2C, 0xC8);
    default: return 0x000000;
  }
}

int FrameWidth(const LookStyle& s) { return s.look == Look::WinXP ? 3 : 1; }

// Rows of the bar: the frame on top, a highlight under it, an accent line
// in some looks and a dark last row.
void PaintTitleRows(Painter& p, const LookStyle& s) {
  int h = p.Height(), fw = FrameWidth(s);
  double w = p.Width();
  auto row = [&](int y, TColor color, double opacity = 1.0) {
    p.Fill(RoundRect(-1, y, w + 1, y + 1, 0), Solid(color), opacity);
  };
  p.Fill([&](double, double y) { return TitleRowColor(s, int(y), h); });
  switch (s.look) {
    case Look::BlueGlass: row(fw, 0xFFFFFF, 0.85); row(fw + 1, 0xFFFFFF, 0.35); break;
    case Look::DeepBlue: row(fw, Rgb(0x7C, 0x92, 0xD8)); row(h - 2, Rgb(0x38, 0xD6, 0xFF)); break;
    case Look::Protein: row(fw, Rgb(0x94, 0x94, 0x9A)); row(h - 2, Rgb(0xC8, 0x1E, 0x24)); break;
    default: row(fw, Lighter(TitleRowColor(s, fw, h), 0.45)); break;
  }
  row(h - 1, Darker(TitleRowColor(s, h - 1, h), 0.3));
  for (int y = 0; y < fw; ++y) row(y, FrameColor(s));
}

// Protein's red accent: a slanted block behind the control box.
void PaintProteinAccent(Painter& p) {
  int h = p.Height();
  Shape block = Polygon({{1, 1}, {21, 1}, {13, h - 2}, {1, h - 2}});
  p.Fill(block, VerticalStops(1, h - 2, {{0, Rgb(0xF0, 0x5A, 0x5A)}, {0.5, Rgb(0xC8, 0x1E, 0x24)},
                                         {1, Rgb(0x90, 0x10, 0x14)}}));
  p.Fill(Segment(21.5, 1.5, 13.5, h - 2.5, 0.6), Solid(Rgb(0xFF, 0x9A, 0x9A)), 0.6);
}

// The window region: a round rectangle whose corner ellipse is `radius`
// across, reaching past the picture's right edge by one column as the
// skinned window's region does. Square corners leave rows and columns
// outside the picture only.
class WindowRegion {
 public:
  WindowRegion(int width, int radius, bool left) : width_(width), radius_(radius), left_(left) {
    const int far = 4000;
    if (radius_ > 0)
      region_ = left ? CreateRoundRectRgn(0, 0, far, far, radius, radius)
                     : CreateRoundRectRgn(width - far, 0, width + 1, far, radius, radius);
  }
  ~WindowRegion() {
    if (region_) DeleteObject(region_);
  }
  WindowRegion(const WindowRegion&) = delete;
  WindowRegion& operator=(const WindowRegion&) = delete;

  bool Outside(int x, int y) const {
    return region_ ? !PtInRegion(region_, x, y) : (y < 0 || (left_ ? x < 0 : x >= width_));
  }

 private:
  int width_, radius_;
  bool left_;
  HRGN region_ = nullptr;
};

}  // namespace

// The frame down the outer side and round the window's corner. The corner
// follows the window region exactly, so no pixel is half inside; the
// pixels the region cuts off take `outsideColor`: the region hides them on
// a window, and the title pictures give them the frame colour, so a bar
// standing on its own shows a square corner rather than the transparent
// colour (which the built-in looks do not mask).
void PaintFrameCorner(Painter& p, TColor frame, int frameWidth, int cornerSize, bool left, TColor outsideColor) {
  int w = p.Width(), h = p.Height(), fw = frameWidth;
  const WindowRegion region(w, cornerSize, left);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (region.Outside(x, y)) {
        p.SetPixel(x, y, outsideColor);
        continue;
      }
      bool nearEdge = false;
      for (int dy = -fw; dy <= fw && !nearEdge; ++dy)
        for (int dx = -fw; dx <= fw && !nearEdge; ++dx) nearEdge = region.Outside(x + dx, y + dy);
      if (nearEdge) p.SetPixel(x, y, frame);
    }
  }
}

void DrawTitleLeft(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  PaintTitleRows(p, s);
  if (s.look == Look::Protein) PaintProteinAccent(p);
  PaintFrameCorner(p, FrameColor(s), FrameWidth(s), s.formRadius, true, FrameColor(s));
}

void DrawTitleClient(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  PaintTitleRows(p, s);
}

void DrawTitleRight(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  PaintTitleRows(p, s);
  PaintFrameCorner(p, FrameColor(s), FrameWidth(s), s.formRadius, false, FrameColor(s));
}

std::vector<int> TitleCornerCuts(int radius, int width, int height) {
  const WindowRegion region(width, radius, false);
  std::vector<int> cuts(height, 0);
  for (int y = 0; y < height; ++y)
    while (cuts[y] < width && region.Outside(width - 1 - cuts[y], y)) ++cuts[y];
  return cuts;
}

}  // namespace art
