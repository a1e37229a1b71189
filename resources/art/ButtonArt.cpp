#include "resources/art/ArtKinds.h"

namespace art {

namespace {

struct ButtonColors {
  TColor border;
  TColor face;
  TColor hotFace;
  TColor downFace;
  double radius;
};

ButtonColors PushButtonColors(const LookStyle& s, int height) {
  switch (s.look) {
    case Look::MacOS:
      return {Rgb(0x8E, 0x8E, 0x8E), Rgb(0xF2, 0xF2, 0xF2), Rgb(0x9C, 0xC8, 0xF4), Rgb(0x4E, 0x8E, 0xE0),
              height / 2.0 - 3};
    case Look::WinXP:
      return {Rgb(0x00, 0x3C, 0x74), Rgb(0xF2, 0xF0, 0xE6), Rgb(0xF4, 0xF2, 0xE8), Rgb(0xE6, 0xE3, 0xD7), 3};
    case Look::DeepBlue:
      return {Rgb(0x10, 0x1C, 0x48), Rgb(0xC8, 0xD2, 0xEA), Rgb(0xDC, 0xE6, 0xFF), Rgb(0x96, 0xA6, 0xD0), 3};
    case Look::Protein:
      return {Rgb(0x5A, 0x5A, 0x60), Rgb(0xEA, 0xEA, 0xEE), Rgb(0xFF, 0xEE, 0xEE), Rgb(0xCC, 0xCC, 0xD2), 4};
    case Look::BlueGlass:
      return {Rgb(0x1E, 0x50, 0xA0), Rgb(0xB8, 0xD4, 0xF6), Rgb(0xD2, 0xE6, 0xFF), Rgb(0x84, 0xAE, 0xE8), 7};
  }
  return {};
}

// The face of one state: a smooth white-to-beige fall for WinXP, gloss for
// the others; pressed faces are lit from below.
Paint FaceFill(const LookStyle& s, int state, TColor face, double h) {
  if (state == 2) return VerticalStops(1, h - 1, {{0, Darker(face, 0.1)}, {1, Lighter(face, 0.3)}});
  if (s.look == Look::WinXP)
    return VerticalStops(1, h - 1, {{0, 0xFFFFFF}, {0.7, face}, {0.9, Darker(face, 0.05)}, {1, Darker(face, 0.12)}});
  return Gloss(1, h - 1, face);
}

}  // namespace

void DrawPushButton(TBitmap& bmp, const LookStyle& s) {
  ButtonColors c = PushButtonColors(s, bmp.Height());
  for (int state = 0; state < 3; ++state) {
    Painter p(bmp, state, 3);
    double w = p.Width(), h = p.Height();
    TColor face = state == 0 ? c.face : state == 1 ? c.hotFace : c.downFace;
    p.Fill(Solid(s.face));
    Shape outer = RoundRect(0, 0, w, h, c.radius);
    Shape inner = RoundRect(1, 1, w - 1, h - 1, c.radius - 1);
    p.Fill(outer, Solid(state == 1 && s.look == Look::Protein ? Rgb(0xC8, 0x28, 0x2D) : c.border));
    p.Fill(inner, FaceFill(s, state, face, h));
    if (state == 1 && s.look == Look::WinXP) {
      // The hot rim glows orange inside the border.
      p.Fill(Outline(inner, 1.0), VerticalStops(1, h - 1, {{0, Rgb(0xFF, 0xF0, 0xCF)}, {1, Rgb(0xE5, 0x97, 0x00)}}));
    }
    if (state == 1 && s.look == Look::DeepBlue) p.Fill(Outline(inner, 0.5), Solid(Rgb(0x38, 0xD6, 0xFF)));
    if (state != 2) p.Fill(Segment(c.radius, 1.5, w - c.radius, 1.5, 0.5), Solid(0xFFFFFF), 0.7);
    if (s.buttonTransparent) p.MaskOutside(outer);
  }
}

}  // namespace art
