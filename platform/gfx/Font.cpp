#include "platform/gfx/Font.h"

#include <cstdint>

namespace {

// a * b / c rounded half away from zero, as the window system computes it.
int MulDivRounded(int a, int b, int c) {
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDivRounded(height_, 72, PixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDivRounded(points, PixelsPerInch, 72)); }

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetQuality(TFontQuality quality) {
  if (quality == quality_) return;
  quality_ = quality;
  Changed();
}

void TFont::SetCharset(TFontCharset charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  CopyProperties(source);
  Changed();
}

void TFont::CopyProperties(const TFont& source) {
  name_ = source.name_;
  height_ = source.height_;
  color_ = source.color_;
  style_ = source.style_;
  quality_ = source.quality_;
  charset_ = source.charset_;
  pitch_ = source.pitch_;
}

void TFont::Changed() {
  if (OnChange) OnChange(this);
}
