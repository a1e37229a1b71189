#include <algorithm>

#include "resources/art/ArtKinds.h"

namespace art {

namespace {

TColor GrooveColor(const LookStyle& s) {
  switch (s.look) {
    case Look::MacOS: return Rgb(0x9A, 0x9A, 0x9A);
    case Look::WinXP: return Rgb(0xB8, 0xC4, 0xD8);
    case Look::DeepBlue: return Rgb(0x24, 0x30, 0x60);
    case Look::Protein: return Rgb(0xA8, 0xA8, 0xAE);
    case Look::BlueGlass: return Rgb(0x3A, 0x6E, 0xC0);
  }
  return 0;
}

TColor KnobColor(const LookStyle& s) {
  switch (s.look) {
    case Look::MacOS: return s.accent;
    case Look::Protein: return Rgb(0xC8, 0x1E, 0x24);
    case Look::WinXP: return Rgb(0xF4, 0xF4, 0xEE);
    case Look::DeepBlue: return Rgb(0x2A, 0x3C, 0x7C);
    default: return s.buttonFace;
  }
}

// A pointer-shaped knob pointing down (or right when `rotated`).
Shape KnobShape(double w, double h, bool rotated) {
  if (rotated) std::swap(w, h);
  int tip = int(h - 0.5), shoulder = int(h - w / 2 - 0.5);
  Shape body = Polygon({{1, 1}, {int(w) - 1, 1}, {int(w) - 1, shoulder}, {int(w) / 2, tip}, {1, shoulder}});
  Shape rounded = Union(Intersect(body, RoundRect(0.5, 0.5, w - 0.5, h, 2)), Intersect(body, RoundRect(0, 3, w, h, 0)));
  if (!rotated) return rounded;
  return [rounded](double x, double y) { return rounded(y, x); };
}

void PaintKnob(Painter& p, const LookStyle& s, bool rotated) {
  double w = p.Width(), h = p.Height();
  Shape knob = KnobShape(w, h, rotated);
  TColor face = KnobColor(s);
  p.Fill(knob, Solid(Darker(face, 0.45)));
  Shape inner = [knob](double x, double y) { return knob(x, y) + 1.0; };
  p.Fill(inner, rotated ? HorizontalStops(0, w, {{0, Lighter(face, 0.5)}, {1, Darker(face, 0.1)}})
                        : HorizontalStops(0, w, {{0, Lighter(face, 0.5)}, {0.5, Lighter(face, 0.1)}, {1, Darker(face, 0.1)}}));
  // DeepBlue's knob carries a cyan edge light.
  if (s.look == Look::DeepBlue) p.Fill(Outline(inner, 0.5), Solid(Rgb(0x38, 0xD6, 0xFF)), 0.8);
}

}  // namespace

// Three cells: rounded left end, groove, rounded right end; outside the
// ends the transparent colour lets the control's colour through.
void DrawTrackBar(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  double w = p.Width(), h = p.Height();
  TColor groove = GrooveColor(s);
  p.Fill(Solid(groove));
  Shape bar = RoundRect(0, 0, w, h, h / 2);
  p.Fill(bar, Solid(Darker(groove, 0.3)));
  p.Fill(RoundRect(1, 1, w - 1, h - 1, h / 2 - 1),
         VerticalStops(1, h - 1, {{0, Darker(groove, 0.15)}, {1, Lighter(groove, 0.35)}}));
  p.MaskOutside(bar);
}

void DrawTrackSlider(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  p.Fill(Solid(s.face));
  PaintKnob(p, s, false);
  // Drawn with its bottom-left pixel as the transparent colour.
  p.MaskOutside(KnobShape(p.Width(), p.Height(), false));
}

// Vertical sliders are drawn opaque on the control colour.
void DrawTrackSliderVertical(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  p.Fill(Solid(s.face));
  PaintKnob(p, s, true);
}

void DrawSideChannelHandle(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  double w = p.Width(), h = p.Height();
  p.Fill(Solid(s.face));
  TColor face = KnobColor(s);
  Shape handle = RoundRect(0, 0, w, h, 2);
  p.Fill(handle, Solid(Darker(face, 0.45)));
  p.Fill(RoundRect(1, 1, w - 1, h - 1, 1), HorizontalStops(1, w - 1, {{0, Lighter(face, 0.5)}, {1, Darker(face, 0.05)}}));
  for (int i = -2; i <= 2; ++i)
    p.Fill(Segment(2, h / 2 + i * 3, w - 2, h / 2 + i * 3, 0.5), Solid(Darker(face, 0.35)));
}

void DrawSideChannelBar(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  TColor groove = GrooveColor(s);
  p.Fill(VerticalStops(0, p.Height(), {{0, Darker(groove, 0.3)}, {0.3, groove}, {1, Lighter(groove, 0.4)}}));
}

}  // namespace art
