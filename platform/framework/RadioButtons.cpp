// The radio button: one of a group of siblings, checked one at a time.

#include "platform/framework/ControlLooks.h"
#include "platform/framework/StdCtrls.h"

TRadioButton::TRadioButton(TComponent* owner) : TCustomCheckBox(owner) {
  SetBounds(0, 0, 113, 17);
  Publish("GroupIndex", &TRadioButton::GroupIndex, &TRadioButton::SetGroupIndex);
}

// A click only ever checks.
void TRadioButton::Toggle() {
  if (!Checked()) SetChecked(true);
}

void TRadioButton::StateChanged() {
  if (state_ == cbGrayed) state_ = cbChecked;
  if (state_ != cbChecked) return;
  SetTabStop(true);
  UncheckSiblings();
}

void TRadioButton::UncheckSiblings() {
  TWinControl* parent = Parent();
  if (!parent) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
    if (!other || other == this || other->groupIndex_ != groupIndex_) continue;
    other->ApplyState(cbUnchecked, false);
    // Tab reaches the group through its checked button.
    other->SetTabStop(false);
  }
}

void TRadioButton::Dispatch(TMessage& m) {
  // Arriving by an arrow key checks the button, as the native one does.
  if (m.Msg == WM_SETFOCUS && !Checked() &&
      (GetKeyState(VK_LEFT) < 0 || GetKeyState(VK_RIGHT) < 0 || GetKeyState(VK_UP) < 0 || GetKeyState(VK_DOWN) < 0)) {
    TCustomCheckBox::Dispatch(m);
    SetChecked(true);
    return;
  }
  TCustomCheckBox::Dispatch(m);
}

void TRadioButton::PaintMark(TCanvas* canvas, const TRect& box) {
  canvas->Pen()->SetColor(clBtnShadow);
  canvas->Brush()->SetColor(Enabled() && !Pressed() ? clWindow : clBtnFace);
  canvas->Ellipse(box);
  if (!Checked()) return;
  canvas->Pen()->SetColor(Enabled() ? clWindowText : clBtnShadow);
  canvas->Brush()->SetColor(Enabled() ? clWindowText : clBtnShadow);
  TRect dot = box;
  InflateRect(dot, -4, -4);
  canvas->Ellipse(dot);
}
