// Clicks on a scroll bar: an arrow steps a line, the track steps a page
// (both repeating while held), the thumb is dragged. The window hears of
// each step through WM_VSCROLL / WM_HSCROLL, and SB_ENDSCROLL at the end.

#include "platform/framework/ScrollInfo.h"
#include "platform/os/KeyState.h"

namespace detail {
namespace {
constexpr UINT kFirstRepeatMs = 400;
constexpr UINT kRepeatMs = 50;
}  // namespace

TScrollBarPart TScrollTracker::PartAt(TPoint p) const {
  const SCROLLINFO& si = BarState(hwnd_, bar_).info;
  TScrollBarLayout layout = LayoutScrollBar(si, Length(), Thickness(), true);
  int along = Along(p);
  if (along < layout.arrow) return sbpLineUp;
  if (along >= Length() - layout.arrow) return sbpLineDown;
  if (layout.thumbBottom == 0) return along < Length() / 2 ? sbpPageUp : sbpPageDown;
  if (along < layout.thumbTop) return sbpPageUp;
  if (along >= layout.thumbBottom) return sbpPageDown;
  return sbpThumb;
}

void TScrollTracker::Begin(HWND hwnd, int bar, bool vertical, const TRect& rect, TPoint point) {
  hwnd_ = hwnd;
  bar_ = bar;
  vertical_ = vertical;
  rect_ = rect;
  last_ = point;
  part_ = PartAt(point);
  pressedNow_ = true;
  const SCROLLINFO& si = BarState(hwnd_, bar_).info;
  trackPos_ = si.nPos;
  UINT disabled = BarState(hwnd_, bar_).disabledArrows;
  if ((part_ == sbpLineUp && (disabled & ESB_DISABLE_LTUP)) ||
      (part_ == sbpLineDown && (disabled & ESB_DISABLE_RTDN))) {
    part_ = sbpNone;
    return;
  }
  if (part_ == sbpThumb) {
    TScrollBarLayout layout = LayoutScrollBar(si, Length(), Thickness(), true);
    grabOffset_ = Along(point) - layout.thumbTop;
    BarState(hwnd_, bar_).info.nTrackPos = si.nPos;
    Redraw();
    return;
  }
  Redraw();
  Step();
  if (Active()) SetTimer(hwnd_, kTimerId, kFirstRepeatMs, nullptr);
}

void TScrollTracker::Step() {
  switch (part_) {
    case sbpLineUp: Notify(SB_LINEUP, 0); break;
    case sbpLineDown: Notify(SB_LINEDOWN, 0); break;
    case sbpPageUp: Notify(SB_PAGEUP, 0); break;
    case sbpPageDown: Notify(SB_PAGEDOWN, 0); break;
    default: break;
  }
}

void TScrollTracker::Tick() {
  if (!Active() || !IsWindow(hwnd_)) return;
  // The release may have gone to another window (or arrived before the
  // capture was taken): a tick without the button held ends the click.
  if (GetAsyncKeyState(VK_LBUTTON) >= 0) {
    HWND hwnd = hwnd_;
    End();
    if (GetCapture() == hwnd) ReleaseCapture();
    return;
  }
  SetTimer(hwnd_, kTimerId, kRepeatMs, nullptr);
  // A page step repeats only while the pointer stays on the same side of the thumb.
  if (pressedNow_ && PartAt(last_) == part_) Step();
}

void TScrollTracker::Move(TPoint point) {
  if (!Active()) return;
  last_ = point;
  if (part_ != sbpThumb) {
    bool over = PartAt(point) == part_;
    if (over != pressedNow_) {
      pressedNow_ = over;
      Redraw();
    }
    return;
  }
  SCROLLINFO& si = BarState(hwnd_, bar_).info;
  TScrollBarLayout layout = LayoutScrollBar(si, Length(), Thickness(), true);
  int pos = ScrollPosFromThumb(si, layout, Length(), Along(point) - grabOffset_);
  // Far off the bar the thumb goes back where it started, as the system does.
  int across = vertical_ ? point.X - rect_.Left : point.Y - rect_.Top;
  if (across < -2 * Thickness() || across > 3 * Thickness()) pos = si.nPos;
  if (pos == trackPos_) return;
  trackPos_ = pos;
  si.nTrackPos = pos;
  Notify(SB_THUMBTRACK, pos);
}

void TScrollTracker::End() {
  if (!Active()) return;
  TScrollBarPart part = part_;
  part_ = sbpNone;
  pressedNow_ = false;
  if (IsWindow(hwnd_)) {
    KillTimer(hwnd_, kTimerId);
    if (part == sbpThumb) Notify(SB_THUMBPOSITION, trackPos_);
    Notify(SB_ENDSCROLL, 0);
    Redraw();
  }
}

void TScrollTracker::Notify(WORD code, int pos) {
  if (!IsWindow(hwnd_)) {
    part_ = sbpNone;
    return;
  }
  UINT msg = vertical_ ? WM_VSCROLL : WM_HSCROLL;
  WPARAM wParam = static_cast<WPARAM>(MAKELPARAM(code, pos));
  if (bar_ == SB_CTL) {
    // A scroll-bar control tells its parent and names itself.
    HWND parent = GetParent(hwnd_);
    if (parent) SendMessage(parent, msg, wParam, reinterpret_cast<LPARAM>(hwnd_));
    if (IsWindow(hwnd_)) SendMessage(hwnd_, CN_BASE + msg, wParam, reinterpret_cast<LPARAM>(hwnd_));
  } else {
    SendMessage(hwnd_, msg, wParam, 0);
  }
}

void TScrollTracker::Redraw() {
  if (!IsWindow(hwnd_)) return;
  if (bar_ == SB_CTL) InvalidateRect(hwnd_, nullptr, false);
  else RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
}

}  // namespace detail
