// Which control the pointer is over: CM_MOUSELEAVE to the one it left and
// CM_MOUSEENTER to the one it reached, also while a control holds the
// capture and also for controls without a window.

#include "platform/framework/MouseTracking.h"

#include "platform/framework/Hints.h"

namespace detail {

namespace {

TControl* mouseControl = nullptr;
HWND trackedWindow = nullptr;

TWinControl* FrameworkTopLevelAt(TPoint screen) {
  HWND window = WindowFromPoint(screen);
  if (!window) return nullptr;
  return TWinControl::FindControl(GetAncestor(window, GA_ROOT));
}

// The deepest control under a screen point, disabled ones included.
TControl* ControlAtScreenPoint(TPoint screen) {
  TWinControl* current = FrameworkTopLevelAt(screen);
  if (!current) {
    // A window of ours that is not a framework top-level (or none at all).
    current = TWinControl::FindControl(WindowFromPoint(screen));
    if (!current) return nullptr;
  }
  for (;;) {
    TControl* child = current->ControlAtPos(current->ScreenToClient(screen), true, true);
    if (!child) return current;
    auto* window = dynamic_cast<TWinControl*>(child);
    if (!window) return child;
    if (!window->HandleAllocated() || !IsWindowVisible(window->Handle())) return current;
    current = window;
  }
}

}  // namespace

void ForgetMouseControl(TControl* control) {
  if (mouseControl == control) mouseControl = nullptr;
  ForgetHintControl(control);
}

void UpdateMouseControl(HWND window, UINT msg) {
  if (msg == WM_CAPTURECHANGED) {
    if (CaptureControl && CaptureControl->Parent() && CaptureControl->Parent()->HandleAllocated() &&
        CaptureControl->Parent()->Handle() == window && GetCapture() != window)
      CaptureControl = nullptr;
    return;
  }
  if (msg == WM_MOUSELEAVE && window == trackedWindow) trackedWindow = nullptr;
  if ((msg == WM_MOUSEMOVE || msg == WM_NCMOUSEMOVE) && window != trackedWindow) {
    // Ask for WM_MOUSELEAVE, so leaving the application is noticed too.
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = window;
    if (TrackMouseEvent(&track)) trackedWindow = window;
  }
  CheckMouseControl();
}

void CheckMouseControl() {
  // Called whenever the loop goes idle, so the display is not asked: the
  // pointer events tell where the pointer is while it is over our windows.
  TPoint cursor;
  TControl* now = GetCursorPosFromInput(&cursor) ? ControlAtScreenPoint(cursor) : nullptr;
  if (now == mouseControl) return;
  TControl* old = mouseControl;
  mouseControl = now;
  if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
  // The leave handler may have freed the control we reached.
  if (now && mouseControl == now) now->Perform(CM_MOUSEENTER, 0, 0);
  if (mouseControl == now) HintMouseControlChanged(now);
}

TControl* MouseControl() { return mouseControl; }

}  // namespace detail
