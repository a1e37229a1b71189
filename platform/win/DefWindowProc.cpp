// The default answers of the window procedure.

#include <cstring>

#include "platform/win/Core.h"

namespace detail {
namespace {

bool HasCaption(const TWindow* w) { return (w->style & WS_CAPTION) == WS_CAPTION; }

LRESULT DefaultSysCommand(TWindow* w, WPARAM wParam, LPARAM lParam) {
  HWND h = w->handle;
  WPARAM command = wParam & 0xFFF0;
  switch (command) {
    case SC_MINIMIZE: ShowWindow(h, SW_MINIMIZE); return 0;
    case SC_MAXIMIZE: ShowWindow(h, SW_MAXIMIZE); return 0;
    case SC_RESTORE: ShowWindow(h, SW_RESTORE); return 0;
    case SC_CLOSE: Send(w, WM_CLOSE, 0, 0); return 0;
    case SC_MOVE: StartMoveSize(w, HTCAPTION); return 0;
    case SC_SIZE: {
      WPARAM side = wParam & 0x000F;
      if (side >= WMSZ_LEFT && side <= WMSZ_BOTTOMRIGHT)
        StartMoveSize(w, HTLEFT + static_cast<LRESULT>(side - WMSZ_LEFT));
      return 0;
    }
    default: (void)lParam; return 0;
  }
}

LRESULT DefaultNcButtonDown(TWindow* w, WPARAM hit, LPARAM lParam) {
  auto code = static_cast<LRESULT>(hit);
  if (code == HTCAPTION) return Send(w, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
  if (code >= HTLEFT && code <= HTBOTTOMRIGHT)
    return Send(w, WM_SYSCOMMAND, SC_SIZE + static_cast<WPARAM>(code - HTLEFT + 1), lParam);
  return 0;
}

LRESULT DefaultSetCursor(TWindow* w, WPARAM wParam, LPARAM lParam) {
  if (w->parent && Send(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
  auto hit = static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam)));
  int cursor = 0;
  switch (hit) {
    case HTCLIENT:
      if (!w->cls.hCursor) return FALSE;
      SetCursor(w->cls.hCursor);
      return TRUE;
    case HTLEFT:
    case HTRIGHT: cursor = IDC_SIZEWE; break;
    case HTTOP:
    case HTBOTTOM: cursor = IDC_SIZENS; break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: cursor = IDC_SIZENWSE; break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: cursor = IDC_SIZENESW; break;
    default: cursor = IDC_ARROW; break;
  }
  SetCursor(LoadCursor(nullptr, cursor));
  return TRUE;
}

LRESULT DefaultWindowPosChanged(TWindow* w, const WINDOWPOS* pos) {
  HWND h = w->handle;
  if (!(pos->flags & SWP_NOMOVE)) {
    TPoint origin = w->parent ? TPoint{w->rect.Left + w->client.Left, w->rect.Top + w->client.Top}
                              : ClientScreenOrigin(w);
    Send(w, WM_MOVE, 0, MAKELPARAM(origin.X, origin.Y));
  }
  if (!(w = Find(h))) return 0;
  if (!(pos->flags & SWP_NOSIZE) || (pos->flags & SWP_FRAMECHANGED)) {
    WPARAM kind = (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED
                  : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                             : SIZE_RESTORED;
    Send(w, WM_SIZE, kind, MAKELPARAM(w->client.Width(), w->client.Height()));
  }
  return 0;
}

LRESULT CopyText(const TWindow* w, WPARAM size, LPARAM buffer) {
  if (size == 0 || !buffer) return 0;
  std::size_t n = std::min<std::size_t>(size - 1, w->text.size());
  std::memcpy(reinterpret_cast<char*>(buffer), w->text.data(), n);
  reinterpret_cast<char*>(buffer)[n] = '\0';
  return static_cast<LRESULT>(n);
}

// The keyboard's way to ask for a context menu: the menu key or Shift+F10.
bool IsContextMenuKey(WPARAM key) {
  int vk = static_cast<int>(key);
  return vk == VK_APPS || (vk == VK_F10 && GetKeyState(VK_SHIFT) < 0);
}

// A context menu asked for from the keyboard carries no point (-1).
constexpr LPARAM kNoPoint = -1;

LRESULT DefaultRightButtonUp(TWindow* w, LPARAM lParam) {
  TPoint p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(w->handle, &p);
  return Send(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w->handle), MAKELPARAM(p.X, p.Y));
}

}  // namespace
}  // namespace detail

using namespace detail;

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TWindow* w = Find(hwnd);
  if (!w) return 0;
  switch (message) {
    case WM_NCCREATE: {
      auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
      if (cs) w->text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE:
      if (wParam) {
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        params->rgrc[0] = DefaultClientRect(w->style, w->exStyle, params->rgrc[0]);
      } else if (lParam) {
        auto* rect = reinterpret_cast<TRect*>(lParam);
        *rect = DefaultClientRect(w->style, w->exStyle, *rect);
      }
      return 0;
    case WM_NCHITTEST: return DefaultHitTest(w, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCPAINT: DefaultNcPaint(w); return 0;
    case WM_NCACTIVATE:
      if (HasCaption(w)) DefaultNcPaint(w);
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      if (!w->cls.Background) return 0;
      DefaultEraseBackground(w, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_SETTEXT:
      w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
      if (!w->parent) Backend().SetNativeTitle(hwnd, w->text);
      if (HasCaption(w)) RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return TRUE;
    case WM_GETTEXT: return CopyText(w, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SYSCOMMAND: return DefaultSysCommand(w, wParam, lParam);
    case WM_NCLBUTTONDOWN: return DefaultNcButtonDown(w, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
      if (static_cast<LRESULT>(wParam) == HTCAPTION && (w->style & WS_MAXIMIZEBOX))
        Send(w, WM_SYSCOMMAND, (w->style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, lParam);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) SetFocus(hwnd);
      return 0;
    case WM_MOUSEACTIVATE:
      if (w->parent) {
        LRESULT answer = Send(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
        if (answer) return answer;
      }
      return MA_ACTIVATE;
    case WM_SETCURSOR: return DefaultSetCursor(w, wParam, lParam);
    case WM_WINDOWPOSCHANGED: return DefaultWindowPosChanged(w, reinterpret_cast<const WINDOWPOS*>(lParam));
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_CONTEXTMENU:
      return w->parent ? Send(w->parent, message, wParam, lParam) : 0;
    case WM_RBUTTONUP: return DefaultRightButtonUp(w, lParam);
    case WM_KEYDOWN:
      if (IsContextMenuKey(wParam)) Send(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), kNoPoint);
      return 0;
    case WM_SYSKEYDOWN:
      if (static_cast<int>(wParam) == VK_F4) Send(w, WM_SYSCOMMAND, SC_CLOSE, 0);
      else if (IsContextMenuKey(wParam)) Send(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), kNoPoint);
      return 0;
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
    case WM_QUERYOPEN:
    case WM_QUERYENDSESSION: return TRUE;
    default: return 0;
  }
}
