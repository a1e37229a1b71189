#include <cmath>

#include "resources/art/ArtKinds.h"

namespace art {

namespace {

struct Face {
  TColor border;
  TColor face;
  TColor glyph;
  bool showGlyph;
};

// Round coloured keys: close red, minimize amber, maximize green; the
// control box and help are grey. Their glyphs show only under the mouse.
Face MacFace(TitleGlyph glyph, int state) {
  TColor face = glyph == TitleGlyph::Close      ? Rgb(0xFF, 0x5F, 0x57)
                : glyph == TitleGlyph::Minimize ? Rgb(0xFE, 0xBC, 0x2E)
                : glyph == TitleGlyph::Maximize || glyph == TitleGlyph::Restore ? Rgb(0x28, 0xC8, 0x40)
                                                                      : Rgb(0xA8, 0xAC, 0xB4);
  bool grey = glyph == TitleGlyph::ControlBox || glyph == TitleGlyph::Help;
  if (state == 1) face = Lighter(face, 0.12);
  if (state == 2) face = Darker(face, 0.2);
  return {Darker(face, 0.3), face, Darker(face, 0.62), grey || state > 0};
}

Face TitleButtonFace(const LookStyle& s, TitleGlyph glyph, int state) {
  bool close = glyph == TitleGlyph::Close;
  auto shade = [state](TColor c) { return state == 1 ? Lighter(c, 0.22) : state == 2 ? Darker(c, 0.22) : c; };
  switch (s.look) {
    case Look::MacOS: return MacFace(glyph, state);
    case Look::WinXP:
      return {0xFFFFFF, shade(close ? Rgb(0xE0, 0x4A, 0x1E) : Rgb(0x2A, 0x70, 0xF0)), 0xFFFFFF, true};
    case Look::DeepBlue: {
      // Navy keys that light up cyan under the mouse; close turns red.
      TColor cyan = Rgb(0x38, 0xD6, 0xFF);
      if (state == 0) return {Rgb(0x6C, 0x80, 0xC0), Rgb(0x22, 0x32, 0x6C), 0xFFFFFF, true};
      if (close) return {Rgb(0xFF, 0x90, 0x90), state == 1 ? Rgb(0xC0, 0x28, 0x28) : Rgb(0x80, 0x14, 0x14), 0xFFFFFF, true};
      return {cyan, state == 1 ? Rgb(0x1C, 0x5C, 0x9C) : Rgb(0x0C, 0x24, 0x50), state == 1 ? Lighter(cyan, 0.6) : cyan,
              true};
    }
    case Look::Protein:
      if (close && state > 0) return {Rgb(0x70, 0x08, 0x0C), shade(Rgb(0xD0, 0x24, 0x2A)), 0xFFFFFF, true};
      return {Rgb(0x1E, 0x1E, 0x22), shade(Rgb(0x5C, 0x5C, 0x64)), state == 1 ? 0xFFFFFF : Rgb(0xDC, 0xDC, 0xE0),
              true};
    case Look::BlueGlass:
      return {Rgb(0x0E, 0x30, 0x78), shade(close ? Rgb(0xD0, 0x48, 0x48) : Rgb(0x3A, 0x78, 0xD8)), 0xFFFFFF, true};
  }
  return {};
}

}  // namespace

void DrawTitleButtons(TBitmap& bmp, const LookStyle& s) {
  const TitleGlyph glyphs[] = {TitleGlyph::ControlBox, TitleGlyph::Help, TitleGlyph::Maximize,
                          TitleGlyph::Restore, TitleGlyph::Minimize, TitleGlyph::Close};
  bool mac = s.look == Look::MacOS;
  bool round = mac || s.look == Look::Protein;
  for (int frame = 0; frame < 18; ++frame) {
    TitleGlyph glyph = glyphs[frame / 3];
    int state = frame % 3;
    Painter p(bmp, frame, 18);
    int n = p.Width();
    // Opaque looks sit the buttons on the title bar's own colours.
    p.Fill([&](double, double y) { return TitleRowColor(s, s.titleButtonTop + int(y), s.titleHeight); });
    double radius = mac ? n * 0.4 : n / 2.0 - 0.5;
    Shape outer = round ? Circle(n / 2.0, n / 2.0, radius) : RoundRect(0, 0, n, n, 3);
    Shape inner = round ? Circle(n / 2.0, n / 2.0, radius - 1) : RoundRect(1, 1, n - 1, n - 1, 2);
    Face c = TitleButtonFace(s, glyph, state);
    p.Fill(outer, Solid(c.border));
    p.Fill(inner, state == 2 ? VerticalStops(1, n - 1, {{0, Darker(c.face, 0.15)}, {1, Lighter(c.face, 0.3)}})
                             : Gloss(1, n - 1, c.face));
    if (round && state != 2) {
      // A soft light on the upper part of the ball.
      p.Fill(RoundRect(n * 0.3, n * 0.16, n * 0.7, n * 0.4, n * 0.12), Solid(0xFFFFFF), mac ? 0.45 : 0.2);
    }
    // The glyph box has the parity of the button so it sits on whole pixels.
    int g = mac ? 7 : int(std::lround(n * 0.45));
    if ((n - g) % 2) ++g;
    double t = g < 9 ? 0.5 : 1.0;
    int off = (n - g) / 2 + (state == 2 ? 1 : 0);
    TitleGlyph shown = mac && glyph == TitleGlyph::Maximize ? TitleGlyph::Plus : glyph;
    if (c.showGlyph) p.Fill(TitleGlyphShape(shown, off, off, g, t), Solid(c.glyph));
    if (s.titleButtonTransparent) p.MaskOutside(outer);
  }
}

}  // namespace art
