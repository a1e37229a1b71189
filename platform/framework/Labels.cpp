#include "platform/framework/Labels.h"

#include "platform/gfx/DrawText.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  controlStyle_ |= csOpaque;
  SetBounds(0, 0, 65, 17);
  SetAutoSize(true);
  Publish("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment);
  Publish("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout);
  Publish("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap);
  Publish("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent);
  Publish("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar);
  Publish("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl);
}

void TCustomLabel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  layout_ = value;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
  wordWrap_ = value;
  AdjustSize();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  transparent_ = value;
  if (value) controlStyle_ &= ~csOpaque;
  else controlStyle_ |= csOpaque;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  showAccelChar_ = value;
  AdjustSize();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
  focusControl_ = control;
  if (control) control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

UINT TCustomLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  TAlignment align = alignment_;
  if (UseRightToLeftAlignment() && align != taCenter) align = align == taLeftJustify ? taRightJustify : taLeftJustify;
  flags |= align == taCenter ? DT_CENTER : align == taRightJustify ? DT_RIGHT : DT_LEFT;
  if (UseRightToLeftReading()) flags |= DT_RTLREADING;
  return flags;
}

bool TCustomLabel::CanAutoSize(int& newWidth, int& newHeight) {
  TCanvas* canvas = Canvas();
  std::string text = Caption().empty() ? std::string(" ") : Caption();
  TRect r = Rect(0, 0, wordWrap_ ? Width() : 0, 0);
  DrawText(canvas, text, r, TextFlags() | DT_CALCRECT);
  if (!wordWrap_) newWidth = r.Width();
  newHeight = r.Height();
  return true;
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  if (!transparent_) {
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(r);
  }
  canvas->SetBkMode(TRANSPARENT);
  if (layout_ != tlTop) {
    TRect calc = r;
    DrawText(canvas, Caption(), calc, TextFlags() | DT_CALCRECT);
    int offset = r.Height() - calc.Height();
    r.Top += layout_ == tlCenter ? offset / 2 : offset;
  }
  if (!Enabled()) {
    // Disabled text: a light copy one pixel down and right under a grey one.
    TRect shifted = r;
    OffsetRect(shifted, 1, 1);
    canvas->SetTextColor(clBtnHighlight);
    DrawText(canvas, Caption(), shifted, TextFlags());
    canvas->SetTextColor(clBtnShadow);
  } else {
    canvas->SetTextColor(Font()->Color());
  }
  DrawText(canvas, Caption(), r, TextFlags());
}

void TCustomLabel::Dispatch(TMessage& m) {
  if (m.Msg == CM_DIALOGCHAR) {
    if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(static_cast<char32_t>(m.WParam), Caption()) &&
        focusControl_->CanFocus()) {
      focusControl_->SetFocus();
      m.Result = 1;
    }
    return;
  }
  TGraphicControl::Dispatch(m);
}
