#include "platform/framework/Hints.h"

#include "platform/framework/Forms.h"
#include "platform/framework/MouseTracking.h"
#include "platform/gfx/DrawText.h"

std::string GetShortHint(const std::string& hint) {
  auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
  SetVisible(false);
}

void THintWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_BORDER;
  params.ExStyle = WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

TSize THintWindow::CalcHintSize(const std::string& text) {
  TRect r = Rect(0, 0, 300, 0);
  TCanvas* canvas = Canvas();
  canvas->SetFont(*Font());
  DrawText(canvas, text, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  return {r.Width() + 8, r.Height() + 4};
}

void THintWindow::ActivateHint(TPoint p, const std::string& text) {
  SetCaption(text);
  TSize size = CalcHintSize(text);
  TRect screen = Bounds(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  // Kept on the screen.
  if (p.X + size.cx > screen.Right) p.X = std::max(screen.Left, screen.Right - size.cx);
  if (p.Y + size.cy > screen.Bottom) p.Y = std::max(screen.Top, p.Y - size.cy - 20);
  SetBounds(p.X, p.Y, size.cx, size.cy);
  HWND window = Handle();
  SetWindowPos(window, HWND_TOPMOST, p.X, p.Y, size.cx, size.cy, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

void THintWindow::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  canvas->SetFont(*Font());
  canvas->SetBkMode(TRANSPARENT);
  canvas->SetTextColor(Font()->Color());
  InflateRect(r, -2, -1);
  DrawText(canvas, Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

namespace detail {

namespace {

TControl* hintControl = nullptr;
THintWindow* hintWindow = nullptr;
UINT_PTR showTimer = 0;
UINT_PTR hideTimer = 0;

void StopTimers() {
  if (showTimer) KillTimer(nullptr, showTimer);
  if (hideTimer) KillTimer(nullptr, hideTimer);
  showTimer = hideTimer = 0;
}

void HideHint() {
  if (hintWindow) hintWindow->ReleaseHandle();
}

void HideTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  StopTimers();
  HideHint();
}

std::string HintOf(TControl* control) {
  for (TControl* c = control; c; c = c->Parent()) {
    std::string hint = GetShortHint(c->Hint());
    if (!hint.empty()) return hint;
  }
  return {};
}

void ShowTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  StopTimers();
  if (!hintControl || hintControl != MouseControl()) return;
  std::string text = HintOf(hintControl);
  if (text.empty()) return;
  if (!hintWindow) hintWindow = new THintWindow(Application);
  TPoint cursor;
  GetCursorPos(&cursor);
  hintWindow->ActivateHint({cursor.X, cursor.Y + 20}, text);
  if (Application->HintHidePause() > 0)
    hideTimer = SetTimer(nullptr, 0, static_cast<UINT>(Application->HintHidePause()), HideTimerProc);
}

}  // namespace

void HintMouseControlChanged(TControl* control) {
  StopTimers();
  HideHint();
  hintControl = nullptr;
  if (!control || !Application->ShowHint() || !control->ShowHint()) return;
  if (HintOf(control).empty()) return;
  hintControl = control;
  showTimer = SetTimer(nullptr, 0, static_cast<UINT>(std::max(1, Application->HintPause())), ShowTimerProc);
}

void ForgetHintControl(TControl* control) {
  if (control == hintWindow) {
    StopTimers();
    hintWindow = nullptr;
    hintControl = nullptr;
  } else if (control == hintControl) {
    StopTimers();
    HideHint();
    hintControl = nullptr;
  }
}

void CancelHint() {
  StopTimers();
  HideHint();
  hintControl = nullptr;
}

THintWindow* ActiveHintWindow() {
  return hintWindow && hintWindow->HandleAllocated() && IsWindowVisible(hintWindow->Handle()) ? hintWindow
                                                                                               : nullptr;
}

}  // namespace detail
