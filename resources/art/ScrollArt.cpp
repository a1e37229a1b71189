#include <algorithm>

#include "resources/art/ArtKinds.h"

namespace art {

namespace {

// State 1 is the hot one: DeepBlue lights its arrows cyan, Protein red.
TColor ArrowColor(const LookStyle& s, int state) {
  switch (s.look) {
    case Look::WinXP: return Rgb(0x4D, 0x61, 0x85);
    case Look::DeepBlue: return state == 1 ? Rgb(0x38, 0xD6, 0xFF) : Rgb(0xEC, 0xF0, 0xFF);
    case Look::Protein: return state == 1 ? Rgb(0xFF, 0x5A, 0x5A) : Rgb(0xE8, 0xE8, 0xEC);
    default: return Rgb(0x30, 0x30, 0x34);
  }
}

TColor StateFace(const LookStyle& s, int state) {
  TColor face = s.look == Look::WinXP     ? Rgb(0xC8, 0xD8, 0xFC)
                : s.look == Look::Protein ? Rgb(0x5C, 0x5C, 0x64)
                                          : s.buttonFace;
  return state == 1 ? Lighter(face, 0.35) : state == 2 ? Darker(face, 0.15) : face;
}

// A button face across the bar (gradient along x, for the vertical bar).
void PaintBarButton(Painter& p, const LookStyle& s, int state, double radius) {
  double w = p.Width(), h = p.Height();
  TColor face = StateFace(s, state);
  TColor edge = s.look == Look::MacOS ? Rgb(0x8A, 0x8A, 0x8A) : Darker(face, 0.45);
  p.Fill(RoundRect(0, 0, w, h, radius), Solid(edge));
  p.Fill(RoundRect(1, 1, w - 1, h - 1, std::max(0.0, radius - 1)),
         HorizontalStops(1, w - 1, {{0, Lighter(face, 0.45)}, {0.45, Lighter(face, 0.1)}, {1, Darker(face, 0.08)}}));
}

}  // namespace

// Six pieces for the vertical bar: the upper button normal, hot, pressed,
// then the lower one. The line buttons draw them opaque, so the rounded
// corners show the bar's own background.
void DrawScrollBarButtons(TBitmap& bmp, const LookStyle& s) {
  for (int piece = 0; piece < 6; ++piece) {
    Painter p(bmp, piece, 6);
    double w = p.Width(), h = p.Height();
    int state = piece % 3;
    p.Fill(Solid(s.scrollBack));
    PaintBarButton(p, s, state, 3);
    double shift = state == 2 ? 0.5 : 0;
    DrawArrow(p, w / 2 - 0.5 + shift, h / 2 - 0.5 + shift, std::max(6.0, w * 0.45),
              piece < 3 ? Arrow::Up : Arrow::Down, ArrowColor(s, state));
  }
}

// Three pieces of the thumb of the horizontal bar: start cap, middle,
// end cap. The thumb is drawn opaque on the bar's background colour; the
// middle is stretched, so it only varies across the bar.
void DrawScrollBarThumb(TBitmap& bmp, const LookStyle& s) {
  Painter whole(bmp, 0, 1);
  double w = whole.Width(), h = whole.Height();
  TColor face = s.look == Look::MacOS ? s.accent : StateFace(s, 0);
  whole.Fill(Solid(s.scrollBack));
  whole.Fill(RoundRect(0, 1, w, h - 1, (h - 2) / 2 - 1), Solid(Darker(face, 0.4)));
  whole.Fill(RoundRect(1, 2, w - 1, h - 2, (h - 2) / 2 - 2),
             VerticalStops(2, h - 2, {{0, Lighter(face, 0.5)}, {0.45, Lighter(face, 0.15)}, {0.55, face}, {1, Lighter(face, 0.2)}}));
}

// Four pieces of the tab strip's scroll buttons: forward normal, forward
// hot, backward normal, backward hot.
void DrawTabScrollButtons(TBitmap& bmp, const LookStyle& s) {
  for (int piece = 0; piece < 4; ++piece) {
    Painter p(bmp, piece, 4);
    double w = p.Width(), h = p.Height();
    p.Fill(Solid(s.face));
    TColor face = piece % 2 ? Lighter(s.buttonFace, 0.4) : s.buttonFace;
    TColor edge = s.look == Look::MacOS ? Rgb(0x8A, 0x8A, 0x8A) : Darker(face, 0.45);
    p.Fill(RoundRect(0, 0, w, h, 3), Solid(edge));
    p.Fill(RoundRect(1, 1, w - 1, h - 1, 2), Gloss(1, h - 1, face));
    DrawArrow(p, w / 2 - 0.5, h / 2 - 0.5, 7, piece < 2 ? Arrow::Right : Arrow::Left, ArrowColor(s, piece % 2));
  }
}

}  // namespace art
