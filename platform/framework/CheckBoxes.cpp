// The check box: a 13-pixel box beside its caption, toggled by the mouse,
// the space bar and its accelerator.

#include "platform/framework/ControlLooks.h"
#include "platform/framework/StdCtrls.h"
#include "platform/gfx/DrawText.h"

namespace {
constexpr int kBoxSize = 13;
constexpr int kCaptionGap = 4;
}  // namespace

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 97, 17);
  Publish("State", &TCustomCheckBox::State, &TCustomCheckBox::SetState);
  Publish("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked);
  Publish("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed);
  Publish("Alignment", &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment);
}

void TCustomCheckBox::SetState(TCheckBoxState value) { ApplyState(value, true); }

void TCustomCheckBox::ApplyState(TCheckBoxState value, bool notify) {
  if (value == state_) return;
  state_ = value;
  Invalidate();
  StateChanged();
  if (notify) Click();
}

void TCustomCheckBox::SetAlignment(TAlignment value) {
  alignment_ = value == taLeftJustify ? taLeftJustify : taRightJustify;
  Invalidate();
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCustomCheckBox::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case BM_GETCHECK:
      m.Result = state_ == cbChecked ? BST_CHECKED : state_ == cbGrayed ? BST_INDETERMINATE : BST_UNCHECKED;
      return;
    case BM_SETCHECK:
      // The native message sets the mark without a click notification.
      ApplyState(m.WParam == static_cast<WPARAM>(BST_CHECKED)         ? cbChecked
                 : m.WParam == static_cast<WPARAM>(BST_INDETERMINATE) ? cbGrayed
                                                                      : cbUnchecked,
                 false);
      return;
    default: TButtonControl::DefaultHandler(m);
  }
}

TRect TCustomCheckBox::BoxRect() {
  TRect client = ClientRect();
  int top = (client.Height() - kBoxSize) / 2;
  int left = alignment_ == taRightJustify ? 0 : client.Width() - kBoxSize;
  return Bounds(left, top, kBoxSize, kBoxSize);
}

TRect TCustomCheckBox::CaptionRect() {
  TRect r = ClientRect();
  if (alignment_ == taRightJustify) r.Left += kBoxSize + kCaptionGap;
  else r.Right -= kBoxSize + kCaptionGap;
  return r;
}

void TCustomCheckBox::PaintMark(TCanvas* canvas, const TRect& box) {
  TRect inner = box;
  DrawSunkenEdge(canvas, inner);
  bool live = Enabled() && !Pressed() && state_ != cbGrayed;
  canvas->Brush()->SetColor(live ? clWindow : clBtnFace);
  canvas->FillRect(inner);
  if (state_ == cbUnchecked) return;
  // The tick: three pixels thick, down to the lower left then up.
  canvas->Pen()->SetColor(Enabled() && state_ == cbChecked ? clWindowText : clBtnShadow);
  int x = inner.Left + 1, y = inner.Top + 3;
  for (int i = 0; i < 3; ++i) {
    canvas->MoveTo(x, y + i);
    canvas->LineTo(x + 2, y + 2 + i);
    canvas->LineTo(x + 7, y - 3 + i);
  }
}

void TCustomCheckBox::PaintButton(TCanvas* canvas) {
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  PaintMark(canvas, BoxRect());
  TRect text = CaptionRect();
  UINT flags = DT_SINGLELINE | DT_VCENTER | (alignment_ == taRightJustify ? DT_LEFT : DT_RIGHT);
  DrawControlText(canvas, Caption(), text, flags, Enabled(), Font()->Color());
  if (ShowsFocus() && !Caption().empty()) {
    TRect extent = CaptionExtent(canvas, Caption(), flags);
    int width = std::min(extent.Width(), text.Width());
    int left = alignment_ == taRightJustify ? text.Left : text.Right - width;
    int top = text.Top + (text.Height() - extent.Height()) / 2;
    TRect focus = Bounds(left - 1, top - 1, width + 2, extent.Height() + 2);
    canvas->DrawFocusRect(focus);
  }
}
