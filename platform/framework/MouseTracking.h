#pragma once
// The pointer's state as the framework keeps it: the control that holds
// the capture (also one without a window) and the control the pointer is
// over, which hears CM_MOUSEENTER and CM_MOUSELEAVE.

#include "platform/framework/Controls.h"

namespace detail {

// The windowless control that holds the capture through its parent's window.
extern TControl* CaptureControl;
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);

// After a pointer message the window procedure passed on (and WM_CAPTURECHANGED).
void UpdateMouseControl(HWND window, UINT msg);
// Sees whether the pointer is over another control than before (a window
// may have appeared, gone or moved under a resting pointer).
void CheckMouseControl();
TControl* MouseControl();
void ForgetMouseControl(TControl* control);

}  // namespace detail
