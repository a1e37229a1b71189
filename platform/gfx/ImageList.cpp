#include "platform/gfx/ImageList.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"

namespace {

constexpr TColor kBlack = 0x000000;
constexpr TColor kWhite = 0xFFFFFF;

TColor PixelOf(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + static_cast<std::ptrdiff_t>(x) * bitmap.BytesPerPixel();
  return RGB(p[2], p[1], p[0]);
}

void SetPixelOf(TBitmap& bitmap, int x, int y, TColor colour) {
  std::uint8_t* p = bitmap.ScanLine(y) + static_cast<std::ptrdiff_t>(x) * bitmap.BytesPerPixel();
  p[0] = GetBValue(colour);
  p[1] = GetGValue(colour);
  p[2] = GetRValue(colour);
}

// Paints where mask is black: clears those pixels (AND with the mask), then
// puts paint's colours in (OR; paint is black wherever mask is white).
void PaintThroughMask(TCanvas& canvas, int x, int y, TBitmap& mask, TBitmap& paint) {
  canvas.BitBlt(x, y, mask.Width(), mask.Height(), mask.Canvas(), 0, 0, SRCAND);
  canvas.BitBlt(x, y, paint.Width(), paint.Height(), paint.Canvas(), 0, 0, SRCPAINT);
}

}  // namespace

// Image pixels are black where the mask is white, so masked drawing is a
// plain AND then OR.
struct TImageList::Entry {
  TBitmap Image;
  TBitmap Mask;  // black = opaque, white = transparent
  Entry(int width, int height) : Image(width, height, pf24bit), Mask(width, height, pf24bit) {}
};

TImageList::TImageList(int width, int height) : width_(std::max(1, width)), height_(std::max(1, height)) {}

TImageList::~TImageList() = default;

void TImageList::SetWidth(int width) {
  width = std::max(1, width);
  if (width == width_) return;
  width_ = width;
  Clear();
}

void TImageList::SetHeight(int height) {
  height = std::max(1, height);
  if (height == height_) return;
  height_ = height;
  Clear();
}

int TImageList::Add(const TBitmap* image, const TBitmap* mask) {
  if (!image || image->Width() <= 0 || image->Height() <= 0)
    throw EInvalidOperation("Unable to add an empty image to the image list");
  std::vector<bool> transparent(static_cast<std::size_t>(image->Width()) * image->Height(), false);
  if (mask)
    for (int y = 0; y < std::min(image->Height(), mask->Height()); ++y)
      for (int x = 0; x < std::min(image->Width(), mask->Width()); ++x)
        transparent[static_cast<std::size_t>(y) * image->Width() + x] = PixelOf(*mask, x, y) == kWhite;
  return AddPieces(*image, transparent);
}

int TImageList::AddMasked(const TBitmap* image, TColor maskColor) {
  if (!image || image->Width() <= 0 || image->Height() <= 0)
    throw EInvalidOperation("Unable to add an empty image to the image list");
  const TColor key = ColorToRGB(maskColor);
  std::vector<bool> transparent(static_cast<std::size_t>(image->Width()) * image->Height(), false);
  for (int y = 0; y < image->Height(); ++y)
    for (int x = 0; x < image->Width(); ++x)
      transparent[static_cast<std::size_t>(y) * image->Width() + x] = PixelOf(*image, x, y) == key;
  return AddPieces(*image, transparent);
}

// An image narrower or lower than the list's size leaves the rest of the
// piece transparent.
int TImageList::AddPieces(const TBitmap& image, const std::vector<bool>& transparent) {
  const int first = Count();
  const int pieces = std::max(1, image.Width() / width_);
  for (int piece = 0; piece < pieces; ++piece) {
    auto entry = std::make_unique<Entry>(width_, height_);
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        const int sx = piece * width_ + x;
        const bool inside = sx < image.Width() && y < image.Height();
        const bool clear = !inside || transparent[static_cast<std::size_t>(y) * image.Width() + sx];
        SetPixelOf(entry->Image, x, y, clear ? kBlack : PixelOf(image, sx, y));
        SetPixelOf(entry->Mask, x, y, clear ? kWhite : kBlack);
      }
    images_.push_back(std::move(entry));
  }
  return first;
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  if (!canvas || index < 0 || index >= Count()) return;
  Entry& entry = *images_[static_cast<std::size_t>(index)];
  if (enabled) {
    PaintThroughMask(*canvas, x, y, entry.Mask, entry.Image);
    return;
  }
  // The greyed look: every opaque pixel that is not white counts as ink;
  // the ink is drawn in the highlight colour one pixel down and right,
  // then in the shadow colour in place.
  TBitmap inkMask(width_, height_, pf24bit);
  TBitmap highlight(width_, height_, pf24bit);
  TBitmap shadow(width_, height_, pf24bit);
  const TColor highlightColour = ColorToRGB(clBtnHighlight);
  const TColor shadowColour = ColorToRGB(clBtnShadow);
  for (int py = 0; py < height_; ++py)
    for (int px = 0; px < width_; ++px) {
      const bool ink = PixelOf(entry.Mask, px, py) == kBlack && PixelOf(entry.Image, px, py) != kWhite;
      SetPixelOf(inkMask, px, py, ink ? kBlack : kWhite);
      SetPixelOf(highlight, px, py, ink ? highlightColour : kBlack);
      SetPixelOf(shadow, px, py, ink ? shadowColour : kBlack);
    }
  PaintThroughMask(*canvas, x + 1, y + 1, inkMask, highlight);
  PaintThroughMask(*canvas, x, y, inkMask, shadow);
}

void TImageList::GetBitmap(int index, TBitmap* image) {
  if (!image || index < 0 || index >= Count()) return;
  image->SetSize(width_, height_);
  Draw(image->Canvas(), 0, 0, index);
}

void TImageList::Clear() { images_.clear(); }

void TImageList::Delete(int index) {
  if (index < 0 || index >= Count())
    throw EInvalidOperation("Image list index " + std::to_string(index) + " is out of range");
  images_.erase(images_.begin() + index);
}
