// The window procedure of every framework window: finds the control of
// the window and hands it the message. Key messages from the window
// system first go to the focused control as CN_ messages, so dialog keys
// and accelerators are taken before the control sees them as input.

#include <unordered_map>

#include "platform/framework/Controls.h"
#include "platform/framework/Forms.h"
#include "platform/framework/Hints.h"
#include "platform/framework/MouseTracking.h"

namespace detail {

namespace {
std::unordered_map<HWND, TWinControl*>& ControlWindows() {
  static std::unordered_map<HWND, TWinControl*> windows;
  return windows;
}
}  // namespace

void RegisterControlWindow(HWND window, TWinControl* control) { ControlWindows()[window] = control; }
void UnregisterControlWindow(HWND window) { ControlWindows().erase(window); }

}  // namespace detail

TWinControl* TWinControl::FindControl(HWND window) {
  if (!window) return nullptr;
  auto& windows = detail::ControlWindows();
  auto it = windows.find(window);
  return it == windows.end() ? nullptr : it->second;
}

namespace {

bool IsKeyMessage(UINT msg) {
  return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR || msg == WM_SYSKEYDOWN ||
         msg == WM_SYSKEYUP || msg == WM_SYSCHAR;
}

// A key the focused control's CN_ handler took is not input any more: the
// characters TranslateMessage made of it are dropped too.
void DropCharactersOf(HWND window, UINT keyMsg) {
  UINT charMsg = keyMsg == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  MSG pending;
  while (PeekMessage(&pending, window, charMsg, charMsg, PM_REMOVE)) {
  }
}

}  // namespace

LRESULT ControlWindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = TWinControl::FindControl(hwnd);
  if (!control && msg == WM_NCCREATE && lParam) {
    auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
    control = static_cast<TWinControl*>(cs->lpCreateParams);
    if (control) control->AttachHandle(hwnd);
  }
  if (!control) return DefWindowProc(hwnd, msg, wParam, lParam);

  // A press or a key puts the tooltip away.
  if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_KEYDOWN ||
      msg == WM_SYSKEYDOWN)
    detail::CancelHint();

  if (IsKeyMessage(msg)) {
    // Sent to the window so that procedures hooked on it see it as well.
    if (SendMessage(hwnd, CN_BASE + msg, wParam, lParam) != 0) {
      if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) DropCharactersOf(hwnd, msg);
      return 0;
    }
    if (!TWinControl::FindControl(hwnd)) return 0;  // the key closed the window
  }

  TMessage m{msg, wParam, lParam, 0};
  control->MainWndProc(m);

  if ((msg == WM_MOUSEMOVE || msg == WM_MOUSELEAVE || msg == WM_NCMOUSEMOVE || msg == WM_LBUTTONUP ||
       msg == WM_CAPTURECHANGED) &&
      IsWindow(hwnd))
    detail::UpdateMouseControl(hwnd, msg);
  return m.Result;
}

void TWinControl::MainWndProc(TMessage& m) {
  try {
    WindowProc(m);
  } catch (const std::exception& e) {
    Application->HandleException(this, e);
  }
}
