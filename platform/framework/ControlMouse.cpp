// Mouse input of controls: presses, clicks, capture (also for controls
// without a window, through their parent's window).

#include "platform/framework/Controls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/MouseTracking.h"

namespace detail {

TControl* CaptureControl = nullptr;

TControl* GetCaptureControl() {
  TControl* result = TWinControl::FindControl(GetCapture());
  if (result && CaptureControl && CaptureControl->Parent() == result) result = CaptureControl;
  return result;
}

void SetCaptureControl(TControl* control) {
  ReleaseCapture();
  CaptureControl = nullptr;
  if (!control) return;
  auto* window = dynamic_cast<TWinControl*>(control);
  if (!window) {
    if (!control->Parent()) return;
    CaptureControl = control;
    window = control->Parent();
  }
  SetCapture(window->Handle());
}

}  // namespace detail

bool TControl::MouseCapture() const { return detail::GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool value) {
  if (MouseCapture() == value) return;
  detail::SetCaptureControl(value ? this : nullptr);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::WMMouseMove(TMessage& m) {
  if (!(controlStyle_ & csNoStdEvents))
    MouseMove(KeysToShiftState(m.WParam), GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
}

void TControl::WMButtonDown(TMessage& m, TMouseButton button, bool doubleClick) {
  // The control that had the keyboard gives up any mode it was in.
  if (TCustomForm* form = ParentForm()) form->SendCancelMode(this);
  if (controlStyle_ & csCaptureMouse) SetMouseCapture(true);
  if (button == mbLeft && !doubleClick && (controlStyle_ & csClickEvents)) controlState_ |= csClicked;
  if (!(controlStyle_ & csNoStdEvents))
    MouseDown(button, KeysToShiftState(m.WParam) | (doubleClick ? ssDouble : 0), GET_X_LPARAM(m.LParam),
              GET_Y_LPARAM(m.LParam));
}

void TControl::WMLButtonDblClk(TMessage& m) {
  if (TCustomForm* form = ParentForm()) form->SendCancelMode(this);
  if (controlStyle_ & csCaptureMouse) SetMouseCapture(true);
  if (controlStyle_ & csClickEvents) DblClick();
  if (!(controlStyle_ & csNoStdEvents))
    MouseDown(mbLeft, KeysToShiftState(m.WParam) | ssDouble, GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
}

void TControl::WMButtonUp(TMessage& m, TMouseButton button) {
  if (controlStyle_ & csCaptureMouse) SetMouseCapture(false);
  TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  if (button == mbLeft && (controlState_ & csClicked)) {
    controlState_ &= ~csClicked;
    if (ClientRect().Contains(p)) Click();
  }
  if (!(controlStyle_ & csNoStdEvents)) MouseUp(button, KeysToShiftState(m.WParam), p.X, p.Y);
}
