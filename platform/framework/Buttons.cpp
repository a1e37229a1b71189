// The push button and what it shares with the check box and radio button:
// pressing under the mouse and the space bar, and the accelerator.

#include "platform/framework/ControlLooks.h"
#include "platform/framework/StdCtrls.h"
#include "platform/gfx/DrawText.h"

// ---- TButtonControl ------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  // Clicks come from the button's own press and release, not the generic ones.
  controlStyle_ = csCaptureMouse | csSetCaption | csDoubleClicks | csOpaque;
  SetTabStop(true);
}

void TButtonControl::SetPressed(bool value) {
  if (value == pressed_) return;
  pressed_ = value;
  Invalidate();
}

void TButtonControl::PaintWindow(HDC dc) {
  dc->SetFont(*Font());
  PaintButton(dc);
}

void TButtonControl::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
      if (m.WParam == VK_SPACE) {
        spaceDown_ = true;
        SetPressed(true);
        return;
      }
      break;
    case WM_KEYUP:
      if (m.WParam == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        SetPressed(false);
        ButtonClicked();
        return;
      }
      break;
    case WM_SETFOCUS:
      Invalidate();
      break;
    case WM_KILLFOCUS:
      spaceDown_ = false;
      if (!mouseTracking_) SetPressed(false);
      Invalidate();
      break;
    case BM_CLICK:
      if (Enabled()) ButtonClicked();
      return;
    case BM_GETSTATE:
      m.Result = (pressed_ ? BST_PUSHED : 0) | (Focused() ? BST_FOCUS : 0) | Perform(BM_GETCHECK, 0, 0);
      return;
    case BM_SETSTATE:
      SetPressed(m.WParam != 0);
      return;
    default: break;
  }
  TWinControl::DefaultHandler(m);
}

void TButtonControl::WMButtonDown(TMessage& m, TMouseButton button, bool doubleClick) {
  if (button == mbLeft) {
    if (!Focused() && CanFocus()) SetFocus();
    mouseTracking_ = true;
    SetPressed(true);
  }
  TWinControl::WMButtonDown(m, button, doubleClick);
}

// A quick second click presses the button again, as a native button does.
void TButtonControl::WMLButtonDblClk(TMessage& m) { WMButtonDown(m, mbLeft, true); }

void TButtonControl::WMMouseMove(TMessage& m) {
  if (mouseTracking_) SetPressed(ClientRect().Contains({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}));
  TWinControl::WMMouseMove(m);
}

void TButtonControl::WMButtonUp(TMessage& m, TMouseButton button) {
  bool clicked = false;
  if (button == mbLeft && mouseTracking_) {
    mouseTracking_ = false;
    clicked = pressed_;
    SetPressed(false);
  }
  // As a native button: the click, and a check box's new state, come
  // before OnMouseUp, with the mouse already released.
  if (clicked) {
    if (ControlStyle() & csCaptureMouse) SetMouseCapture(false);
    ButtonClicked();
  }
  TWinControl::WMButtonUp(m, button);
}

void TButtonControl::CMDialogChar(TMessage& m) {
  if (Enabled() && Showing() && IsAccel(static_cast<char32_t>(m.WParam), Caption())) {
    if (CanFocus()) SetFocus();
    ButtonClicked();
    m.Result = 1;
    return;
  }
  TWinControl::CMDialogChar(m);
}

void TButtonControl::CMEnabledChanged(TMessage& m) {
  if (!Enabled()) {
    mouseTracking_ = spaceDown_ = false;
    SetPressed(false);
  }
  TWinControl::CMEnabledChanged(m);
  Invalidate();
}

// ---- TButton ------------------------------------------------------------------

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  SetBounds(0, 0, 75, 25);
  Publish("Default", &TButton::Default, &TButton::SetDefault);
  Publish("Cancel", &TButton::Cancel, &TButton::SetCancel);
  Publish("ModalResult", &TButton::ModalResult, &TButton::SetModalResult);
}

void TButton::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  TCustomForm* form = ParentForm();
  TWinControl* focused = form ? form->ActiveControl() : nullptr;
  if (!dynamic_cast<TButton*>(focused)) active_ = value;
  Invalidate();
}

bool TButton::Active() const { return active_ || Focused(); }

void TButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click() {
  if (TCustomForm* form = ParentForm()) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

void TButton::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_BUTTON | (Active() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void TButton::CMDialogKey(TMessage& m) {
  bool plain = GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
  if (plain && ((m.WParam == VK_RETURN && Active()) || (m.WParam == VK_ESCAPE && cancel_)) && Enabled() &&
      Showing()) {
    Click();
    m.Result = 1;
    return;
  }
  TButtonControl::CMDialogKey(m);
}

// While a button has the focus, Enter presses that one; otherwise the default.
void TButton::CMFocusChanged(TMessage& m) {
  auto* focused = reinterpret_cast<TWinControl*>(m.LParam);
  bool active = dynamic_cast<TButton*>(focused) ? focused == this : default_;
  if (active != active_) {
    active_ = active;
    Invalidate();
  }
  TButtonControl::CMFocusChanged(m);
}

void TButton::PaintButton(TCanvas* canvas) {
  TRect r = ClientRect();
  DrawButtonFace(canvas, r, Pressed(), Active(), Color());
  TRect text = r;
  if (Pressed()) OffsetRect(text, 1, 1);
  DrawControlText(canvas, Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled(), Font()->Color());
  if (ShowsFocus()) {
    TRect focus = ClientRect();
    InflateRect(focus, -4, -4);
    canvas->DrawFocusRect(focus);
  }
}
