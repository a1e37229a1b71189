#pragma once
// JPEG pictures, decoded into a 24-bit bitmap when loaded.

#include <memory>

#include "platform/gfx/Graphic.h"

class TJPEGImage : public TGraphic {
 public:
  TJPEGImage();
  ~TJPEGImage() override;

  std::string ClassName() const override { return "TJPEGImage"; }
  int Width() const override;
  int Height() const override;

  void LoadFromBytes(std::span<const std::uint8_t> data) override;
  // The bytes last loaded; EInvalidGraphic when nothing was loaded.
  std::vector<std::uint8_t> SaveToBytes() const override;

  const TBitmap* AsBitmap() const override;
  void DrawOn(TCanvas& canvas, const TRect& dest) const override;

 private:
  std::unique_ptr<TBitmap> bitmap_;
  std::vector<std::uint8_t> encoded_;
};
