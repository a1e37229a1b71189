// Window rectangles, SetWindowPos, z-order and coordinate mapping.

#include "platform/win/Core.h"
#include "platform/os/MainThread.h"

namespace detail {

bool applyingNativeGeometry = false;

namespace {

void Reorder(TWindow* w, HWND after) {
  auto& list = Siblings(w);
  std::erase(list, w);
  if (after == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
  if (after == HWND_NOTOPMOST) w->exStyle &= ~WS_EX_TOPMOST;
  if (after == HWND_BOTTOM) {
    list.push_back(w);
  } else if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
    if (w->parent) list.insert(list.begin(), w);
    else BringTopLevelToFront(w);  // takes its owned windows along
  } else {
    TWindow* a = Find(after);
    auto it = std::find(list.begin(), list.end(), a);
    list.insert(it == list.end() ? list.begin() : it + 1, w);
  }
}

UINT ChangedFlags(UINT flags, const TWindow* w, const TRect& oldRect, const TRect& oldClient) {
  bool moved = w->rect.Left != oldRect.Left || w->rect.Top != oldRect.Top ||
               w->client.Left != oldClient.Left || w->client.Top != oldClient.Top;
  bool sized = w->rect.Width() != oldRect.Width() || w->rect.Height() != oldRect.Height() ||
               w->client.Width() != oldClient.Width() || w->client.Height() != oldClient.Height();
  flags = moved ? flags & ~SWP_NOMOVE : flags | SWP_NOMOVE;
  flags = sized ? flags & ~SWP_NOSIZE : flags | SWP_NOSIZE;
  return flags;
}

}  // namespace
}  // namespace detail

using namespace detail;

bool GetWindowRect(HWND hwnd, TRect* rect) {
  TWindow* w = Find(hwnd);
  if (!w || !rect) return false;
  TPoint o = ScreenOrigin(w);
  *rect = Bounds(o.X, o.Y, w->Width(), w->Height());
  return true;
}

bool GetClientRect(HWND hwnd, TRect* rect) {
  TWindow* w = Find(hwnd);
  if (!w || !rect) return false;
  *rect = Rect(0, 0, w->client.Width(), w->client.Height());
  return true;
}

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
  CheckGuiThread("SetWindowPos");
  TWindow* w = Find(hwnd);
  if (!w) return false;
  WINDOWPOS pos{hwnd, insertAfter, x, y, width, height, flags};
  if (flags & SWP_NOMOVE) pos.x = w->rect.Left, pos.y = w->rect.Top;
  if (flags & SWP_NOSIZE) pos.cx = w->Width(), pos.cy = w->Height();
  if (!(flags & SWP_NOSENDCHANGING)) {
    Send(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    if (!(w = Find(hwnd))) return false;
  }
  // The procedure may have added SWP_NOMOVE or SWP_NOSIZE.
  flags = pos.flags;
  if (flags & SWP_NOMOVE) pos.x = w->rect.Left, pos.y = w->rect.Top;
  if (flags & SWP_NOSIZE) pos.cx = w->Width(), pos.cy = w->Height();
  TRect oldRect = w->rect, oldClient = w->client;
  bool wasVisible = w->Visible();
  w->rect = Bounds(pos.x, pos.y, ClampWindowSize(pos.cx), ClampWindowSize(pos.cy));
  bool moved = w->rect.Left != oldRect.Left || w->rect.Top != oldRect.Top;
  bool sized = w->rect.Width() != oldRect.Width() || w->rect.Height() != oldRect.Height();
  if (sized || (flags & SWP_FRAMECHANGED)) {
    RecalcClient(w, oldRect, oldClient, &pos);
    if (!(w = Find(hwnd))) return false;
  }
  if (!(flags & SWP_NOZORDER)) Reorder(w, pos.hwndInsertAfter);
  if (flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
  if (flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
  bool visible = w->Visible();
  bool activate = !(flags & SWP_NOACTIVATE) && w->nativeKind == TNativeKind::Normal;

  if (!w->parent) {
    if (!(w->style & (WS_MAXIMIZE | WS_MINIMIZE))) w->normalRect = w->rect;
    if (sized) ResizeSurface(w);
    if ((moved || sized) && !applyingNativeGeometry) Backend().SetNativeGeometry(hwnd, w->rect);
    if (visible != wasVisible) Backend().SetNativeVisible(hwnd, visible, activate);
  }
  if (!(flags & SWP_NOREDRAW)) {
    bool zChanged = !(flags & SWP_NOZORDER);
    if (w->parent && wasVisible && (moved || sized || !visible || zChanged)) InvalidateParentArea(w, oldRect);
    bool exposed = sized || (flags & SWP_FRAMECHANGED) || !wasVisible || (w->parent && (moved || zChanged));
    if (visible && exposed) InvalidateWhole(w);
  }
  if (wasVisible && !visible) {
    ForgetFocusState(w);
    ForgetPointerState(w);
    if (!(w = Find(hwnd))) return true;
  }
  if (!w->parent && visible && activate && (!wasVisible || !(flags & SWP_NOZORDER)))
    ActivateWindow(w, WA_ACTIVE, false);
  if (!(w = Find(hwnd))) return true;
  pos.flags = ChangedFlags(flags, w, oldRect, oldClient);
  pos.x = w->rect.Left, pos.y = w->rect.Top, pos.cx = w->Width(), pos.cy = w->Height();
  Send(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
  return true;
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool BringWindowToTop(HWND hwnd) {
  return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool IsWindowVisible(HWND hwnd) {
  TWindow* w = Find(hwnd);
  return w && ReallyVisible(w);
}

bool IsIconic(HWND hwnd) {
  TWindow* w = Find(hwnd);
  return w && (w->style & WS_MINIMIZE);
}

bool IsZoomed(HWND hwnd) {
  TWindow* w = Find(hwnd);
  return w && (w->style & WS_MAXIMIZE);
}

bool AdjustWindowRectEx(TRect* rect, DWORD style, bool menu, DWORD exStyle) {
  if (!rect) return false;
  TRect client = DefaultClientRect(style, exStyle, Rect(0, 0, 1000, 1000));
  rect->Left -= client.Left;
  rect->Top -= client.Top + (menu ? GetSystemMetrics(SM_CYMENU) : 0);
  rect->Right += 1000 - client.Right;
  rect->Bottom += 1000 - client.Bottom;
  return true;
}

bool ClientToScreen(HWND hwnd, TPoint* point) {
  TWindow* w = Find(hwnd);
  if (!w || !point) return false;
  TPoint o = ClientScreenOrigin(w);
  point->X += o.X;
  point->Y += o.Y;
  return true;
}

bool ScreenToClient(HWND hwnd, TPoint* point) {
  TWindow* w = Find(hwnd);
  if (!w || !point) return false;
  TPoint o = ClientScreenOrigin(w);
  point->X -= o.X;
  point->Y -= o.Y;
  return true;
}

int MapWindowPoints(HWND from, HWND to, TPoint* points, int count) {
  TPoint a, b;
  if (from) {
    if (!Find(from)) return 0;
    a = ClientScreenOrigin(Find(from));
  }
  if (to) {
    if (!Find(to)) return 0;
    b = ClientScreenOrigin(Find(to));
  }
  int dx = a.X - b.X, dy = a.Y - b.Y;
  for (int i = 0; points && i < count; ++i) {
    points[i].X += dx;
    points[i].Y += dy;
  }
  return static_cast<int>(MAKELPARAM(dx, dy));
}
