#pragma once
// A list of equally sized images with transparency masks, drawn masked or
// in the greyed look of disabled controls.

#include <memory>
#include <vector>

#include "platform/base/Types.h"

class TBitmap;
class TCanvas;

class TImageList : public TObject {
 public:
  explicit TImageList(int width = 16, int height = 16);
  ~TImageList() override;
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  std::string ClassName() const override { return "TImageList"; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size empties the list.
  void SetWidth(int width);
  void SetHeight(int height);
  int Count() const { return static_cast<int>(images_.size()); }

  // Adds the image, or Width-wide pieces of it side by side when it is
  // wider; returns the first new index. In mask, white is transparent and
  // every other colour opaque; no mask makes the images opaque.
  // EInvalidOperation for a missing or empty image.
  int Add(const TBitmap* image, const TBitmap* mask = nullptr);
  // The same with every pixel of maskColor transparent.
  int AddMasked(const TBitmap* image, TColor maskColor);

  // Opaque pixels only; disabled images show as an embossed outline in the
  // button highlight and shadow colours. A bad index draws nothing.
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  // Sizes image to the list's images and draws the image onto it.
  void GetBitmap(int index, TBitmap* image);

  void Clear();
  // EInvalidOperation for a bad index.
  void Delete(int index);

 private:
  struct Entry;
  int AddPieces(const TBitmap& image, const std::vector<bool>& transparent);

  int width_;
  int height_;
  std::vector<std::unique_ptr<Entry>> images_;
};
