#include "platform/gfx/FontEngine.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/FontFaceCache.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/TextUtf8.h"

detail::FontRequest detail::RequestFor(const TFont& font) {
  return {font.Name(), font.Height(), (font.Style() & fsBold) != 0, (font.Style() & fsItalic) != 0};
}

namespace {

// Writes one colour into a bitmap with a coverage per pixel, staying inside
// the bitmap and the clip.
class CoverageWriter {
 public:
  CoverageWriter(TBitmap& target, const TRgn* clip, TColor rgb)
      : target_(target), clip_(clip), bytesPerPixel_(target.BytesPerPixel()) {
    colour_[0] = GetBValue(rgb);
    colour_[1] = GetGValue(rgb);
    colour_[2] = GetRValue(rgb);
    bounds_ = Rect(0, 0, target.Width(), target.Height());
    if (clip_) IntersectRect(bounds_, bounds_, clip_->BoundingBox());
    // A one-rectangle clip is its bounding box: no need to ask per pixel.
    if (clip_ && clip_->Rects().size() == 1) clip_ = nullptr;
  }

  void Blend(long long x, long long y, std::uint8_t coverage) {
    if (coverage == 0 || x < bounds_.Left || x >= bounds_.Right || y < bounds_.Top ||
        y >= bounds_.Bottom)
      return;
    const int px = static_cast<int>(x);
    const int py = static_cast<int>(y);
    if (clip_ && !clip_->Contains(px, py)) return;
    std::uint8_t* pixel = target_.ScanLine(py) + static_cast<std::ptrdiff_t>(px) * bytesPerPixel_;
    for (int c = 0; c < 3; ++c)
      pixel[c] = static_cast<std::uint8_t>(
          (colour_[c] * coverage + pixel[c] * (255 - coverage) + 127) / 255);
  }

  void FillRows(long long left, long long right, long long top, int rows) {
    const long long bottom = std::min<long long>(top + rows, bounds_.Bottom);
    left = std::max<long long>(left, bounds_.Left);
    right = std::min<long long>(right, bounds_.Right);
    for (long long y = std::max<long long>(top, bounds_.Top); y < bottom; ++y)
      for (long long x = left; x < right; ++x) Blend(x, y, 255);
  }

  bool Empty() const { return bounds_.IsEmpty(); }

 private:
  TBitmap& target_;
  const TRgn* clip_;
  int bytesPerPixel_;
  std::uint8_t colour_[3]{};
  TRect bounds_;
};

}  // namespace

TTextMetric FontMetrics(const TFont& font) { return detail::MetricsFor(detail::RequestFor(font)).Text; }

TSize MeasureText(const TFont& font, std::string_view utf8) {
  const detail::FontRequest request = detail::RequestFor(font);
  const std::vector<int> advances = detail::AdvancesFor(request, DecodeUtf8(utf8));
  const int width = std::accumulate(advances.begin(), advances.end(), 0);
  return {width, detail::MetricsFor(request).Text.Height};
}

void RenderText(TBitmap& target, int x, int y, const TFont& font, std::string_view utf8,
                const TRgn* clip, bool antialias) {
  if (target.Width() <= 0 || target.Height() <= 0 || utf8.empty()) return;
  CoverageWriter writer(target, clip, ColorToRGB(font.Color()));
  if (writer.Empty()) return;
  const detail::FontRequest request = detail::RequestFor(font);
  const detail::FaceMetrics metrics = detail::MetricsFor(request);
  const std::vector<detail::GlyphPtr> glyphs =
      detail::GlyphsFor(request, DecodeUtf8(utf8), !antialias);

  const long long baseline = static_cast<long long>(y) + metrics.Text.Ascent;
  long long pen = x;
  for (const detail::GlyphPtr& glyph : glyphs) {
    const long long left = pen + glyph->Left;
    const long long top = baseline - glyph->Top;
    for (int row = 0; row < glyph->Height; ++row) {
      const std::uint8_t* coverage = glyph->Coverage.data() + static_cast<std::size_t>(row) * glyph->Width;
      for (int col = 0; col < glyph->Width; ++col) writer.Blend(left + col, top + row, coverage[col]);
    }
    pen += glyph->Advance;
  }

  const detail::DecorationMetrics& lines = metrics.Lines;
  if (font.Style() & fsUnderline)
    writer.FillRows(x, pen, baseline + lines.UnderlineOffset, lines.UnderlineThickness);
  if (font.Style() & fsStrikeOut)
    writer.FillRows(x, pen, baseline + lines.StrikeOutOffset, lines.StrikeOutThickness);
}
