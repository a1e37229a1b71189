// The scroll bars of a window in its non-client area: room reserved next
// to the client, painting, hit testing, and the clicks on them.

#include <algorithm>

#include "platform/framework/ScrollInfo.h"

namespace {

// The client rectangle in window coordinates.
TRect ClientInWindow(HWND hwnd) {
  TRect window, client;
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  TPoint origin{0, 0};
  ClientToScreen(hwnd, &origin);
  OffsetRect(client, origin.X - window.Left, origin.Y - window.Top);
  return client;
}

void ReserveBars(HWND hwnd, TRect& client) {
  DWORD style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
  int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
  // A bar takes its room only when there is room for it.
  if ((style & WS_VSCROLL) && client.Width() >= cx) client.Right -= cx;
  if ((style & WS_HSCROLL) && client.Height() >= cy) client.Bottom -= cy;
}

}  // namespace

TScrollingControl::TScrollingControl(TComponent* owner) : TWinControl(owner) {}

TScrollingControl::~TScrollingControl() {
  if (HandleAllocated()) detail::ForgetBars(Handle());
}

TRect TScrollingControl::BarRect(int bar) {
  if (!HandleAllocated()) return {};
  HWND hwnd = Handle();
  DWORD style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
  TRect inner = ClientInWindow(hwnd);
  InflateRect(inner, BorderWidth(), BorderWidth());
  int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
  TRect window;
  GetWindowRect(hwnd, &window);
  if (bar == SB_VERT && (style & WS_VSCROLL) && inner.Right + cx <= window.Width())
    return {inner.Right, inner.Top, inner.Right + cx, inner.Bottom};
  if (bar == SB_HORZ && (style & WS_HSCROLL) && inner.Bottom + cy <= window.Height())
    return {inner.Left, inner.Bottom, inner.Right, inner.Bottom + cy};
  return {};
}

TRect TScrollingControl::BarRectInClient(int bar) {
  TRect r = BarRect(bar);
  TRect client = ClientInWindow(Handle());
  OffsetRect(r, -client.Left, -client.Top);
  return r;
}

void TScrollingControl::RedrawBars() {
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
}

void TScrollingControl::SetBarsSettled(const std::function<void()>& set) {
  if (updatingBars_ || !HandleAllocated()) return;
  updatingBars_ = true;
  for (int pass = 0; pass < 2; ++pass) {
    TRect before;
    GetClientRect(Handle(), &before);
    set();
    TRect after;
    GetClientRect(Handle(), &after);
    if (after == before) break;
  }
  updatingBars_ = false;
}

void TScrollingControl::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case WM_NCCALCSIZE: NcCalcSize(m); return;
    case WM_NCPAINT:
      TWinControl::DefaultHandler(m);
      NcPaint();
      return;
    case WM_NCHITTEST: m.Result = NcHitTest(m); return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (m.WParam == static_cast<WPARAM>(HTVSCROLL) || m.WParam == static_cast<WPARAM>(HTHSCROLL)) {
        NcButtonDown(m);
        return;
      }
      break;
    case WM_TIMER:
      if (m.WParam == detail::TScrollTracker::kTimerId) {
        tracker_.Tick();
        return;
      }
      break;
    case WM_NCDESTROY:
      detail::ForgetBars(Handle());
      break;
    default: break;
  }
  TWinControl::DefaultHandler(m);
}

void TScrollingControl::Dispatch(TMessage& m) {
  if (tracker_.Active()) {
    switch (m.Msg) {
      case WM_MOUSEMOVE:
        tracker_.Move({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
        return;
      case WM_NCMOUSEMOVE: {  // a quick drag can move before the capture took hold
        tracker_.Move(ScreenToClient({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}));
        return;
      }
      case WM_LBUTTONUP:
      case WM_NCLBUTTONUP:  // a quick release can come before the capture took hold
        tracker_.End();
        if (GetCapture() == Handle()) ReleaseCapture();
        return;
      case WM_CAPTURECHANGED:
        tracker_.End();
        break;
      default: break;
    }
  }
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MOUSEMOVE:
      // The native control acts first; then the control's mouse events.
      DefaultHandler(m);
      if (!HandleAllocated()) return;
      break;
    default: break;
  }
  TWinControl::Dispatch(m);
}

void TScrollingControl::NcCalcSize(TMessage& m) {
  TWinControl::DefaultHandler(m);
  if (!HandleAllocated()) return;
  if (m.WParam) {
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
    if (params) ReserveBars(Handle(), params->rgrc[0]);
  } else if (m.LParam) {
    ReserveBars(Handle(), *reinterpret_cast<TRect*>(m.LParam));
  }
}

void TScrollingControl::NcPaint() {
  if (!HandleAllocated()) return;
  HWND hwnd = Handle();
  TRect vert = BarRect(SB_VERT), horz = BarRect(SB_HORZ);
  if (vert.IsEmpty() && horz.IsEmpty()) return;
  HDC dc = GetWindowDC(hwnd);
  if (!dc) return;
  bool enabled = IsWindowEnabled(hwnd);
  for (int bar : {SB_VERT, SB_HORZ}) {
    TRect r = bar == SB_VERT ? vert : horz;
    if (r.IsEmpty()) continue;
    const detail::TBarState& state = detail::BarState(hwnd, bar);
    TScrollBarPart pressed = tracker_.Bar() == bar ? tracker_.Pressed() : sbpNone;
    DrawScrollBar(*dc, r, bar == SB_VERT, state.info, enabled && state.disabledArrows != ESB_DISABLE_BOTH,
                  pressed);
  }
  if (!vert.IsEmpty() && !horz.IsEmpty()) {
    // The corner between two bars.
    dc->Brush()->SetColor(clBtnFace);
    dc->FillRect({vert.Left, horz.Top, vert.Right, horz.Bottom});
  }
  ReleaseDC(hwnd, dc);
}

LRESULT TScrollingControl::NcHitTest(TMessage& m) {
  TWinControl::DefaultHandler(m);
  if (m.Result == HTCLIENT || !HandleAllocated()) return m.Result;
  TRect window;
  GetWindowRect(Handle(), &window);
  TPoint p{GET_X_LPARAM(m.LParam) - window.Left, GET_Y_LPARAM(m.LParam) - window.Top};
  if (BarRect(SB_VERT).Contains(p)) return HTVSCROLL;
  if (BarRect(SB_HORZ).Contains(p)) return HTHSCROLL;
  return m.Result;
}

void TScrollingControl::NcButtonDown(TMessage& m) {
  HWND hwnd = Handle();
  if (!IsWindowEnabled(hwnd)) return;
  int bar = m.WParam == static_cast<WPARAM>(HTVSCROLL) ? SB_VERT : SB_HORZ;
  if (detail::BarState(hwnd, bar).disabledArrows == ESB_DISABLE_BOTH) return;
  TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  ::ScreenToClient(hwnd, &p);
  SetCapture(hwnd);
  tracker_.Begin(hwnd, bar, bar == SB_VERT, BarRectInClient(bar), p);
}
