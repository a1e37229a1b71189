// Creating and destroying windows.

#include "platform/win/Core.h"
#include "platform/os/MainThread.h"

namespace detail {
namespace {

TNativeKind NativeKindOf(DWORD style, DWORD exStyle) {
  if ((style & WS_POPUP) && (exStyle & WS_EX_TOPMOST)) {
    if (exStyle & WS_EX_NOACTIVATE) return TNativeKind::Hint;
    if (exStyle & WS_EX_TOOLWINDOW) return TNativeKind::Popup;
  }
  return TNativeKind::Normal;
}

TRect InitialRect(bool topLevel, int x, int y, int width, int height) {
  if (x == CW_USEDEFAULT) {
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    x = topLevel ? work.Left + 32 : 0;
    y = topLevel ? work.Top + 32 : 0;
  }
  if (width == CW_USEDEFAULT) {
    width = topLevel ? 640 : 0;
    height = topLevel ? 480 : 0;
  }
  return Bounds(x, y, ClampWindowSize(width), ClampWindowSize(height));
}

void Unlink(TWindow* w) {
  std::erase(Siblings(w), w);
  for (TWindow* top : TopLevels())
    if (top->owner == w) top->owner = nullptr;
}

// WM_DESTROY goes to a window before its children, WM_NCDESTROY after them.
void DestroyTree(TWindow* w) {
  HWND h = w->handle;
  w->destroying = true;
  ForgetFocusState(w);
  ForgetPointerState(w);
  Send(w, WM_DESTROY, 0, 0);
  if (!(w = Find(h))) return;
  std::vector<HWND> children;
  for (TWindow* c : w->children) children.push_back(c->handle);
  for (HWND c : children)
    if (TWindow* child = Find(c); child && !child->destroying) DestroyTree(child);
  if (!(w = Find(h))) return;
  Send(w, WM_NCDESTROY, 0, 0);
  if (!(w = Find(h))) return;
  KillWindowTimers(h);
  ForgetPaintState(w);
  Unlink(w);
  if (!w->parent) Backend().DestroyNative(h);
  ForgetWindow(w);
}

}  // namespace
}  // namespace detail

using namespace detail;

HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName,
                    DWORD style, int x, int y, int width, int height, HWND parent, UINT_PTR id,
                    void* createParams) {
  CheckGuiThread("CreateWindowEx");
  EnsureStarted();
  const WNDCLASS* cls = FindClass(className);
  if (!cls) return nullptr;
  TWindow* parentWindow = Find(parent);
  bool child = (style & WS_CHILD) != 0;
  if (child && !parentWindow) return nullptr;

  TWindow* w = NewWindow();
  HWND h = w->handle;
  w->cls = *cls;
  w->proc = cls->lpfnWndProc;
  w->style = style & ~WS_VISIBLE;
  w->exStyle = exStyle;
  w->id = id;
  w->rect = InitialRect(!child, x, y, width, height);
  w->client = {0, 0, w->rect.Width(), w->rect.Height()};
  if (child) {
    w->parent = parentWindow;
    parentWindow->children.insert(parentWindow->children.begin(), w);
  } else {
    w->owner = RootOf(parentWindow);
    w->nativeKind = NativeKindOf(style, exStyle);
    w->normalRect = w->rect;
    w->surface = std::make_shared<TBitmap>(std::max(1, w->rect.Width()), std::max(1, w->rect.Height()));
    auto& tops = TopLevels();
    auto plain = std::find_if(tops.begin(), tops.end(), [](TWindow* t) { return !(t->exStyle & WS_EX_TOPMOST); });
    tops.insert((exStyle & WS_EX_TOPMOST) ? tops.begin() : plain, w);
    TNativeWindowSpec spec{h, w->nativeKind, w->owner ? w->owner->handle : nullptr,
                           (exStyle & WS_EX_TOPMOST) != 0, w->rect, windowName};
    Backend().CreateNative(spec);
  }

  CREATESTRUCT cs;
  cs.lpCreateParams = createParams;
  cs.hMenu = id;
  cs.hwndParent = parent;
  cs.x = w->rect.Left;
  cs.y = w->rect.Top;
  cs.cx = w->rect.Width();
  cs.cy = w->rect.Height();
  cs.style = style;
  cs.lpszName = windowName;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;

  if (!child) QueryMinMaxInfo(w, MaximizeArea(w));
  if (!Find(h) || !Send(Find(h), WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    DestroyWindow(h);
    return nullptr;
  }
  if (!(w = Find(h))) return nullptr;
  TRect clientInParent = w->rect;
  Send(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&clientInParent));
  if (!(w = Find(h))) return nullptr;
  OffsetRect(clientInParent, -w->rect.Left, -w->rect.Top);
  w->client = clientInParent;
  if (Send(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(h);
    return nullptr;
  }
  if (!Find(h)) return nullptr;
  if (child && !(exStyle & WS_EX_NOPARENTNOTIFY))
    Send(parentWindow, WM_PARENTNOTIFY, WM_CREATE, reinterpret_cast<LPARAM>(h));
  // The state bits asked for are taken up here, by the state changes themselves.
  Find(h)->style &= ~(WS_MAXIMIZE | WS_MINIMIZE);
  if (style & WS_MAXIMIZE) MaximizeWindow(Find(h));
  if ((style & WS_MINIMIZE) && Find(h)) SetMinimized(Find(h), true, false);
  if ((style & WS_VISIBLE) && Find(h)) ShowWindow(h, (style & WS_MINIMIZE) ? SW_SHOWNA : SW_SHOW);
  return IsWindow(h) ? h : nullptr;
}

bool DestroyWindow(HWND hwnd) {
  CheckGuiThread("DestroyWindow");
  EnsureStarted();
  TWindow* w = Find(hwnd);
  if (!w || w->destroying) return w != nullptr;
  if (w->Visible())
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Owned windows go before their owner.
  std::vector<HWND> owned;
  for (TWindow* top : TopLevels())
    if (top->owner == Find(hwnd)) owned.push_back(top->handle);
  for (HWND o : owned) DestroyWindow(o);
  if (!(w = Find(hwnd)) || w->destroying) return true;
  if (w->parent && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
    Send(w->parent, WM_PARENTNOTIFY, WM_DESTROY, reinterpret_cast<LPARAM>(hwnd));
  if ((w = Find(hwnd)) && !w->destroying) DestroyTree(w);
  return true;
}

bool IsWindow(HWND hwnd) { return HasBackend() && Find(hwnd) != nullptr; }
