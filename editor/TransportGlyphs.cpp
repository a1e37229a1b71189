#include "editor/TransportGlyphs.h"

#include <vector>

#include "platform/gfx/Canvas.h"

namespace {

constexpr int kSize = 16;
constexpr TColor kMask = 0xFF00FF;
constexpr TColor kInk = 0x404040;

void Triangle(TCanvas& c, int left, int right) {
  const std::vector<TPoint> points{{left, 3}, {right, 8}, {left, 13}};
  c.Polygon(points);
}

}  // namespace

std::unique_ptr<TBitmap> PaintTransportGlyph(TTransportGlyph glyph) {
  auto bmp = std::make_unique<TBitmap>(kSize, kSize, pf24bit);
  TCanvas& c = *bmp->Canvas();
  c.Brush()->SetColor(kMask);
  c.FillRect({0, 0, kSize, kSize});
  c.Brush()->SetColor(kInk);
  c.Pen()->SetColor(kInk);
  switch (glyph) {
    case TTransportGlyph::Play:
      Triangle(c, 4, 12);
      break;
    case TTransportGlyph::Stop:
      c.FillRect({4, 4, 12, 12});
      break;
    case TTransportGlyph::Loop:
      c.Brush()->SetStyle(bsClear);
      c.Ellipse(2, 3, 14, 13);
      c.Brush()->SetStyle(bsSolid);
      Triangle(c, 6, 11);
      break;
    case TTransportGlyph::Continue:
      c.FillRect({3, 3, 5, 13});
      Triangle(c, 7, 13);
      break;
    case TTransportGlyph::PlayToEnd:
      Triangle(c, 3, 10);
      c.FillRect({11, 3, 13, 13});
      break;
    case TTransportGlyph::Pause:
      c.FillRect({4, 3, 7, 13});
      c.FillRect({9, 3, 12, 13});
      break;
    case TTransportGlyph::Info:
      c.FillRect({7, 3, 9, 5});
      c.FillRect({7, 6, 9, 13});
      break;
  }
  return bmp;
}
