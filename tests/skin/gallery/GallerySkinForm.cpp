// Bitmap-shaped windows in one look: a rounded panel in the look's form
// colours and a round badge, each as the screen shows it through its
// window region (a checkerboard marks what the shape cuts away).

#include <memory>

#include "platform/framework/Forms.h"
#include "platform/gfx/Canvas.h"
#include "platform/win/Headless.h"
#include "platform/win/WinApi.h"
#include "skin-recorder/ZELSkinForm.h"
#include "tests/skin/gallery/GalleryPage.h"

namespace gallery {

namespace {

constexpr TColor kCut = 0xFF00FF;

// A glyph the way the recorder's windows build theirs: a filled body with
// magenta outside its rounded outline.
std::unique_ptr<TBitmap> RoundedGlyph(int width, int height, int radius, TColor body, TColor border) {
  auto glyph = std::make_unique<TBitmap>(width, height);
  TCanvas& canvas = *glyph->Canvas();
  canvas.Brush()->SetColor(kCut);
  canvas.FillRect({0, 0, width, height});
  canvas.Brush()->SetColor(body);
  canvas.Pen()->SetColor(border);
  canvas.RoundRect(0, 0, width, height, radius, radius);
  return glyph;
}

std::unique_ptr<TBitmap> Shown(const TBitmap& glyph) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  auto* skin = new TzelSkinForm(form);
  skin->SetParent(form);
  skin->SetGlyph(&glyph);
  form->Show();
  HeadlessPumpUntilIdle();
  auto shot = ShootThroughRegion(form->Handle());
  form->Release();
  HeadlessPumpUntilIdle();
  return shot;
}

}  // namespace

std::unique_ptr<TBitmap> PaintSkinForm(const TLookEntry& look) {
  const TColor body = TColor(GetBuiltInThemeColor(look.style, 15));
  const TColor border = TColor(GetBuiltInThemeColor(look.style, 16));
  auto panel = Shown(*RoundedGlyph(160, 90, 24, body, border));
  auto badge = Shown(*RoundedGlyph(70, 70, 70, border, body));
  auto picture = std::make_unique<TBitmap>(250, 90);
  picture->Canvas()->Brush()->SetColor(kPageColor);
  picture->Canvas()->FillRect({0, 0, 250, 90});
  picture->Canvas()->Draw(0, 0, panel.get());
  picture->Canvas()->Draw(175, 10, badge.get());
  return picture;
}

}  // namespace gallery
