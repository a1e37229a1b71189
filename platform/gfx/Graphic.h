#pragma once
// The common base of pictures that can be loaded, saved and drawn.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/base/Types.h"

class TBitmap;
class TCanvas;

class TGraphic : public TObject {
 public:
  std::string ClassName() const override { return "TGraphic"; }

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  // Loading replaces the picture; bad data raises EInvalidGraphic and
  // leaves the picture as it was.
  virtual void LoadFromBytes(std::span<const std::uint8_t> data) = 0;
  void LoadFromFile(const std::string& path);
  virtual std::vector<std::uint8_t> SaveToBytes() const = 0;
  void SaveToFile(const std::string& path) const;

  // The pixels the graphic draws with (nullptr while empty).
  virtual const TBitmap* AsBitmap() const = 0;

  // Paints the graphic into dest of the canvas, stretched to fit.
  virtual void DrawOn(TCanvas& canvas, const TRect& dest) const = 0;

  TNotifyEvent OnChange;

 protected:
  void Changed();

 private:
  bool transparent_ = false;
};

// Reads a whole file; raises EInvalidGraphic when it cannot be read.
std::vector<std::uint8_t> ReadGraphicFile(const std::string& path);
