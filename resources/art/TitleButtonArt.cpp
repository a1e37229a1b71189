#include <cmath>

#include "resources/art/ArtKinds.h"

namespace art {

namespace {

enum class Glyph { ControlBox, Help, Maximize, Restore, Minimize, Close };

// The glyph inside a box of side g whose top-left is (x, y).
Shape GlyphShape(Glyph glyph, double x, double y, double g) {
  double t = std::max(0.75, g / 9.0);  // half the stroke width
  switch (glyph) {
    case Glyph::Close:
      return Union(Segment(x, y, x + g, y + g, t), Segment(x + g, y, x, y + g, t));
    case Glyph::Minimize:
      return Segment(x + 1, y + g - t, x + g - 1, y + g - t, t);
    case Glyph::Maximize:
      return Union(Outline(RoundRect(x, y, x + g, y + g, 0.5), t * 0.9),
                   RoundRect(x, y, x + g, y + 2 * t + 0.5, 0));
    case Glyph::Restore: {
      double q = g * 0.68;
      Shape back = Outline(RoundRect(x + g - q, y, x + g, y + q, 0.5), t * 0.8);
      Shape front = RoundRect(x, y + g - q, x + q, y + g, 0.5);
      return Union(Subtract(back, front), Outline(front, t * 0.8));
    }
    case Glyph::Help: {
      // A hook over the top and down the right, then a short stem and a dot.
      double r = g * 0.28;
      double cx = x + g / 2, cy = y + r + t;
      Shape mark = Segment(cx, cy + r * 0.9, cx, y + g * 0.68, t);
      double px = cx + r * std::cos(2.8), py = cy - r * std::sin(2.8);
      for (double a = 2.8; a > -1.2; a -= 0.2) {
        double nx = cx + r * std::cos(a - 0.2), ny = cy - r * std::sin(a - 0.2);
        mark = Union(mark, Segment(px, py, nx, ny, t));
        px = nx, py = ny;
      }
      mark = Union(mark, Segment(px, py, cx, cy + r * 0.9, t));
      return Union(mark, Circle(cx, y + g - t, t * 1.1));
    }
    case Glyph::ControlBox: {
      Shape frame = Outline(RoundRect(x, y + 1, x + g, y + g - 1, 1), t * 0.7);
      return Union(frame, RoundRect(x, y + 1, x + g, y + 1 + 2 * t + 0.5, 1));
    }
  }
  return Circle(0, 0, 0);
}

struct FaceColors {
  TColor border;
  TColor face;
  TColor glyph;
};

FaceColors TitleButtonColors(const LookStyle& s, Glyph glyph, int state) {
  bool close = glyph == Glyph::Close;
  auto shade = [state](TColor c) { return state == 1 ? Lighter(c, 0.25) : state == 2 ? Darker(c, 0.2) : c; };
  switch (s.look) {
    case Look::MacOS:
      if (state == 0) return {Rgb(0x8A, 0x8A, 0x8A), Rgb(0xE4, 0xE4, 0xE4), Rgb(0x50, 0x50, 0x50)};
      return {Rgb(0x1E, 0x4E, 0x96), shade(Rgb(0x4C, 0x8C, 0xE6)), 0xFFFFFF};
    case Look::WinXP:
      return {0xFFFFFF, shade(close ? Rgb(0xE0, 0x4A, 0x1E) : Rgb(0x2A, 0x70, 0xF0)), 0xFFFFFF};
    case Look::DeepBlue:
      return {Rgb(0x9A, 0xA8, 0xD8), shade(close && state ? Rgb(0xB0, 0x24, 0x24) : Rgb(0x26, 0x34, 0x6E)), 0xFFFFFF};
    case Look::Protein:
      if (state == 0) return {Rgb(0x90, 0x90, 0x96), Rgb(0xEE, 0xEE, 0xF0), Rgb(0x50, 0x50, 0x56)};
      return {Rgb(0x80, 0x10, 0x14), shade(close ? Rgb(0xD8, 0x30, 0x30) : Rgb(0x9E, 0xA4, 0xB4)), 0xFFFFFF};
    case Look::BlueGlass:
      return {Rgb(0x0E, 0x30, 0x78), shade(close ? Rgb(0xD0, 0x48, 0x48) : Rgb(0x3A, 0x78, 0xD8)), 0xFFFFFF};
  }
  return {};
}

}  // namespace

void DrawTitleButtons(TBitmap& bmp, const LookStyle& s) {
  const Glyph glyphs[] = {Glyph::ControlBox, Glyph::Help, Glyph::Maximize,
                          Glyph::Restore, Glyph::Minimize, Glyph::Close};
  bool round = s.look == Look::MacOS || s.look == Look::Protein;
  for (int frame = 0; frame < 18; ++frame) {
    Glyph glyph = glyphs[frame / 3];
    int state = frame % 3;
    Painter p(bmp, frame, 18);
    double n = p.Width();
    // Opaque looks sit the buttons on the title bar's own colours.
    p.Fill([&](double, double y) { return TitleRowColor(s, s.titleButtonTop + int(y), s.titleHeight); });
    Shape outer = round ? Circle(n / 2, n / 2, n / 2 - 0.5) : RoundRect(0, 0, n, n, 3);
    Shape inner = round ? Circle(n / 2, n / 2, n / 2 - 1.5) : RoundRect(1, 1, n - 1, n - 1, 2);
    FaceColors c = TitleButtonColors(s, glyph, state);
    p.Fill(outer, Solid(c.border));
    p.Fill(inner, state == 2 ? VerticalStops(1, n - 1, {{0, Darker(c.face, 0.15)}, {1, Lighter(c.face, 0.3)}})
                             : Gloss(1, n - 1, c.face));
    double g = std::round(n * (round ? 0.42 : 0.45));
    double off = (n - g) / 2 + (state == 2 ? 0.5 : 0);
    p.Fill(GlyphShape(glyph, off, off, g), Solid(c.glyph));
    if (s.titleButtonTransparent) p.MaskOutside(outer);
  }
}

}  // namespace art
