#include <cmath>

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

// The bar's rows, a 1-pixel highlight under the frame and a dark last row.
void PaintTitleRows(Painter& p, const LookStyle& s) {
  int h = p.Height();
  p.Fill([&](double, double y) { return TitleRowColor(s, int(y), h); });
  p.Fill(RoundRect(-1, FrameWidth(s), p.Width() + 1, FrameWidth(s) + 1, 0),
         Solid(Lighter(TitleRowColor(s, FrameWidth(s), h), 0.45)));
  p.Fill(RoundRect(-1, h - 1, p.Width() + 1, h, 0), Solid(Darker(s.titleBottom, 0.25)));
  p.Fill(RoundRect(-1, 0, p.Width() + 1, FrameWidth(s), 0), Solid(FrameColor(s)));
}

// Decorations at the outer ends of the bar.
void PaintEndDecoration(Painter& p, const LookStyle& s, bool left) {
  double w = p.Width(), h = p.Height();
  switch (s.look) {
    case Look::Protein:
      if (left) {
        // The white caption sits on a red band that ends in a slant.
        int end = int(w) - 40;
        Shape band = Polygon({{0, 1}, {end, 1}, {end - 18, int(h) - 1}, {0, int(h) - 1}});
        p.Fill(band, VerticalStops(1, h - 1, {{0, Rgb(0xF0, 0x5A, 0x5A)}, {0.5, Rgb(0xC8, 0x1E, 0x24)},
                                              {1, Rgb(0x90, 0x10, 0x14)}}));
        p.Fill(Segment(end + 4, 1, end - 14, h - 1, 1.2), Solid(Rgb(0xE0, 0x40, 0x40)), 0.6);
      }
      break;
    default:
      break;
  }
}

void PaintSide(Painter& p, const LookStyle& s, bool left) {
  PaintTitleRows(p, s);
  PaintEndDecoration(p, s, left);
  double w = p.Width(), h = p.Height();
  int fw = FrameWidth(s);
  double r = s.formRadius;
  Shape body = left ? RoundRect(0, 0, w + r + 4, h + r + 4, r) : RoundRect(-r - 4, 0, w, h + r + 4, r);
  // Frame along the outer edge, rounded where the window is.
  Shape inside = left ? RoundRect(fw, fw, w + r + 4, h + r + 4, std::max(0.0, r - fw))
                      : RoundRect(-r - 4, fw, w - fw, h + r + 4, std::max(0.0, r - fw));
  p.Fill(Subtract(body, inside), Solid(FrameColor(s)));
  if (r > 0) {
    if (left) {
      // Drawn opaque: the window's region cuts this corner away.
      p.Fill(Subtract(RoundRect(-1, -1, r + 1, r + 1, 0), body), Solid(FrameColor(s)));
    } else {
      p.MaskOutside(body);  // drawn with the transparent colour onto the form colour
    }
  }
}

}  // namespace

void DrawTitleLeft(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  PaintSide(p, s, true);
}

void DrawTitleClient(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  PaintTitleRows(p, s);
}

void DrawTitleRight(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  PaintSide(p, s, false);
}

}  // namespace art
