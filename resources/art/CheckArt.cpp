#include <algorithm>

#include "resources/art/ArtKinds.h"

namespace art {

namespace {

// Pieces: checked, unchecked, checked disabled, unchecked disabled.
bool PieceChecked(int piece) { return piece == 0 || piece == 2; }
bool PieceDisabled(int piece) { return piece >= 2; }

TColor MarkColor(const LookStyle& s) {
  switch (s.look) {
    case Look::WinXP: return Rgb(0x21, 0xA1, 0x21);
    case Look::Protein: return Rgb(0xC8, 0x1E, 0x24);
    case Look::MacOS: return 0xFFFFFF;
    case Look::DeepBlue: return Rgb(0x38, 0xD6, 0xFF);
    default: return Rgb(0x10, 0x20, 0x60);
  }
}

TColor BoxBorder(const LookStyle& s) {
  switch (s.look) {
    case Look::WinXP: return Rgb(0x1C, 0x51, 0x80);
    case Look::MacOS: return Rgb(0x7A, 0x7A, 0x7A);
    case Look::BlueGlass: return Rgb(0x1E, 0x50, 0xA0);
    case Look::DeepBlue: return Rgb(0x1C, 0x2A, 0x5A);
    case Look::Protein: return Rgb(0x5A, 0x5A, 0x60);
    default: return s.border;
  }
}

// Looks whose checked box is filled with a colour of its own, the mark
// standing out light on it.
bool FilledWhenChecked(const LookStyle& s) { return s.look != Look::WinXP && s.look != Look::Protein; }

TColor CheckedFill(const LookStyle& s) {
  switch (s.look) {
    case Look::DeepBlue: return Rgb(0x22, 0x32, 0x6C);
    case Look::BlueGlass: return Rgb(0x9C, 0xC4, 0xF4);
    default: return s.accent;
  }
}

// A disabled mark fades toward its box; MacOS's white mark on the pale
// disabled blue fades less, or it would vanish.
TColor DisabledMark(const LookStyle& s, TColor fill) {
  return Mix(MarkColor(s), fill, s.look == Look::MacOS ? 0.15 : 0.5);
}

}  // namespace

// Check boxes are drawn opaque, so the box fills the piece and anything
// around it takes the control colour.
void DrawCheckBox(TBitmap& bmp, const LookStyle& s) {
  for (int piece = 0; piece < 4; ++piece) {
    Painter p(bmp, piece, 4);
    double w = p.Width(), h = p.Height();
    double side = std::min(w, h);
    double x0 = (w - side) / 2, y0 = (h - side) / 2;
    bool checked = PieceChecked(piece), disabled = PieceDisabled(piece);
    p.Fill(Solid(s.face));
    Shape box = RoundRect(x0, y0, x0 + side, y0 + side, s.look == Look::MacOS ? 3 : 1);
    Shape inner = RoundRect(x0 + 1, y0 + 1, x0 + side - 1, y0 + side - 1, s.look == Look::MacOS ? 2 : 0);
    TColor border = disabled ? Mix(BoxBorder(s), s.face, 0.6) : BoxBorder(s);
    p.Fill(box, Solid(border));
    bool filled = FilledWhenChecked(s) && checked;
    TColor fill = filled ? CheckedFill(s) : 0xFFFFFF;
    if (disabled) fill = Mix(fill, s.face, 0.6);
    p.Fill(inner, filled ? Gloss(y0 + 1, y0 + side - 1, Lighter(fill, 0.15))
                       : VerticalStops(y0 + 1, y0 + side - 1, {{0, Darker(fill, 0.1)}, {1, fill}}));
    if (checked) {
      TColor mark = disabled ? DisabledMark(s, fill) : MarkColor(s);
      double m = side * 0.2;
      p.Fill(CheckMarkShape(x0 + m, y0 + m, side - 2 * m, std::max(0.8, side / 12.0)), Solid(mark));
    }
  }
}

// Radio buttons are drawn with the transparent colour around the dot.
void DrawRadioButton(TBitmap& bmp, const LookStyle& s) {
  for (int piece = 0; piece < 4; ++piece) {
    Painter p(bmp, piece, 4);
    double w = p.Width(), h = p.Height();
    double r = std::min(w, h) / 2 - 0.25;
    double cx = w / 2, cy = h / 2;
    bool checked = PieceChecked(piece), disabled = PieceDisabled(piece);
    p.Fill(Solid(s.face));
    TColor border = disabled ? Mix(BoxBorder(s), s.face, 0.6) : BoxBorder(s);
    Shape ring = Circle(cx, cy, r);
    p.Fill(ring, Solid(border));
    bool filled = FilledWhenChecked(s) && checked;
    TColor fill = filled ? CheckedFill(s) : 0xFFFFFF;
    if (disabled) fill = Mix(fill, s.face, 0.6);
    p.Fill(Circle(cx, cy, r - 1), filled ? Gloss(cy - r, cy + r, Lighter(fill, 0.15))
                                       : VerticalStops(cy - r, cy + r, {{0, Darker(fill, 0.12)}, {1, fill}}));
    if (checked) {
      TColor dot = disabled ? DisabledMark(s, fill) : MarkColor(s);
      p.Fill(Circle(cx, cy, r * 0.4), Solid(dot));
    }
    p.MaskOutside(ring);
    // The control's transparent colour is the bottom-left pixel.
    p.SetPixel(0, p.Height() - 1, kMagenta);
  }
}

}  // namespace art
