// Pointer input: routing to the window under the pointer or the capture,
// mouse activation, double clicks, leave and hover tracking, cursors.

#include <cstdlib>
#include <set>

#include "platform/win/Core.h"

namespace detail {
namespace {

constexpr UINT kDoubleClickMs = 500;
constexpr int kDoubleClickSlop = 2;  // pixels either way
constexpr UINT kHoverDefaultMs = 400;
constexpr int kHoverSlop = 2;

HWND capture = nullptr;
std::set<int> buttonsHeld;

// Where the display's pointer events last put the pointer, so that nobody
// has to ask the display. Exact while the pointer is over (or held by) the
// native window that reported it, as that window hears every move.
struct TPointerSeen {
  TPoint at;
  HWND top = nullptr;  // nullptr: it left the application's windows
} pointerSeen;

bool PointerKnown() {
  TWindow* top = Find(pointerSeen.top);
  return top && top->Visible();
}
HCURSOR cursor = nullptr;

struct TLastClick {
  HWND hwnd = nullptr;
  int button = 0;
  std::uint64_t time = 0;
  TPoint point;
  bool nonClient = false;
} lastClick;

struct TTracking {
  HWND hwnd = nullptr;
  DWORD flags = 0;
  UINT hoverMs = kHoverDefaultMs;
  TPoint hoverPoint;
  std::uint64_t hoverDue = 0;
} tracking;

// Offset of a button's messages from the left button's.
UINT ButtonOffset(int button) { return button == VK_RBUTTON ? 3 : button == VK_MBUTTON ? 6 : 0; }

void PostTo(TWindow* w, UINT message, WPARAM wParam, LPARAM lParam, TPoint screen) {
  MSG msg = MakeMsg(w->handle, message, wParam, lParam);
  msg.time = static_cast<DWORD>(Now());
  msg.pt = screen;
  if (message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE) QueuePointerMove(msg);
  else QueueMessage(msg);
}

LPARAM ClientLParam(const TWindow* w, TPoint screen) {
  TPoint o = ClientScreenOrigin(w);
  return MAKELPARAM(screen.X - o.X, screen.Y - o.Y);
}

void CheckLeave(TWindow* under, LRESULT hit, TPoint screen) {
  TWindow* tracked = Find(tracking.hwnd);
  if (!tracked) {
    tracking = {};
    return;
  }
  bool nonClient = (tracking.flags & TME_NONCLIENT) != 0;
  bool over = under == tracked && (nonClient ? hit != HTCLIENT : hit == HTCLIENT);
  if (!over && (tracking.flags & TME_LEAVE)) {
    PostTo(tracked, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0, screen);
    tracking = {};
    return;
  }
  if ((tracking.flags & TME_HOVER) &&
      (std::abs(screen.X - tracking.hoverPoint.X) > kHoverSlop ||
       std::abs(screen.Y - tracking.hoverPoint.Y) > kHoverSlop)) {
    tracking.hoverPoint = screen;
    tracking.hoverDue = Now() + tracking.hoverMs;
  }
}

bool IsDoubleClick(TWindow* target, int button, TPoint screen, bool nonClient) {
  std::uint64_t now = Now();
  bool wanted = nonClient || (target->cls.style & CS_DBLCLKS);
  bool match = wanted && lastClick.hwnd == target->handle && lastClick.button == button &&
               lastClick.nonClient == nonClient && now - lastClick.time <= kDoubleClickMs &&
               std::abs(screen.X - lastClick.point.X) <= kDoubleClickSlop &&
               std::abs(screen.Y - lastClick.point.Y) <= kDoubleClickSlop;
  if (match) lastClick = {};
  else lastClick = {target->handle, button, now, screen, nonClient};
  return match;
}

// False when the click only activates the window.
bool MouseActivate(TWindow* target, LRESULT hit, UINT message) {
  TWindow* root = RootOf(target);
  if (root->nativeKind != TNativeKind::Normal || root->handle == GetActiveWindow()) return true;
  HWND h = target->handle;
  LRESULT answer = Send(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(root->handle),
                        MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
  if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) && Find(root->handle))
    ActivateWindow(root, WA_CLICKACTIVE, false);
  return Find(h) && answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

void SendSetCursor(TWindow* target, LRESULT hit, UINT message) {
  Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target->handle),
       MAKELPARAM(static_cast<int>(hit), static_cast<int>(message)));
}

}  // namespace

void OnNativePointer(HWND top, TPointerAction action, TPoint screen, int button) {
  EnsureStarted();
  pointerSeen = {screen, top};
  bool press = action == TPointerAction::Press || action == TPointerAction::DoubleClick;
  if (press) buttonsHeld.insert(button);
  if (action == TPointerAction::Release) buttonsHeld.erase(button);
  if (TrackerActive() && TrackerPointer(static_cast<int>(action), screen)) return;

  TWindow* native = Find(top);
  TWindow* topUnder = native && native->Visible() && WindowContainsScreenPoint(native, screen) ? native : TopLevelUnder(screen);
  LRESULT hit = HTNOWHERE;
  TWindow* under = topUnder ? WindowUnder(topUnder, screen, &hit) : nullptr;
  HWND underHandle = under ? under->handle : nullptr;
  CheckLeave(under, hit, screen);
  under = Find(underHandle);

  TWindow* captured = Find(capture);
  TWindow* target = captured ? captured : under;
  if (!target) return;
  bool client = captured || hit == HTCLIENT;
  if (!RootOf(target)->Enabled() || (!captured && !target->Enabled())) {
    if (press) MessageBeep(0);
    return;
  }
  HWND h = target->handle;
  UINT offset = ButtonOffset(button);
  UINT message;
  if (action == TPointerAction::Move) {
    message = client ? WM_MOUSEMOVE : WM_NCMOUSEMOVE;
    if (!captured) SendSetCursor(target, hit, WM_MOUSEMOVE);
  } else if (press) {
    message = (client ? WM_LBUTTONDOWN : WM_NCLBUTTONDOWN) + offset;
    if (!captured) {
      SendSetCursor(target, hit, message);
      if (!(target = Find(h)) || !MouseActivate(target, hit, message)) return;
      if (!(target = Find(h))) return;
    }
    if (IsDoubleClick(target, button, screen, !client)) message += 2;
  } else {
    message = (client ? WM_LBUTTONUP : WM_NCLBUTTONUP) + offset;
  }
  if (!(target = Find(h))) return;
  if (client) PostTo(target, message, MouseKeyFlags(), ClientLParam(target, screen), screen);
  else PostTo(target, message, static_cast<WPARAM>(hit), MAKELPARAM(screen.X, screen.Y), screen);
}

void OnNativeWheel(HWND top, TPoint screen, int delta, bool horizontal) {
  EnsureStarted();
  pointerSeen = {screen, top};
  TWindow* target = Find(GetFocus());
  if (!target) target = Find(WindowFromPoint(screen));
  if (!target || !RootOf(target)->Enabled()) return;
  WPARAM wParam = (static_cast<WPARAM>(static_cast<WORD>(delta)) << 16) | MouseKeyFlags();
  PostTo(target, horizontal ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL, wParam, MAKELPARAM(screen.X, screen.Y), screen);
}

void OnNativePointerEntered(HWND top, TPoint screen) { pointerSeen = {screen, top}; }

void OnNativePointerLeft(HWND top) {
  if (pointerSeen.top == top) pointerSeen.top = nullptr;
  if (!HasBackend() || TrackerActive()) return;
  CheckLeave(nullptr, HTNOWHERE, pointerSeen.at);
}

TPoint LastPointerPos() { return pointerSeen.at; }

bool TakeDueHover(MSG* msg) {
  TWindow* tracked = Find(tracking.hwnd);
  if (!tracked || !(tracking.flags & TME_HOVER) || tracking.hoverDue > Now()) return false;
  tracking.flags &= ~TME_HOVER;
  bool nonClient = (tracking.flags & TME_NONCLIENT) != 0;
  TPoint screen = pointerSeen.at;
  *msg = nonClient ? MakeMsg(tracked->handle, WM_NCMOUSEHOVER, HTCLIENT, MAKELPARAM(screen.X, screen.Y))
                   : MakeMsg(tracked->handle, WM_MOUSEHOVER, MouseKeyFlags(), ClientLParam(tracked, screen));
  msg->time = static_cast<DWORD>(Now());
  msg->pt = screen;
  if (!tracking.flags) tracking = {};
  return true;
}

std::optional<std::uint64_t> NextHoverDue() {
  if (!Find(tracking.hwnd) || !(tracking.flags & TME_HOVER)) return std::nullopt;
  return tracking.hoverDue;
}

bool PointerButtonHeld(int virtualKey) { return buttonsHeld.count(virtualKey) != 0; }

void ForgetPointerButton(int virtualKey) { buttonsHeld.erase(virtualKey); }

WPARAM MouseKeyFlags() {
  WPARAM flags = 0;
  if (PointerButtonHeld(VK_LBUTTON)) flags |= MK_LBUTTON;
  if (PointerButtonHeld(VK_RBUTTON)) flags |= MK_RBUTTON;
  if (PointerButtonHeld(VK_MBUTTON)) flags |= MK_MBUTTON;
  if (GetKeyState(VK_SHIFT) < 0) flags |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) flags |= MK_CONTROL;
  return flags;
}

void ForgetPointerState(TWindow* w) {
  if (TWindow* c = Find(capture); c && IsDescendant(w, c)) {
    if (w->destroying) {
      capture = nullptr;
      Backend().GrabPointer(nullptr);
    } else {
      ReleaseCapture();
    }
  }
  if (TWindow* t = Find(tracking.hwnd); t && IsDescendant(w, t)) tracking = {};
  if (TWindow* l = Find(lastClick.hwnd); l && IsDescendant(w, l)) lastClick = {};
}

void ClearPointerState() {
  capture = nullptr;
  buttonsHeld.clear();
  cursor = nullptr;
  lastClick = {};
  tracking = {};
  pointerSeen = {};
}

}  // namespace detail

using namespace detail;

HWND SetCapture(HWND hwnd) {
  HWND old = GetCapture();
  TWindow* w = Find(hwnd);
  if (!w || hwnd == old) return old;
  capture = hwnd;
  Backend().GrabPointer(RootOf(w)->handle);
  if (TWindow* o = Find(old)) Send(o, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return old;
}

bool ReleaseCapture() {
  HWND old = capture;
  capture = nullptr;
  if (HasBackend()) Backend().GrabPointer(nullptr);
  if (TWindow* o = Find(old)) Send(o, WM_CAPTURECHANGED, 0, 0);
  return true;
}

HWND GetCapture() { return Find(capture) ? capture : nullptr; }

bool TrackMouseEvent(TRACKMOUSEEVENT* track) {
  if (!track) return false;
  EnsureStarted();
  if (track->dwFlags & TME_QUERY) {
    track->hwndTrack = tracking.hwnd;
    track->dwFlags = Find(tracking.hwnd) ? tracking.flags : 0;
    track->dwHoverTime = tracking.hoverMs;
    return true;
  }
  TWindow* w = Find(track->hwndTrack);
  if (!w) return false;
  DWORD wanted = track->dwFlags & (TME_HOVER | TME_LEAVE | TME_NONCLIENT);
  if (track->dwFlags & TME_CANCEL) {
    if (tracking.hwnd == track->hwndTrack) tracking.flags &= ~(wanted & (TME_HOVER | TME_LEAVE));
    if (!(tracking.flags & (TME_HOVER | TME_LEAVE))) tracking = {};
    return true;
  }
  TPoint screen;
  GetCursorPos(&screen);
  if (tracking.hwnd != track->hwndTrack) tracking = {};
  tracking.hwnd = track->hwndTrack;
  tracking.flags |= wanted;
  if (wanted & TME_HOVER) {
    tracking.hoverMs = track->dwHoverTime == HOVER_DEFAULT || track->dwHoverTime == 0 ? kHoverDefaultMs
                                                                                      : track->dwHoverTime;
    tracking.hoverPoint = screen;
    tracking.hoverDue = Now() + tracking.hoverMs;
  }
  // Already outside: the leave comes at once.
  LRESULT hit = HTNOWHERE;
  TWindow* top = TopLevelUnder(screen);
  TWindow* under = top ? WindowUnder(top, screen, &hit) : nullptr;
  CheckLeave(under, hit, screen);
  return true;
}

bool GetCursorPos(TPoint* point) {
  if (!point) return false;
  if (!GetCursorPosFromInput(point)) *point = pointerSeen.at = Backend().CursorPos();
  return true;
}

bool GetCursorPosFromInput(TPoint* point) {
  if (!point || !PointerKnown()) return false;
  *point = pointerSeen.at;
  return true;
}

HCURSOR LoadCursor(HINSTANCE, int cursorId) {
  return reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(cursorId));
}

int CursorId(HCURSOR handle) { return static_cast<int>(reinterpret_cast<std::uintptr_t>(handle)); }

HCURSOR SetCursor(HCURSOR newCursor) {
  HCURSOR old = cursor;
  if (newCursor != cursor) {
    cursor = newCursor;
    Backend().SetCursorShape(CursorId(newCursor));
  }
  return old;
}

HCURSOR GetCursor() { return cursor; }

UINT GetDoubleClickTime() { return kDoubleClickMs; }
