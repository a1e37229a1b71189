#include "editor/KeyGlyphs.h"

#include "resources/art/Painter.h"

namespace {

constexpr int kSize = 16;
constexpr TColor kInk = 0x404040;
// The smoothed edges blend towards a light key face; what lies mostly
// outside the shape becomes the ground the button leaves out.
constexpr TColor kFace = 0xD8D8D8;

}  // namespace

std::unique_ptr<TBitmap> PaintKeyGlyph(windowart::Glyph glyph) {
  auto bmp = std::make_unique<TBitmap>(kSize, kSize, pf24bit);
  art::Painter painter(*bmp, TRect{0, 0, kSize, kSize});
  const art::Shape shape = windowart::GlyphShape(glyph, kSize / 2.0, kSize / 2.0, kSize);
  painter.Fill(art::Solid(kFace));
  painter.Fill(shape, art::Solid(kInk));
  painter.MaskOutside(shape);
  return bmp;
}
