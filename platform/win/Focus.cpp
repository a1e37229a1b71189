// Keyboard focus, the active window and the application's activation.

#include "platform/win/Core.h"

namespace detail {
namespace {

HWND focus = nullptr;
HWND active = nullptr;
bool appActive = false;

void SendActivateApp(bool activating) {
  appActive = activating;
  for (HWND top : GetTopLevelWindows())
    if (TWindow* w = Find(top)) Send(w, WM_ACTIVATEAPP, activating ? TRUE : FALSE, 0);
}

void KillFocus(HWND next) {
  HWND old = focus;
  if (!old) return;
  focus = nullptr;
  if (TWindow* w = Find(old)) Send(w, WM_KILLFOCUS, reinterpret_cast<WPARAM>(next), 0);
}

void Deactivate(HWND next) {
  HWND old = active;
  if (!old) return;
  active = nullptr;
  if (TWindow* w = Find(old)) {
    Send(w, WM_NCACTIVATE, FALSE, 0);
    if ((w = Find(old)))
      Send(w, WM_ACTIVATE, MAKELPARAM(WA_INACTIVE, (w->style & WS_MINIMIZE) ? 1 : 0),
           reinterpret_cast<LPARAM>(next));
  }
  if (TWindow* f = Find(focus); f && RootOf(f)->handle == old) KillFocus(nullptr);
}

// The window to activate when the active one goes away.
TWindow* NextActiveCandidate(TWindow* leaving) {
  TWindow* owner = leaving->owner;
  auto usable = [leaving](TWindow* w) {
    return w && w != leaving && w->Visible() && w->Enabled() && !(w->style & WS_MINIMIZE) &&
           w->nativeKind == TNativeKind::Normal && !w->destroying;
  };
  if (usable(owner)) return owner;
  for (TWindow* w : TopLevels())
    if (usable(w)) return w;
  return nullptr;
}

}  // namespace

void ActivateWindow(TWindow* top, WORD how, bool fromNative) {
  if (!top || top->parent || top->nativeKind != TNativeKind::Normal) return;
  HWND h = top->handle;
  if (!fromNative && top->Visible()) Backend().ActivateNative(h);
  if (active == h) return;
  HWND old = active;
  Deactivate(h);
  if (!appActive) SendActivateApp(true);
  if (!(top = Find(h))) return;
  active = h;
  BringTopLevelToFront(top);
  Send(top, WM_NCACTIVATE, TRUE, 0);
  if ((top = Find(h)))
    Send(top, WM_ACTIVATE, MAKELPARAM(how, (top->style & WS_MINIMIZE) ? 1 : 0), reinterpret_cast<LPARAM>(old));
}

void ForgetFocusState(TWindow* w) {
  if (TWindow* f = Find(focus); f && IsDescendant(w, f)) {
    KillFocus(nullptr);
    TWindow* root = RootOf(w);
    if (w->parent && !w->destroying && root->handle == active) SetFocus(root->handle);
  }
  if (active == w->handle) {
    Deactivate(nullptr);
    if (TWindow* next = NextActiveCandidate(w)) ActivateWindow(next, WA_ACTIVE, false);
  }
}

void ClearFocusState() {
  focus = nullptr;
  active = nullptr;
  appActive = false;
}

void OnNativeActivated(HWND top) {
  TWindow* w = Find(top);
  if (!top) {
    if (!appActive) return;
    Deactivate(nullptr);
    SendActivateApp(false);
    return;
  }
  if (!w || w->nativeKind != TNativeKind::Normal) return;
  // A window disabled by a modal loop hands the activation back.
  if (!w->Enabled()) {
    if (TWindow* current = Find(active)) Backend().ActivateNative(current->handle);
    return;
  }
  ActivateWindow(w, WA_ACTIVE, true);
}

}  // namespace detail

using namespace detail;

HWND SetFocus(HWND hwnd) {
  EnsureStarted();
  HWND old = focus;
  if (!hwnd) {
    KillFocus(nullptr);
    return old;
  }
  TWindow* w = Find(hwnd);
  if (!w || hwnd == focus) return w ? old : nullptr;
  TWindow* top = RootOf(w);
  if (top->handle != active) {
    ActivateWindow(top, WA_ACTIVE, false);
    if (!Find(hwnd) || focus == hwnd) return old;
    old = focus;
  }
  KillFocus(hwnd);
  if (!(w = Find(hwnd))) return old;
  focus = hwnd;
  Send(w, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

HWND GetFocus() { return Find(focus) ? focus : nullptr; }

HWND SetActiveWindow(HWND hwnd) {
  HWND old = active;
  TWindow* w = Find(hwnd);
  if (w) ActivateWindow(RootOf(w), WA_ACTIVE, false);
  return old;
}

HWND GetActiveWindow() { return Find(active) ? active : nullptr; }

bool SetForegroundWindow(HWND hwnd) {
  TWindow* w = Find(hwnd);
  if (!w) return false;
  ActivateWindow(RootOf(w), WA_ACTIVE, false);
  return true;
}

HWND GetForegroundWindow() { return appActive ? GetActiveWindow() : nullptr; }

bool EnableWindow(HWND hwnd, bool enable) {
  TWindow* w = Find(hwnd);
  if (!w) return false;
  bool wasDisabled = !w->Enabled();
  if (wasDisabled == !enable) return wasDisabled;
  if (enable) {
    w->style &= ~WS_DISABLED;
  } else {
    Send(w, WM_CANCELMODE, 0, 0);
    if (!(w = Find(hwnd))) return wasDisabled;
    w->style |= WS_DISABLED;
    if (TWindow* c = Find(GetCapture()); c && IsDescendant(w, c)) ReleaseCapture();
  }
  if (!w->parent) Backend().SetNativeEnabled(hwnd, enable);
  if ((w = Find(hwnd))) Send(w, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

bool IsWindowEnabled(HWND hwnd) {
  TWindow* w = Find(hwnd);
  return w && w->Enabled();
}
