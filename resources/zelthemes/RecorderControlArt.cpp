#include <algorithm>

#include "resources/art/ArtKinds.h"
#include "resources/zelthemes/RecorderArt.h"

namespace zelthemes {

using namespace art;

namespace {

// Pieces of check boxes and radio buttons: checked, unchecked, checked
// disabled, unchecked disabled.
bool PieceChecked(int piece) { return piece == 0 || piece == 2; }
bool PieceDisabled(int piece) { return piece >= 2; }

// A disabled part fades toward the form colour.
TColor Faded(const RecorderDesign& d, TColor color, bool disabled) { return disabled ? Mix(color, d.face, 0.55) : color; }

TColor ArrowColor(const RecorderDesign& d, int state) {
  return state == 1 ? d.accent : Darker(d.controlBorder, 0.3);
}

// A button face lit from the top, across the bar for the line buttons.
void PaintSmallButton(Painter& p, const RecorderDesign& d, int state) {
  const double w = p.Width(), h = p.Height();
  const TColor face = state == 1 ? Lighter(d.accent, 0.85) : state == 2 ? Darker(d.buttonFace, 0.1) : d.buttonFace;
  p.Fill(RoundRect(0, 0, w, h, 3), Solid(state == 1 ? d.accent : d.controlBorder));
  p.Fill(RoundRect(1, 1, w - 1, h - 1, 2),
         state == 2 ? VerticalStops(1, h - 1, {{0, Darker(face, 0.06)}, {1, Lighter(face, 0.4)}})
                    : VerticalStops(1, h - 1, {{0, 0xFFFFFF}, {0.5, face}, {1, Darker(face, 0.08)}}));
}

}  // namespace

// Drawn opaque: the rounded corners take the form colour.
void PaintPushButton(TBitmap& bmp, const RecorderDesign& d) {
  for (int state = 0; state < 3; ++state) {
    Painter p(bmp, state, 3);
    const double w = p.Width(), h = p.Height();
    p.Fill(Solid(d.face));
    const TColor face = state == 1 ? Lighter(d.accent, 0.88) : state == 2 ? Darker(d.buttonFace, 0.1) : d.buttonFace;
    p.Fill(RoundRect(0, 0, w, h, 4), Solid(state == 0 ? d.buttonBorder : Darker(d.accent, 0.15)));
    p.Fill(RoundRect(1, 1, w - 1, h - 1, 3),
           state == 2 ? VerticalStops(1, h - 1, {{0, Darker(face, 0.08)}, {1, Lighter(face, 0.5)}})
                      : VerticalStops(1, h - 1, {{0, 0xFFFFFF}, {0.45, face}, {1, Darker(face, 0.1)}}));
    if (state == 1) p.Fill(Outline(RoundRect(1, 1, w - 1, h - 1, 3), 0.5), Solid(Lighter(d.accent, 0.35)), 0.8);
  }
}

// Opaque on the form colour; checked boxes fill with the accent and carry
// a white mark.
void PaintCheckBox(TBitmap& bmp, const RecorderDesign& d) {
  for (int piece = 0; piece < 4; ++piece) {
    Painter p(bmp, piece, 4);
    const double w = p.Width(), h = p.Height(), side = std::min(w, h);
    const double x0 = (w - side) / 2, y0 = (h - side) / 2;
    const bool checked = PieceChecked(piece), disabled = PieceDisabled(piece);
    p.Fill(Solid(d.face));
    p.Fill(RoundRect(x0, y0, x0 + side, y0 + side, 2), Solid(Faded(d, checked ? Darker(d.accent, 0.3) : d.controlBorder, disabled)));
    const TColor fill = Faded(d, checked ? d.accent : TColor(0xFFFFFF), disabled);
    p.Fill(RoundRect(x0 + 1, y0 + 1, x0 + side - 1, y0 + side - 1, 1),
           checked ? Gloss(y0 + 1, y0 + side - 1, fill) : VerticalStops(y0 + 1, y0 + side - 1, {{0, Darker(fill, 0.1)}, {1, fill}}));
    if (checked) {
      const double m = side * 0.2;
      p.Fill(CheckMarkShape(x0 + m, y0 + m, side - 2 * m, std::max(0.8, side / 12.0)), Solid(Faded(d, 0xFFFFFF, disabled)));
    }
  }
}

// The ring sits on the transparent colour, which the control takes from
// the bottom-left pixel.
void PaintRadioButton(TBitmap& bmp, const RecorderDesign& d) {
  for (int piece = 0; piece < 4; ++piece) {
    Painter p(bmp, piece, 4);
    const double w = p.Width(), h = p.Height();
    const double r = std::min(w, h) / 2 - 0.25, cx = w / 2, cy = h / 2;
    const bool checked = PieceChecked(piece), disabled = PieceDisabled(piece);
    p.Fill(Solid(d.face));
    const Shape ring = Circle(cx, cy, r);
    p.Fill(ring, Solid(Faded(d, checked ? Darker(d.accent, 0.3) : d.controlBorder, disabled)));
    const TColor fill = Faded(d, 0xFFFFFF, disabled);
    p.Fill(Circle(cx, cy, r - 1), VerticalStops(cy - r, cy + r, {{0, Darker(fill, 0.12)}, {1, fill}}));
    if (checked) p.Fill(Circle(cx, cy, r * 0.45), Gloss(cy - r * 0.45, cy + r * 0.45, Faded(d, d.accent, disabled)));
    p.MaskOutside(ring);
    p.SetPixel(0, p.Height() - 1, kMagenta);
  }
}

// Stretched over the done part both ways, so it varies only down its rows.
void PaintProgressBar(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, 0, 1);
  const double h = p.Height();
  p.Fill(VerticalStops(0, h, {{0, Lighter(d.accent, 0.55)}, {0.45, Lighter(d.accent, 0.15)}, {0.55, d.accent},
                              {1, Darker(d.accent, 0.2)}}));
}

// A sunken groove with round ends, cut in three cells by the control.
void PaintTrackBar(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, 0, 1);
  const double w = p.Width(), h = p.Height();
  const Shape groove = RoundRect(0, 0, w, h, h / 2);
  p.Fill(Solid(d.face));
  p.Fill(groove, Solid(Darker(d.controlBorder, 0.2)));
  p.Fill(RoundRect(1, 1, w - 1, h - 1, h / 2 - 1), VerticalStops(1, h - 1, {{0, Darker(d.scrollBack, 0.25)}, {1, d.scrollBack}}));
  p.MaskOutside(groove);
}

// A capsule with an accent grip; the corners show through.
void PaintTrackSlider(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, 0, 1);
  const double w = p.Width(), h = p.Height();
  const Shape knob = RoundRect(0.5, 0.5, w - 0.5, h - 0.5, (w - 1) / 2);
  p.Fill(Solid(d.face));
  p.Fill(knob, Solid(d.buttonBorder));
  p.Fill(RoundRect(1.5, 1.5, w - 1.5, h - 1.5, (w - 3) / 2),
         HorizontalStops(1.5, w - 1.5, {{0, 0xFFFFFF}, {0.5, d.buttonFace}, {1, Darker(d.buttonFace, 0.12)}}));
  p.Fill(RoundRect(w / 2 - 1, 5, w / 2 + 1, h - 5, 1), Solid(d.accent));
  p.MaskOutside(knob);
}

// Drawn opaque on the control colour.
void PaintTrackSliderVertical(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, 0, 1);
  const double w = p.Width(), h = p.Height();
  p.Fill(Solid(d.face));
  p.Fill(RoundRect(0.5, 0.5, w - 0.5, h - 0.5, (h - 1) / 2), Solid(d.buttonBorder));
  p.Fill(RoundRect(1.5, 1.5, w - 1.5, h - 1.5, (h - 3) / 2),
         VerticalStops(1.5, h - 1.5, {{0, 0xFFFFFF}, {0.5, d.buttonFace}, {1, Darker(d.buttonFace, 0.12)}}));
  p.Fill(RoundRect(5, h / 2 - 1, w - 5, h / 2 + 1, 1), Solid(d.accent));
}

void PaintSideChannelHandle(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, 0, 1);
  const double w = p.Width(), h = p.Height();
  p.Fill(Solid(d.face));
  p.Fill(RoundRect(0, 0, w, h, 2), Solid(d.buttonBorder));
  p.Fill(RoundRect(1, 1, w - 1, h - 1, 1), HorizontalStops(1, w - 1, {{0, 0xFFFFFF}, {1, d.buttonFace}}));
  for (int i = -2; i <= 2; ++i) p.Fill(RoundRect(2, h / 2 + i * 3, w - 2, h / 2 + i * 3 + 1, 0), Solid(d.accent));
}

void PaintSideChannelBar(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, 0, 1);
  p.Fill(VerticalStops(0, p.Height(), {{0, Darker(d.scrollBack, 0.2)}, {0.3, d.scrollBack}, {1, Lighter(d.scrollBack, 0.5)}}));
}

// Up normal, hot, pressed, then down; opaque on the bar's colour.
void PaintScrollBarButtons(TBitmap& bmp, const RecorderDesign& d) {
  for (int piece = 0; piece < 6; ++piece) {
    Painter p(bmp, piece, 6);
    const double w = p.Width(), h = p.Height();
    const int state = piece % 3;
    p.Fill(Solid(d.scrollBack));
    PaintSmallButton(p, d, state);
    const double shift = state == 2 ? 0.5 : 0;
    DrawArrow(p, w / 2 - 0.5 + shift, h / 2 - 0.5 + shift, 7, piece < 3 ? Arrow::Up : Arrow::Down,
              ArrowColor(d, state));
  }
}

// Start cap, middle, end cap of a capsule along the bar; the middle cell
// stretches, so it varies only across.
void PaintScrollBarThumb(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, 0, 1);
  const double w = p.Width(), h = p.Height();
  p.Fill(Solid(d.scrollBack));
  p.Fill(RoundRect(0, 1, w, h - 1, (h - 2) / 2), Solid(d.controlBorder));
  p.Fill(RoundRect(1, 2, w - 1, h - 2, (h - 4) / 2),
         VerticalStops(2, h - 2, {{0, 0xFFFFFF}, {0.5, d.buttonFace}, {1, Darker(d.buttonFace, 0.1)}}));
}

// Forward normal, forward hot, backward normal, backward hot.
void PaintTabScrollButtons(TBitmap& bmp, const RecorderDesign& d) {
  for (int piece = 0; piece < 4; ++piece) {
    Painter p(bmp, piece, 4);
    const double w = p.Width(), h = p.Height();
    p.Fill(Solid(d.face));
    PaintSmallButton(p, d, piece % 2);
    DrawArrow(p, w / 2 - 0.5, h / 2 - 0.5, 7, piece < 2 ? Arrow::Right : Arrow::Left, ArrowColor(d, piece % 2));
  }
}

// The selected tab and an unselected one; the top-left pixel is the
// transparent colour, so the strip shows at the rounded corners.
void PaintTabs(TBitmap& bmp, const RecorderDesign& d) {
  for (int piece = 0; piece < 2; ++piece) {
    Painter p(bmp, piece, 2);
    const double w = p.Width(), h = p.Height();
    const bool active = piece == 0;
    const TColor face = active ? d.face : Darker(d.face, 0.07);
    const Shape tab = RoundRect(0, 0, w, h + 4, 3);
    p.Fill(Solid(face));
    p.Fill(tab, Solid(d.controlBorder));
    p.Fill(RoundRect(1, 1, w - 1, h + 4, 2), VerticalStops(1, h, {{0, 0xFFFFFF}, {0.6, face}, {1, face}}));
    if (active) p.Fill(RoundRect(1, 0, w - 1, 2, 1), Solid(d.accent));
    else p.Fill(RoundRect(-1, h - 1, w + 1, h, 0), Solid(d.controlBorder));
    p.MaskOutside(tab);
  }
}

// The border row under the tabs, then the page colour.
void PaintTabLine(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, 0, 1);
  p.Fill(Solid(d.face));
  p.Fill(RoundRect(-1, 0, p.Width() + 1, 1, 0), Solid(d.controlBorder));
  p.Fill(RoundRect(-1, 1, p.Width() + 1, 2, 0), Solid(0xFFFFFF), 0.6);
}

}  // namespace zelthemes
