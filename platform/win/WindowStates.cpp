// Showing, hiding, minimizing, maximizing and restoring windows.

#include "platform/win/Core.h"
#include "platform/os/MainThread.h"

namespace detail {
namespace {

constexpr UINT kStateFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

void Show(TWindow* w, bool activate) {
  HWND h = w->handle;
  if (w->Visible()) {
    if (activate && !w->parent) ActivateWindow(w, WA_ACTIVE, false);
    return;
  }
  Send(w, WM_SHOWWINDOW, TRUE, 0);
  if (!Find(h)) return;
  UINT flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE;
  if (!activate) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
  SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, flags);
}

}  // namespace

MINMAXINFO QueryMinMaxInfo(TWindow* w, const TRect& area) {
  int frame = FrameThickness(w->style, 0);
  MINMAXINFO info{};
  info.ptMaxPosition = {-frame, -frame};
  info.ptMaxSize = {area.Width() + 2 * frame, area.Height() + 2 * frame};
  info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  info.ptMaxTrackSize = {GetSystemMetrics(SM_CXSCREEN) + 2 * frame, GetSystemMetrics(SM_CYSCREEN) + 2 * frame};
  Send(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

namespace {

void Maximize(TWindow* w) {
  HWND h = w->handle;
  if (w->style & WS_MINIMIZE) SetMinimized(w, false, false);
  if (!(w = Find(h))) return;
  if (!(w->style & WS_MAXIMIZE)) w->normalRect = w->rect;
  TRect area = MaximizeArea(w);
  MINMAXINFO info = QueryMinMaxInfo(w, area);
  if (!(w = Find(h))) return;
  w->style |= WS_MAXIMIZE;
  SetWindowPos(h, nullptr, area.Left + info.ptMaxPosition.X, area.Top + info.ptMaxPosition.Y,
               info.ptMaxSize.X, info.ptMaxSize.Y, kStateFlags);
}

void Restore(TWindow* w) {
  HWND h = w->handle;
  if (w->style & WS_MINIMIZE) {
    SetMinimized(w, false, false);
    return;
  }
  if (!(w->style & WS_MAXIMIZE)) return;
  w->style &= ~WS_MAXIMIZE;
  TRect normal = w->normalRect;
  SetWindowPos(h, nullptr, normal.Left, normal.Top, normal.Width(), normal.Height(), kStateFlags);
}

}  // namespace

void MaximizeWindow(TWindow* w) { Maximize(w); }

TRect MaximizeArea(TWindow* w) {
  if (w->parent) return Rect(0, 0, w->parent->client.Width(), w->parent->client.Height());
  TRect work;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

void SetMinimized(TWindow* w, bool minimized, bool fromNative) {
  HWND h = w->handle;
  if (minimized == ((w->style & WS_MINIMIZE) != 0)) return;
  if (minimized) {
    w->style |= WS_MINIMIZE;
    if (!w->parent && !fromNative) Backend().SetNativeState(h, TNativeState::Minimized);
    ForgetFocusState(w);
  } else {
    w->style &= ~WS_MINIMIZE;
    if (!w->parent && !fromNative) Backend().SetNativeState(h, TNativeState::Normal);
  }
  if (!Find(h)) return;
  SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | kStateFlags);
  if (!minimized && (w = Find(h)) && !w->parent) ActivateWindow(w, WA_ACTIVE, fromNative);
}

}  // namespace detail

using namespace detail;

bool ShowWindow(HWND hwnd, int command) {
  CheckGuiThread("ShowWindow");
  TWindow* w = Find(hwnd);
  if (!w) return false;
  bool wasVisible = w->Visible();
  switch (command) {
    case SW_HIDE:
      if (!wasVisible) break;
      Send(w, WM_SHOWWINDOW, FALSE, 0);
      if (Find(hwnd))
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
      Show(w, false);
      if ((w = Find(hwnd))) SetMinimized(w, true, false);
      break;
    case SW_MAXIMIZE:
      Show(w, true);
      if ((w = Find(hwnd))) Maximize(w);
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
      Show(w, true);
      if ((w = Find(hwnd))) Restore(w);
      break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE: Show(w, false); break;
    default: Show(w, true); break;
  }
  return wasVisible;
}

bool GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement) {
  TWindow* w = Find(hwnd);
  if (!w || !placement) return false;
  placement->showCmd = (w->style & WS_MINIMIZE) ? SW_SHOWMINIMIZED
                       : (w->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                                                  : SW_SHOWNORMAL;
  placement->rcNormalPosition = w->parent ? w->rect : w->normalRect;
  placement->ptMaxPosition = {w->rect.Left, w->rect.Top};
  return true;
}

bool SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement) {
  TWindow* w = Find(hwnd);
  if (!w || !placement) return false;
  const TRect& r = placement->rcNormalPosition;
  if (w->style & (WS_MAXIMIZE | WS_MINIMIZE)) {
    w->normalRect = r;
  } else {
    SetWindowPos(hwnd, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (Find(hwnd)) ShowWindow(hwnd, static_cast<int>(placement->showCmd));
  return true;
}

int SetWindowRgn(HWND hwnd, HRGN region, bool redraw) {
  TWindow* w = Find(hwnd);
  if (!w) return 0;
  // The window owns the region from now on.
  if (region != w->region.get()) w->region.reset(region);
  if (!w->parent) Backend().SetNativeMask(hwnd, w->region.get());
  if (redraw) {
    if (w->parent && w->Visible()) InvalidateParentArea(w, w->rect);
    InvalidateWhole(w);
  }
  return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
  TWindow* w = Find(hwnd);
  if (!w || !w->region || !region) return ERROR;
  *region = *w->region;
  return RegionKind(*region);
}
