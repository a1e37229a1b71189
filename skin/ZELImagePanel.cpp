#include "skin/ZELImagePanel.h"

#include "platform/framework/SysUtils.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DrawText.h"
#include "skin/ZELPublic.h"

TzelCustomPanel::TzelCustomPanel(TComponent* owner)
    : TCustomPanel(owner), picture_(std::make_unique<TPicture>()) {
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
  Publish("Transparent", &TzelCustomPanel::Transparent, &TzelCustomPanel::SetTransparent);
  Publish("DrawStyle", &TzelCustomPanel::DrawStyle, &TzelCustomPanel::SetDrawStyle);
}

TzelCustomPanel::~TzelCustomPanel() { picture_->OnChange = nullptr; }

void TzelCustomPanel::SetPicture(const TPicture* value) {
  picture_->Assign(value);
  FillBackground();
  Invalidate();
}

void TzelCustomPanel::SetTransparent(bool value) {
  transparent_ = value;
  if (picture_->Graphic()) picture_->Graphic()->SetTransparent(value);
  Invalidate();
}

void TzelCustomPanel::SetDrawStyle(TzelDrawStyle value) {
  drawStyle_ = value;
  FillBackground();
  Invalidate();
}

void TzelCustomPanel::SetAutoSize(bool value) {
  TCustomPanel::SetAutoSize(value);
  if (picture_ && picture_->Graphic()) SizeToPicture();
}

void TzelCustomPanel::FillBackground() {
  if (!HandleAllocated()) return;
  Canvas()->Brush()->SetColor(Color());
  if (ParentWindow()) Canvas()->FillRect(ClientRect());
}

void TzelCustomPanel::PictureChanged() {
  if (TGraphic* graphic = picture_->Graphic()) {
    if (AutoSize()) SizeToPicture();
    if (graphic->Transparent() != transparent_) graphic->SetTransparent(transparent_);
  }
  FillBackground();
  Invalidate();
}

void TzelCustomPanel::SizeToPicture() {
  const int w = picture_->Width(), h = picture_->Height();
  switch (Align()) {
    case alNone:
    case alCustom: SetBounds(Left(), Top(), w, h); break;
    case alLeft:
    case alRight: SetWidth(w); break;
    case alTop:
    case alBottom: SetHeight(h); break;
    default: break;  // the client area decides both
  }
}

void TzelCustomPanel::DrawPicture(TCanvas& canvas, const TRect& client) {
  const TGraphic* graphic = picture_->Graphic();
  switch (drawStyle_) {
    case zelStretch: canvas.StretchDraw(client, graphic); break;
    case zelTile:
      // Tiling steps by the picture's size; an empty one has nothing to tile.
      if (!graphic->Empty()) TilePicture(canvas, *picture_, client);
      break;
    default: canvas.Draw(0, 0, graphic); break;
  }
}

void TzelCustomPanel::PaintBackgroundAndPicture(TCanvas& canvas) {
  const TRect client = ClientRect();
  if (transparent_) {
    DrawParentBackground(canvas, *this);
  } else {
    // Parts the picture leaves uncovered show Color, never stale memory.
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(client);
  }
  if (picture_->Graphic()) DrawPicture(canvas, client);
}

void TzelCustomPanel::Paint() {
  const TRect client = ClientRect();
  TBitmap buffer(std::max(1, client.Width()), std::max(1, client.Height()));
  TCanvas& canvas = *buffer.Canvas();
  PaintBackgroundAndPicture(canvas);

  const std::string caption = Caption();
  if (!Trim(caption).empty()) {
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(bsClear);
    UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (Alignment() == taRightJustify) flags |= DT_RIGHT;
    else if (Alignment() == taCenter) flags |= DT_CENTER;
    TRect textRect = client;
    DrawText(canvas.Handle(), caption, textRect, flags);
  }
  Canvas()->Draw(0, 0, &buffer);
}

void TzelCustomPanel::Resize() {
  TCustomPanel::Resize();
  Invalidate();
}

void TzelCustomPanel::CMTextChanged(TMessage& message) {
  TCustomPanel::CMTextChanged(message);
  Invalidate();
}

// Painting covers the whole client area; erasing first would only flicker.
void TzelCustomPanel::WMEraseBkgnd(TMessage& message) { message.Result = 1; }

TzelImagePanel::TzelImagePanel(TComponent* owner) : TzelCustomPanel(owner) {
  SetTransparent(false);
  SetAlignment(taCenter);
  SetColor(clBtnFace);
  SetTabStop(false);
}
