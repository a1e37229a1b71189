#pragma once
// The font engine's inside: finds a face file for a font request through
// fontconfig, opens it at the requested size with FreeType and keeps the
// sized faces and their glyphs. Every call is thread-safe.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/FontEngine.h"

class TFont;

namespace detail {

struct FontRequest {
  std::string Family;
  int Height = 0;  // negative: em height in pixels; positive: cell height; 0: default
  bool Bold = false;
  bool Italic = false;
  friend auto operator<=>(const FontRequest&, const FontRequest&) = default;
};

// Lines drawn with the text, in pixels relative to the baseline row
// (the first row below the glyphs' bodies); positive offsets go down.
struct DecorationMetrics {
  int UnderlineOffset = 1;
  int UnderlineThickness = 1;
  int StrikeOutOffset = -3;
  int StrikeOutThickness = 1;
};

struct FaceMetrics {
  TTextMetric Text{};
  DecorationMetrics Lines;
};

// One glyph's coverage: Width x Height bytes, 0 = untouched, 255 = full.
// Left and Top place it relative to the pen position on the baseline
// (Top counts rows upward).
struct GlyphImage {
  int Advance = 0;
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Coverage;
};

using GlyphPtr = std::shared_ptr<const GlyphImage>;

FontRequest RequestFor(const TFont& font);

FaceMetrics MetricsFor(const FontRequest& request);

// Advance of every code point of the text, in pixels.
std::vector<int> AdvancesFor(const FontRequest& request, std::u32string_view text);

// Rendered glyphs of the text; hard 0/255 coverage when mono.
std::vector<GlyphPtr> GlyphsFor(const FontRequest& request, std::u32string_view text, bool mono);

// The face file a request resolves to (for diagnostics and tests).
std::string FaceFileFor(const FontRequest& request);

}  // namespace detail
