#include "skin-recorder/ZELSkinForm.h"

#include "platform/framework/Forms.h"
#include "platform/gfx/Canvas.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinMessages.h"
#include "skin/ZELPublic.h"

TzelSkinForm::TzelSkinForm(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>()) {
  form_ = dynamic_cast<TCustomForm*>(owner);
  if (form_ != nullptr && !DesignTime()) form_->SetBorderStyle(bsNone);
  SetBounds(Left(), Top(), 200, 100);
  Publish("TransparentColor", &TzelSkinForm::TransparentColor, &TzelSkinForm::SetTransparentColor);
}

TzelSkinForm::~TzelSkinForm() { Destroying(); }

// A form being designed hands its state to what it owns only later.
bool TzelSkinForm::DesignTime() const { return IsDesigning() || (form_ != nullptr && form_->IsDesigning()); }

void TzelSkinForm::SetGlyph(const TBitmap* value) {
  glyph_->Assign(value);
  Reshape();
  Invalidate();
}

void TzelSkinForm::SetTransparentColor(TColor value) {
  transparentColor_ = value;
  Reshape();
  Invalidate();
}

void TzelSkinForm::Reshape() {
  if (glyph_->Empty()) return;
  // Without a form there is no window to shape; the control still sizes.
  if (form_ != nullptr && !DesignTime()) SetWindowRegionFromBitmap(form_->Handle(), *glyph_, transparentColor_);
  SetBounds(0, 0, glyph_->Width(), glyph_->Height());
  if (form_ != nullptr) form_->SetClientSize(Width(), Height());
  if (OnRegionChanged) OnRegionChanged(this);
}

void TzelSkinForm::Paint() {
  TCanvas* canvas = Canvas();
  if (!glyph_->Empty()) {
    canvas->Draw(0, 0, glyph_.get());
  } else {
    canvas->Brush()->SetColor(clBlack);
    canvas->FrameRect(ClientRect());
  }
  if (OnPaint) OnPaint(this);
}

// Any press drags the shaped window: the platform moves it while the
// left button is held.
void TzelSkinForm::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  ReleaseCapture();
  if (form_ != nullptr && form_->HandleAllocated()) SendMessage(form_->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

// The glyph covers the control; erasing first would only flicker.
void TzelSkinForm::Dispatch(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    return;
  }
  TGraphicControl::Dispatch(message);
}
