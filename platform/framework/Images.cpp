// The image control: a picture placed, centred or stretched.

#include "platform/framework/ExtCtrls.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
  SetBounds(0, 0, 105, 105);
  picture_->OnChange = [this](TObject*) { PictureChanged(); };
  Publish("Stretch", &TImage::Stretch, &TImage::SetStretch);
  Publish("Center", &TImage::Center, &TImage::SetCenter);
  Publish("Transparent", &TImage::Transparent, &TImage::SetTransparent);
}

TImage::~TImage() { picture_->OnChange = nullptr; }

void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  center_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  transparent_ = value;
  if (value) controlStyle_ &= ~csOpaque;
  else controlStyle_ |= csOpaque;
  Invalidate();
}

void TImage::PictureChanged() {
  // A picture that covers the control hides what lies under it.
  if (!transparent_ && picture_->Graphic() && (stretch_ || (picture_->Width() >= Width() && picture_->Height() >= Height())))
    controlStyle_ |= csOpaque;
  else
    controlStyle_ &= ~csOpaque;
  AdjustSize();
  Invalidate();
}

bool TImage::CanAutoSize(int& newWidth, int& newHeight) {
  if (!picture_->Graphic() || picture_->Graphic()->Empty()) return false;
  newWidth = picture_->Width();
  newHeight = picture_->Height();
  return true;
}

TRect TImage::DestRect() {
  TRect client = ClientRect();
  if (stretch_) return client;
  TRect r = Bounds(0, 0, picture_->Width(), picture_->Height());
  if (center_) OffsetRect(r, (client.Width() - r.Width()) / 2, (client.Height() - r.Height()) / 2);
  return r;
}

void TImage::Paint() {
  TGraphic* graphic = picture_->Graphic();
  if (!graphic || graphic->Empty()) return;
  graphic->SetTransparent(transparent_);
  TCanvas* canvas = Canvas();
  TRect dest = DestRect();
  if (stretch_) canvas->StretchDraw(dest, graphic);
  else canvas->Draw(dest.Left, dest.Top, graphic);
}
