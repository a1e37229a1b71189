#pragma once
// An in-memory picture of 24 or 32 bits per pixel, rows top-down, each
// pixel stored as the bytes B, G, R (and A for 32 bits).

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/gfx/Graphic.h"

// pfDevice is stored as 24 bits.
enum TPixelFormat { pfDevice, pf24bit, pf32bit };

// tmAuto: the transparent colour is the bottom-left pixel.
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int width, int height, TPixelFormat format = pf24bit);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  std::string ClassName() const override { return "TBitmap"; }

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width);
  void SetHeight(int height);
  // Keeps the pixels that remain inside; new pixels are white.
  void SetSize(int width, int height);

  TPixelFormat PixelFormat() const { return format_; }
  // Converts the pixels; a new alpha byte is 0.
  void SetPixelFormat(TPixelFormat format);
  int BytesPerPixel() const { return format_ == pf32bit ? 4 : 3; }
  int BytesPerLine() const { return width_ * BytesPerPixel(); }

  // Row y, top-down; EInvalidGraphic when y is outside the bitmap.
  std::uint8_t* ScanLine(int y);
  const std::uint8_t* ScanLine(int y) const;

  // The canvas that draws onto this bitmap (owned by the bitmap).
  TCanvas* Canvas();

  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);  // switches to tmFixed
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode);

  // A copy of the source's pixels and settings; nullptr empties the bitmap.
  void Assign(const TGraphic* source);

  // BMP files.
  void LoadFromBytes(std::span<const std::uint8_t> data) override;
  std::vector<std::uint8_t> SaveToBytes() const override;

  const TBitmap* AsBitmap() const override { return Empty() ? nullptr : this; }
  void DrawOn(TCanvas& canvas, const TRect& dest) const override;

  // Called by the canvas after it drew.
  void NotifyCanvasChanged() { Changed(); }

 private:
  void Reallocate(int width, int height, TPixelFormat format);

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = pfDevice;
  std::vector<std::uint8_t> pixels_;
  std::unique_ptr<TCanvas> canvas_;
  TColor transparentColor_ = 0;
  TTransparentMode transparentMode_ = tmAuto;
};
