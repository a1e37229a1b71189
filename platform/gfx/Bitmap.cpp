#include "platform/gfx/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "platform/base/Exceptions.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/Canvas.h"

namespace {

// Larger bitmaps are refused rather than allocated (16 k × 16 k pixels).
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

TPixelFormat Stored(TPixelFormat format) { return format == pf32bit ? pf32bit : pf24bit; }
int BytesFor(TPixelFormat format) { return format == pf32bit ? 4 : 3; }

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format) {
  Reallocate(width, height, format);
}

TBitmap::~TBitmap() = default;

void TBitmap::SetWidth(int width) { SetSize(width, height_); }
void TBitmap::SetHeight(int height) { SetSize(width_, height); }

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  Reallocate(width, height, format_);
  Changed();
}

void TBitmap::Reallocate(int width, int height, TPixelFormat format) {
  if (static_cast<std::int64_t>(width) * height > kMaxPixels)
    throw EOutOfResources("Bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                          " pixels is too large");
  const int bpp = BytesFor(format);
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * bpp, 0xFF);
  if (bpp == 4)  // new 32-bit pixels are white with alpha 0
    for (std::size_t i = 3; i < pixels.size(); i += 4) pixels[i] = 0;
  const int oldBpp = BytesPerPixel();
  const int keepW = std::min(width, width_);
  const int keepH = keepW > 0 ? std::min(height, height_) : 0;
  for (int y = 0; y < keepH; ++y) {
    const std::uint8_t* from = pixels_.data() + static_cast<std::size_t>(y) * width_ * oldBpp;
    std::uint8_t* to = pixels.data() + static_cast<std::size_t>(y) * width * bpp;
    if (bpp == oldBpp) {
      std::memcpy(to, from, static_cast<std::size_t>(keepW) * bpp);
      continue;
    }
    for (int x = 0; x < keepW; ++x) {
      std::memcpy(to + x * bpp, from + x * oldBpp, 3);
      if (bpp == 4) to[x * 4 + 3] = 0;
    }
  }
  pixels_ = std::move(pixels);
  width_ = width;
  height_ = height;
  format_ = format;
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  if (Stored(format) != Stored(format_)) Reallocate(width_, height_, format);
  format_ = format;
  Changed();
}

std::uint8_t* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= height_) throw EInvalidGraphic("Scan line index out of range");
  return pixels_.data() + static_cast<std::size_t>(y) * BytesPerLine();
}

const std::uint8_t* TBitmap::ScanLine(int y) const { return const_cast<TBitmap*>(this)->ScanLine(y); }

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(this);
  return canvas_.get();
}

TColor TBitmap::TransparentColor() const {
  if (transparentMode_ == tmFixed) return transparentColor_;
  if (Empty()) return clNone;
  const std::uint8_t* p = ScanLine(height_ - 1);
  return RGB(p[2], p[1], p[0]);
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  transparentMode_ = tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == transparentMode_) return;
  transparentMode_ = mode;
  Changed();
}

void TBitmap::Assign(const TGraphic* source) {
  if (source == this) return;
  const TBitmap* pixels = source ? source->AsBitmap() : nullptr;
  if (!pixels) {
    Reallocate(0, 0, format_);
  } else {
    pixels_ = pixels->pixels_;
    width_ = pixels->width_;
    height_ = pixels->height_;
    format_ = pixels->format_;
  }
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    transparentColor_ = bitmap->transparentColor_;
    transparentMode_ = bitmap->transparentMode_;
  }
  // Through the base so only one change is announced.
  const TNotifyEvent keep = std::move(OnChange);
  OnChange = nullptr;
  SetTransparent(source && source->Transparent());
  OnChange = keep;
  Changed();
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> data) {
  TBitmap decoded;
  DecodeBmp(data, decoded);
  pixels_ = std::move(decoded.pixels_);
  width_ = decoded.width_;
  height_ = decoded.height_;
  format_ = decoded.format_;
  Changed();
}

std::vector<std::uint8_t> TBitmap::SaveToBytes() const { return EncodeBmp(*this); }

void TBitmap::DrawOn(TCanvas& canvas, const TRect& dest) const {
  if (Empty()) return;
  if (canvas.StretchBltMode() != HALFTONE) canvas.SetStretchBltMode(COLORONCOLOR);
  if (Transparent())
    canvas.TransparentBltBitmap(dest.Left, dest.Top, dest.Width(), dest.Height(), *this, 0, 0, width_,
                                height_, TransparentColor());
  else
    canvas.StretchBltBitmap(dest.Left, dest.Top, dest.Width(), dest.Height(), *this, 0, 0, width_, height_,
                            canvas.CopyMode());
}
