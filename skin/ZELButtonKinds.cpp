// The three push buttons: caption with glyph, own pictures, arrow.

#include <span>

#include "platform/gfx/DrawText.h"
#include "platform/gfx/ImageList.h"
#include "skin/ZELButtonPush.h"
#include "skin/ZELPublic.h"

namespace {

// Theme-file items and built-in elements the buttons read.
constexpr int kFileButtonTransparent = 5;  // flag SKIN2_BUTTONTRANS
constexpr int kFileButtonFontColor = 24;   // colour SKIN2_BUTTONFONTCOLOR
constexpr int kButtonTransparentBool = 2;  // built-in element

void ApplyLookTransparency(TzelCustomButton& button, const TzelLookSource& source) {
  button.SetTransparent(source.ByItem() ? source.File().GetBool(kFileButtonTransparent)
                                        : source.ElementBool(kButtonTransparentBool));
}

}  // namespace

// ---- TzelButton -------------------------------------------------------------------

TzelButton::TzelButton(TComponent* owner) : TzelCustomButton(owner) {
  SetBounds(Left(), Top(), 80, 27);
  Publish("UIStyle", &TzelButton::UIStyle, &TzelButton::SetUIStyle);
  Publish("FileTheme", &TzelButton::FileTheme, &TzelButton::SetFileTheme);
  PublishDialogProperties();
  Publish("MouseContinuouslyDownInterval", &TzelButton::MouseContinuouslyDownInterval,
          &TzelButton::SetMouseContinuouslyDownInterval);
  Publish("Layout", &TzelButton::Layout, &TzelButton::SetLayout);
  Publish("Spacing", &TzelButton::Spacing, &TzelButton::SetSpacing);
  Publish("ResHandle", &TzelButton::ResHandle, &TzelButton::SetResHandle);
  SetUIStyle(UIStyle());
}

void TzelButton::SetGlyph(const TBitmap* value) {
  glyph_.Assign(value);
  Invalidate();
}

void TzelButton::SetLayout(TButtonLayout value) {
  layout_ = value;
  Invalidate();
}

void TzelButton::SetSpacing(int value) {
  spacing_ = value;
  Invalidate();
}

// The recorder's theme files name no caption colour: black, as the looks.
void TzelButton::ApplyTheme(const TzelLookSource& source) {
  ApplyLookTransparency(*this, source);
  Font()->SetColor(source.ByItem() ? TColor(source.File().GetColor(kFileButtonFontColor)) : clBlack);
}

void TzelButton::DrawPicture(TCanvas& canvas, TBitmap& picture) {
  DrawSkinBitmap(picture, canvas, ClientRect(), PictureTransparent());
  if (!glyph_.Empty()) DrawGlyph(canvas);
}

void TzelButton::DrawGlyph(TCanvas& canvas) {
  canvas.Font()->Assign(*Font());
  const std::string caption = Caption();
  const int tw = canvas.TextWidth(caption), th = canvas.TextHeight(caption);
  int gw = glyph_.Width();
  const int gh = glyph_.Height();
  const bool twoImages = gw == 2 * gh;  // enabled and disabled side by side
  if (twoImages) gw = gh;
  const int W = Width(), H = Height();
  int x = 0, y = 0;
  switch (layout_) {
    case blGlyphLeft:
      x = (W - gw - tw - spacing_) / 2;
      y = (H - gh) / 2;
      captionPos_ = {x + gw + spacing_, (H - th) / 2};
      break;
    case blGlyphRight:
      x = (W + tw + spacing_ - gw) / 2;
      y = (H - gh) / 2;
      captionPos_ = {x - tw - spacing_, (H - th) / 2};
      break;
    case blGlyphTop:
      x = (W - gw) / 2;
      y = (H - th - gh - spacing_) / 2;
      captionPos_ = {(W - tw) / 2, y + gh + spacing_};
      break;
    case blGlyphBottom:
      x = (W - gw) / 2;
      y = (H + th + spacing_ - gh) / 2;
      captionPos_ = {(W - tw) / 2, y - th - spacing_};
      break;
  }
  if (Down()) {
    ++x;
    ++y;
  }
  TImageList list(gw, gh);
  list.AddMasked(&glyph_, glyph_.Canvas()->Pixels(0, 0));
  if (twoImages)
    list.Draw(&canvas, x, y, Enabled() ? 0 : 1, true);
  else
    list.Draw(&canvas, x, y, 0, Enabled());
}

void TzelButton::DrawCaption(TCanvas& canvas, const std::string& caption) {
  if (glyph_.Empty()) {
    TzelCustomButton::DrawCaption(canvas, caption);
    return;
  }
  canvas.Brush()->SetStyle(bsClear);
  canvas.Font()->Assign(*Font());
  auto line = [&](int x, int y) {
    TRect rect{x, y, Width(), Height()};
    DrawText(canvas.Handle(), caption, rect, DT_SINGLELINE);
  };
  const int cx = captionPos_.X, cy = captionPos_.Y;
  if (!Enabled()) {
    canvas.Font()->SetColor(clWhite);
    line(cx + 1, cy + 1);
    canvas.Font()->SetColor(0x808080);
    line(cx, cy);
  } else if (Down()) {
    line(cx + 1, cy + 1);
  } else {
    line(cx, cy);
  }
}

void TzelButton::DrawFocus(TCanvas& canvas) {
  // These two looks show the focused button by a bold caption.
  if (UIStyle() == MacOS || UIStyle() == BlueGlass)
    SetBoldCaption();
  else
    TzelCustomButton::DrawFocus(canvas);
}

// ---- TzelImageButton ------------------------------------------------------------

TzelImageButton::TzelImageButton(TComponent* owner) : TzelCustomButton(owner) {
  Publish<TzelImageButton, TzelUIStyle, TzelUIStyle>("UIStyle", &TzelImageButton::UIStyle,
                                                      &TzelImageButton::SetUIStyle);
  PublishDialogProperties();
  Publish("MouseContinuouslyDownInterval", &TzelImageButton::MouseContinuouslyDownInterval,
          &TzelImageButton::SetMouseContinuouslyDownInterval);
  Publish("Stretch", &TzelImageButton::Stretch, &TzelImageButton::SetStretch);
  Publish("DrawFocused", &TzelImageButton::DrawFocused, &TzelImageButton::SetDrawFocused);
}

void TzelImageButton::SetPicture(TPicture& picture, const TGraphic* value) {
  picture.SetGraphic(value);
  UpdateAutoSize();
  Invalidate();
}

void TzelImageButton::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TzelImageButton::SetDrawFocused(bool value) {
  drawFocused_ = value;
  Invalidate();
}

void TzelImageButton::UpdateAutoSize() {
  if (Parent() && AutoSize() && picNormal_.Graphic() && !picNormal_.Graphic()->Empty())
    SetBounds(Left(), Top(), picNormal_.Width(), picNormal_.Height());
}

void TzelImageButton::CopyPicture(const TPicture& picture, TBitmap& dest) const {
  const TPicture& source = picture.Graphic() ? picture : picNormal_;
  dest.Assign(source.Graphic());
}

void TzelImageButton::GetNormalPicture(TBitmap& dest) { CopyPicture(picNormal_, dest); }
void TzelImageButton::GetHoverPicture(TBitmap& dest) { CopyPicture(picMouseOn_, dest); }
void TzelImageButton::GetDownPicture(TBitmap& dest) { CopyPicture(picMouseDown_, dest); }
void TzelImageButton::GetDisabledPicture(TBitmap& dest) { CopyPicture(picDisabled_, dest); }

void TzelImageButton::DrawPicture(TCanvas& canvas, TBitmap& picture) {
  if (picture.Empty()) return;
  const bool transparent = picture.Transparent();
  picture.SetTransparentColor(picture.Canvas()->Pixels(0, 0));
  picture.SetTransparent(transparent);
  if (stretch_)
    canvas.StretchDraw({0, 0, Width(), Height()}, &picture);
  else
    canvas.Draw(0, 0, &picture);
}

void TzelImageButton::DrawFocus(TCanvas& canvas) {
  if (drawFocused_) TzelCustomButton::DrawFocus(canvas);
}

// ---- TzelArrowButton ------------------------------------------------------------

TzelArrowButton::TzelArrowButton(TComponent* owner) : TzelCustomButton(owner) {
  Publish("UIStyle", &TzelArrowButton::UIStyle, &TzelArrowButton::SetUIStyle);
  Publish("FileTheme", &TzelArrowButton::FileTheme, &TzelArrowButton::SetFileTheme);
  Publish("MouseContinuouslyDownInterval", &TzelArrowButton::MouseContinuouslyDownInterval,
          &TzelArrowButton::SetMouseContinuouslyDownInterval);
  Publish("Arrow", &TzelArrowButton::Arrow, &TzelArrowButton::SetArrow);
  SetUIStyle(UIStyle());
}

void TzelArrowButton::SetArrow(TzelArrowButtonType value) {
  arrow_ = value;
  Invalidate();
}

void TzelArrowButton::ApplyTheme(const TzelLookSource& source) { ApplyLookTransparency(*this, source); }

void TzelArrowButton::DrawPicture(TCanvas& canvas, TBitmap& picture) {
  DrawSkinBitmap(picture, canvas, ClientRect(), PictureTransparent());
  const int x = (Width() - 6) / 2, y = (Height() - 3) / 2;
  const TPoint up[3] = {{x, y + 3}, {x + 3, y}, {x + 6, y + 3}};
  const TPoint down[3] = {{x, y}, {x + 3, y + 3}, {x + 6, y}};
  canvas.Pen()->SetStyle(psSolid);
  canvas.Pen()->SetColor(clBlack);
  canvas.Brush()->SetColor(clBlack);
  canvas.Polygon(std::span<const TPoint>(arrow_ == zelUp ? up : down, 3));
}
