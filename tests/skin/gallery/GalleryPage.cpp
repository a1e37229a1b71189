#include "tests/skin/gallery/GalleryPage.h"

#include <algorithm>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Region.h"
#include "platform/win/Headless.h"

namespace gallery {

void WriteText(TCanvas& canvas, int x, int y, const std::string& text, int height, bool bold) {
  canvas.Font()->SetHeight(height);
  canvas.Font()->SetColor(kInkColor);
  canvas.Font()->SetStyle(bold ? TFontStyles(fsBold) : TFontStyles(0));
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(x, y, text);
}

void DrawZoomed(TCanvas& canvas, int x, int y, const TBitmap& source, int zoom) {
  TBitmap& target = *canvas.Target();
  for (int sy = 0; sy < source.Height(); ++sy) {
    const std::uint8_t* from = source.ScanLine(sy);
    for (int sx = 0; sx < source.Width(); ++sx) {
      const std::uint8_t* pixel = from + sx * source.BytesPerPixel();
      for (int dy = 0; dy < zoom; ++dy) {
        int ty = y + sy * zoom + dy;
        if (ty < 0 || ty >= target.Height()) continue;
        std::uint8_t* row = target.ScanLine(ty);
        for (int dx = 0; dx < zoom; ++dx) {
          int tx = x + sx * zoom + dx;
          if (tx < 0 || tx >= target.Width()) continue;
          std::copy(pixel, pixel + 3, row + tx * target.BytesPerPixel());
        }
      }
    }
  }
}

TPoint TFlow::Place(int width, int height) {
  if (x_ > left_ && x_ + width > right_) Break();
  TPoint at{x_, y_};
  x_ += width + 12;
  rowHeight_ = std::max(rowHeight_, height);
  return at;
}

void TFlow::Break(int gap) {
  y_ += rowHeight_ + 10 + gap;
  x_ = left_;
  rowHeight_ = 0;
}

std::unique_ptr<TBitmap> ShootForm(const TLookEntry& look, int width, int height,
                                   const std::function<void(TForm*)>& build) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, width, height);
  form->SetColor(TColor(GetBuiltInThemeColor(look.style, 15)));
  build(form);
  form->Show();
  HeadlessPumpUntilIdle();
  auto shot = std::make_unique<TBitmap>();
  shot->Assign(HeadlessPresentedSurface(form->Handle()));
  form->Release();
  HeadlessPumpUntilIdle();
  return shot;
}

std::unique_ptr<TBitmap> ShootThroughRegion(HWND window) {
  TBitmap surface;
  surface.Assign(HeadlessPresentedSurface(window));
  TRgn region;
  const bool shaped = GetWindowRgn(window, &region) != ERROR;
  auto shot = std::make_unique<TBitmap>(surface.Width(), surface.Height());
  for (int y = 0; y < shot->Height(); ++y)
    for (int x = 0; x < shot->Width(); ++x) {
      const bool checker = ((x / 4) + (y / 4)) % 2 == 0;
      const TColor pixel = !shaped || region.Contains(x, y) ? surface.Canvas()->Pixels(x, y)
                                                            : (checker ? 0xC0C0C0 : 0xFFFFFF);
      shot->Canvas()->SetPixels(x, y, pixel);
    }
  return shot;
}

}  // namespace gallery
