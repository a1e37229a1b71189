#include <cmath>

#include "resources/art/ArtKinds.h"
#include "resources/zelthemes/RecorderArt.h"

namespace zelthemes {

using namespace art;

namespace {

constexpr TColor kCloseRed = Rgb(0xD8, 0x3A, 0x32);

// A light row under the frame, the gradient, and the accent line with a
// darker row at the foot.
void PaintTitleRows(Painter& p, const RecorderDesign& d) {
  p.Fill([&](double, double y) { return TitleRow(d, int(y)); });
}

}  // namespace

TColor TitleRow(const RecorderDesign& d, int y) {
  if (y < kFrameWidth) return d.frame;
  if (y == kFrameWidth) return Lighter(d.titleTop, 0.3);
  if (y == kTitleHeight - 2) return d.titleAccent;
  if (y >= kTitleHeight - 1) return Darker(d.titleAccent, 0.35);
  const double t = double(y - kFrameWidth - 1) / (kTitleHeight - kFrameWidth - 4);
  // A soft sheen over the upper half, then down to the bottom colour.
  const TColor middle = Mix(d.titleTop, d.titleBottom, 0.4);
  return t < 0.5 ? Mix(d.titleTop, middle, t / 0.5) : Mix(middle, d.titleBottom, (t - 0.5) / 0.5);
}

// The pixels the window region cuts take the frame colour on both ends,
// so no transparent colour shows even where a picture is drawn opaque.
void PaintTitleLeft(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, 0, 1);
  PaintTitleRows(p, d);
  PaintFrameCorner(p, d.frame, kFrameWidth, kCornerSize, true, d.frame);
}

void PaintTitleClient(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, 0, 1);
  PaintTitleRows(p, d);
}

void PaintTitleRight(TBitmap& bmp, const RecorderDesign& d) {
  Painter p(bmp, 0, 1);
  PaintTitleRows(p, d);
  PaintFrameCorner(p, d.frame, kFrameWidth, kCornerSize, false, d.frame);
}

// Rounded keys drawn opaque on the title's own rows: quiet until the
// mouse comes, then the accent (close turns red).
void PaintTitleKeys(TBitmap& bmp, const RecorderDesign& d) {
  const TitleGlyph glyphs[] = {TitleGlyph::ControlBox, TitleGlyph::Help,     TitleGlyph::Maximize,
                               TitleGlyph::Restore,    TitleGlyph::Minimize, TitleGlyph::Close};
  for (int frame = 0; frame < 18; ++frame) {
    const TitleGlyph glyph = glyphs[frame / 3];
    const int state = frame % 3;
    Painter p(bmp, frame, 18);
    const int n = p.Width();
    p.Fill([&](double, double y) { return TitleRow(d, kTitleKeyTop + int(y)); });
    const TColor lit = glyph == TitleGlyph::Close ? kCloseRed : d.accent;
    const TColor face = state == 0 ? Lighter(d.titleTop, 0.14) : state == 1 ? lit : Darker(lit, 0.25);
    const TColor rim = state == 0 ? Mix(d.titleBottom, d.frame, 0.5) : Darker(lit, 0.4);
    p.Fill(RoundRect(0, 0, n, n, 3), Solid(rim));
    p.Fill(RoundRect(1, 1, n - 1, n - 1, 2),
           state == 2 ? VerticalStops(1, n - 1, {{0, Darker(face, 0.12)}, {1, Lighter(face, 0.2)}}) : Gloss(1, n - 1, face));
    // A glyph box with the key's parity keeps the strokes on whole pixels.
    int g = int(std::lround(n * 0.6));
    if ((n - g) % 2) ++g;
    const int off = (n - g) / 2 + (state == 2 ? 1 : 0);
    p.Fill(TitleGlyphShape(glyph, off, off, g, 1.0), Solid(state == 0 ? d.titleGlyph : TColor(0xFFFFFF)));
  }
}

}  // namespace zelthemes
