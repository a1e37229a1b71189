// Moving and sizing a window with the pointer when the display does not do
// it itself: the window follows the pointer until the left button is up.

#include "platform/win/Core.h"

namespace detail {
namespace {

struct TTracker {
  HWND hwnd = nullptr;
  LRESULT hit = HTNOWHERE;
  TPoint start;
  TRect startRect;
  MINMAXINFO limits{};
} tracker;

bool Has(LRESULT hit, std::initializer_list<LRESULT> codes) {
  for (LRESULT c : codes)
    if (c == hit) return true;
  return false;
}

TRect TrackedRect(TPoint screen) {
  int dx = screen.X - tracker.start.X, dy = screen.Y - tracker.start.Y;
  TRect r = tracker.startRect;
  LRESULT hit = tracker.hit;
  if (hit == HTCAPTION) {
    OffsetRect(r, dx, dy);
    return r;
  }
  const MINMAXINFO& m = tracker.limits;
  auto clampSize = [](int size, int low, int high) { return std::clamp(size, low, std::max(low, high)); };
  if (Has(hit, {HTLEFT, HTTOPLEFT, HTBOTTOMLEFT}))
    r.Left = r.Right - clampSize(r.Width() - dx, m.ptMinTrackSize.X, m.ptMaxTrackSize.X);
  if (Has(hit, {HTRIGHT, HTTOPRIGHT, HTBOTTOMRIGHT}))
    r.Right = r.Left + clampSize(r.Width() + dx, m.ptMinTrackSize.X, m.ptMaxTrackSize.X);
  if (Has(hit, {HTTOP, HTTOPLEFT, HTTOPRIGHT}))
    r.Top = r.Bottom - clampSize(r.Height() - dy, m.ptMinTrackSize.Y, m.ptMaxTrackSize.Y);
  if (Has(hit, {HTBOTTOM, HTBOTTOMLEFT, HTBOTTOMRIGHT}))
    r.Bottom = r.Top + clampSize(r.Height() + dy, m.ptMinTrackSize.Y, m.ptMaxTrackSize.Y);
  return r;
}

void Finish() {
  HWND h = tracker.hwnd;
  tracker = {};
  Backend().GrabPointer(nullptr);
  if (TWindow* w = Find(h)) Send(w, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace

void StartMoveSize(TWindow* w, LRESULT hit) {
  // Only while the button that started it is held; a maximized window stays.
  if (TrackerActive() || !PointerButtonHeld(VK_LBUTTON) || (w->style & WS_MAXIMIZE)) return;
  HWND h = w->handle;
  ReleaseCapture();
  if (!(w = Find(h))) return;
  if (!w->parent) {
    bool handed = hit == HTCAPTION ? Backend().StartSystemMove(h) : Backend().StartSystemResize(h, static_cast<int>(hit));
    if (handed) {
      ForgetPointerButton(VK_LBUTTON);
      return;
    }
  }
  Send(w, WM_ENTERSIZEMOVE, 0, 0);
  if (!(w = Find(h))) return;
  tracker.hwnd = h;
  tracker.hit = hit;
  GetCursorPos(&tracker.start);
  tracker.startRect = w->rect;
  tracker.limits = QueryMinMaxInfo(w, MaximizeArea(w));
  if (TWindow* still = Find(h)) Backend().GrabPointer(RootOf(still)->handle);
  else tracker = {};
}

bool TrackerActive() { return tracker.hwnd != nullptr; }

bool TrackerPointer(int action, TPoint screen) {
  if (!Find(tracker.hwnd)) {
    tracker = {};
    Backend().GrabPointer(nullptr);
    return false;
  }
  auto kind = static_cast<TPointerAction>(action);
  if (kind == TPointerAction::Move) {
    TRect r = TrackedRect(screen);
    SetWindowPos(tracker.hwnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (kind == TPointerAction::Release && !PointerButtonHeld(VK_LBUTTON)) {
    Finish();
  }
  return true;
}

void TrackerCancel() {
  if (!TrackerActive()) return;
  TRect r = tracker.startRect;
  SetWindowPos(tracker.hwnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  Finish();
}

}  // namespace detail
