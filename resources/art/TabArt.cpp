#include <algorithm>

#include "resources/art/ArtKinds.h"

namespace art {

namespace {

TColor TabBorder(const LookStyle& s) {
  switch (s.look) {
    case Look::MacOS: return Rgb(0x7F, 0x7F, 0x7F);
    case Look::WinXP: return Rgb(0x91, 0x9B, 0x9C);
    default: return s.border;
  }
}

// Face of an inactive tab: a shade of the look's own colour.
TColor InactiveFace(const LookStyle& s) {
  switch (s.look) {
    case Look::DeepBlue: return Rgb(0xC8, 0xD2, 0xEA);
    case Look::BlueGlass: return Rgb(0xB8, 0xD4, 0xF6);
    default: return Darker(s.face, 0.08);
  }
}

// The coloured rim along the top of the selected tab.
TColor ActiveRim(const LookStyle& s) {
  switch (s.look) {
    case Look::WinXP: return Rgb(0xFF, 0xC8, 0x3C);
    case Look::DeepBlue: return Rgb(0x38, 0xD6, 0xFF);
    case Look::Protein: return Rgb(0xC8, 0x1E, 0x24);
    case Look::BlueGlass: return Rgb(0x5A, 0x9A, 0xEA);
    default: return 0;
  }
}

}  // namespace

// Two pieces: the active tab and an inactive one. The top-left pixel is the
// transparent colour, so the strip's background shows at the rounded
// corners; the active tab's last row joins the page below it.
void DrawTabs(TBitmap& bmp, const LookStyle& s) {
  for (int piece = 0; piece < 2; ++piece) {
    Painter p(bmp, piece, 2);
    double w = p.Width(), h = p.Height();
    bool active = piece == 0;
    double radius = s.look == Look::MacOS ? 4 : 2;
    TColor face = active ? s.face : InactiveFace(s);
    p.Fill(Solid(face));
    Shape tab = RoundRect(0, 0, w, h + radius + 1, radius);
    p.Fill(tab, Solid(TabBorder(s)));
    p.Fill(RoundRect(1, 1, w - 1, h + radius + 1, radius - 1),
           active ? VerticalStops(1, h, {{0, 0xFFFFFF}, {0.6, face}, {1, face}})
                  : s.look == Look::BlueGlass ? Gloss(1, h, face)
                                              : VerticalStops(1, h, {{0, Lighter(face, 0.5)}, {1, face}}));
    if (active && s.look != Look::MacOS) {
      int rim = s.look == Look::WinXP ? 3 : 2;
      p.Fill(RoundRect(1, 0, w - 1, rim, std::min(2.0, radius)), Solid(ActiveRim(s)));
    }
    if (!active) p.Fill(RoundRect(-1, h - 1, w + 1, h, 0), Solid(TabBorder(s)));
    p.MaskOutside(tab);
  }
}

// The line under the tabs: the border row, then the page colour.
void DrawTabLine(TBitmap& bmp, const LookStyle& s) {
  Painter p(bmp, 0, 1);
  double h = p.Height();
  p.Fill(Solid(s.face));
  p.Fill(RoundRect(-1, 0, p.Width() + 1, 1, 0), Solid(TabBorder(s)));
  if (h > 2) p.Fill(RoundRect(-1, 1, p.Width() + 1, 2, 0), Solid(0xFFFFFF), 0.6);
}

}  // namespace art
