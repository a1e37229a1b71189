// The scroll information of windows: range, page and position per bar,
// the bars shown or hidden through the window's style, and the geometry of
// arrows and thumb.

#include "platform/framework/ScrollInfo.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>

namespace detail {
namespace {
std::map<std::pair<HWND, int>, TBarState>& Bars() {
  static std::map<std::pair<HWND, int>, TBarState> bars;
  return bars;
}
}  // namespace

TBarState& BarState(HWND hwnd, int bar) {
  auto [it, added] = Bars().try_emplace({hwnd, bar});
  // A new bar has the range 0..100 of a fresh window, as the system gives.
  if (added && bar != SB_CTL) it->second.info.nMax = 100;
  return it->second;
}

const TBarState* ExistingBar(HWND hwnd, int bar) {
  auto it = Bars().find({hwnd, bar});
  if (it != Bars().end()) return &it->second;
  if (bar == SB_CTL) return nullptr;
  // A window made with the bar's style has it from the start.
  DWORD style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
  return (style & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) ? &BarState(hwnd, bar) : nullptr;
}

int MaxScrollPos(const SCROLLINFO& info) {
  const std::int64_t page = info.nPage > 0 ? std::int64_t{info.nPage} - 1 : 0;
  return static_cast<int>(std::max<std::int64_t>(info.nMin, info.nMax - page));
}

void ApplyScrollInfo(SCROLLINFO& info, const SCROLLINFO& change) {
  if (change.fMask & SIF_RANGE) {
    info.nMin = change.nMin;
    // An inverted range counts as an empty one.
    info.nMax = std::max(change.nMin, change.nMax);
  }
  if (change.fMask & SIF_PAGE) info.nPage = change.nPage;
  const std::int64_t span = std::int64_t{info.nMax} - info.nMin + 1;
  if (std::int64_t{info.nPage} > span) info.nPage = static_cast<UINT>(span);
  if (change.fMask & SIF_POS) info.nPos = change.nPos;
  info.nPos = std::clamp(info.nPos, info.nMin, detail::MaxScrollPos(info));
  info.nTrackPos = info.nPos;
}

void ForgetBars(HWND hwnd) {
  for (int bar : {SB_HORZ, SB_VERT, SB_CTL}) Bars().erase({hwnd, bar});
}
}  // namespace detail

namespace {

DWORD StyleBit(int bar) { return bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL; }

bool ValidBar(HWND hwnd, int bar) { return IsWindow(hwnd) && bar >= SB_HORZ && bar <= SB_CTL; }

bool HasSomethingToScroll(const SCROLLINFO& si) {
  return si.nMax > si.nMin && std::int64_t{si.nPage} <= std::int64_t{si.nMax} - si.nMin;
}

void RedrawBar(HWND hwnd, int bar) {
  if (bar == SB_CTL) InvalidateRect(hwnd, nullptr, true);
  else RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE | RDW_NOCHILDREN);
}

// Shows or hides a window bar through its style bit and lays the frame out again.
void SetBarShown(HWND hwnd, int bar, bool show) {
  DWORD style = static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
  DWORD bits = bar == SB_BOTH ? (WS_VSCROLL | WS_HSCROLL) : StyleBit(bar);
  DWORD wanted = show ? (style | bits) : (style & ~bits);
  if (wanted == style) return;
  SetWindowLong(hwnd, GWL_STYLE, static_cast<LONG_PTR>(wanted));
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
  if (!info || !ValidBar(hwnd, bar)) return false;
  if (bar == SB_CTL) return SendMessage(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)) != 0;
  const detail::TBarState* state = detail::ExistingBar(hwnd, bar);
  if (!state) return false;
  const SCROLLINFO& si = state->info;
  if (info->fMask & SIF_RANGE) {
    info->nMin = si.nMin;
    info->nMax = si.nMax;
  }
  if (info->fMask & SIF_PAGE) info->nPage = si.nPage;
  if (info->fMask & SIF_POS) info->nPos = si.nPos;
  if (info->fMask & SIF_TRACKPOS) info->nTrackPos = si.nTrackPos;
  return (info->fMask & SIF_ALL) != 0;
}

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, bool redraw) {
  if (!info || !ValidBar(hwnd, bar)) return 0;
  if (bar == SB_CTL) return static_cast<int>(SendMessage(hwnd, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
  detail::TBarState& state = detail::BarState(hwnd, bar);
  SCROLLINFO& si = state.info;
  detail::ApplyScrollInfo(si, *info);

  if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
    if (HasSomethingToScroll(si)) {
      if (state.disabledArrows == ESB_DISABLE_BOTH && (info->fMask & SIF_DISABLENOSCROLL))
        state.disabledArrows = ESB_ENABLE_BOTH;
      SetBarShown(hwnd, bar, true);
    } else if (info->fMask & SIF_DISABLENOSCROLL) {
      state.disabledArrows = ESB_DISABLE_BOTH;
    } else {
      SetBarShown(hwnd, bar, false);
    }
  }
  if (redraw) RedrawBar(hwnd, bar);
  return si.nPos;
}

int GetScrollPos(HWND hwnd, int bar) {
  SCROLLINFO si;
  si.fMask = SIF_POS;
  return GetScrollInfo(hwnd, bar, &si) ? si.nPos : 0;
}

int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw) {
  int old = GetScrollPos(hwnd, bar);
  SCROLLINFO si;
  si.fMask = SIF_POS;
  si.nPos = pos;
  SetScrollInfo(hwnd, bar, &si, redraw);
  return old;
}

bool GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
  if (!minPos || !maxPos) return false;
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  // A window without the bar has the range 0..0.
  if (!GetScrollInfo(hwnd, bar, &si)) si.nMin = si.nMax = 0;
  *minPos = si.nMin;
  *maxPos = si.nMax;
  return ValidBar(hwnd, bar);
}

bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool redraw) {
  if (!ValidBar(hwnd, bar)) return false;
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  si.nMin = minPos;
  si.nMax = maxPos;
  SetScrollInfo(hwnd, bar, &si, redraw);
  return true;
}

bool ShowScrollBar(HWND hwnd, int bar, bool show) {
  if (!IsWindow(hwnd) || bar < SB_HORZ || bar > SB_BOTH) return false;
  if (bar == SB_CTL) {
    ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
    return true;
  }
  SetBarShown(hwnd, bar, show);
  return true;
}

bool EnableScrollBar(HWND hwnd, int bar, UINT arrows) {
  if (!IsWindow(hwnd) || bar < SB_HORZ || bar > SB_BOTH) return false;
  if (bar == SB_CTL) return SendMessage(hwnd, SBM_ENABLE_ARROWS, arrows, 0) != 0;
  for (int b : {SB_HORZ, SB_VERT}) {
    if (bar != SB_BOTH && bar != b) continue;
    detail::BarState(hwnd, b).disabledArrows = arrows & ESB_DISABLE_BOTH;
    RedrawBar(hwnd, b);
  }
  return true;
}

bool GetScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO* info) {
  if (!info || !IsWindow(hwnd)) return false;
  if (idObject == OBJID_CLIENT)
    return SendMessage(hwnd, SBM_GETSCROLLBARINFO, 0, reinterpret_cast<LPARAM>(info)) != 0;
  if (idObject != OBJID_VSCROLL && idObject != OBJID_HSCROLL) return false;
  int bar = idObject == OBJID_VSCROLL ? SB_VERT : SB_HORZ;
  bool vertical = bar == SB_VERT;
  *info = SCROLLBARINFO{};
  TScrollingControl* control = dynamic_cast<TScrollingControl*>(TWinControl::FindControl(hwnd));
  TRect rect = control ? control->BarRect(bar) : TRect{};
  bool shown = (GetWindowLong(hwnd, GWL_STYLE) & StyleBit(bar)) != 0 && !rect.IsEmpty();
  if (!shown) {
    info->rgstate[0] = STATE_SYSTEM_INVISIBLE;
    return true;
  }
  TRect window;
  GetWindowRect(hwnd, &window);
  OffsetRect(rect, window.Left, window.Top);
  info->rcScrollBar = rect;
  const detail::TBarState& state = detail::BarState(hwnd, bar);
  bool enabled = IsWindowEnabled(hwnd) && state.disabledArrows != ESB_DISABLE_BOTH;
  int length = vertical ? rect.Height() : rect.Width();
  int thickness = vertical ? rect.Width() : rect.Height();
  TScrollBarLayout layout = LayoutScrollBar(state.info, length, thickness, enabled);
  info->dxyLineButton = layout.arrow;
  info->xyThumbTop = layout.thumbTop;
  info->xyThumbBottom = layout.thumbBottom;
  if (!enabled) info->rgstate[0] = STATE_SYSTEM_UNAVAILABLE;
  if (state.disabledArrows & ESB_DISABLE_LTUP) info->rgstate[1] = STATE_SYSTEM_UNAVAILABLE;
  if (state.disabledArrows & ESB_DISABLE_RTDN) info->rgstate[5] = STATE_SYSTEM_UNAVAILABLE;
  if (layout.thumbBottom == 0) info->rgstate[3] = STATE_SYSTEM_INVISIBLE;
  return true;
}

TScrollBarLayout LayoutScrollBar(const SCROLLINFO& info, int length, int thickness, bool enabled) {
  TScrollBarLayout layout;
  if (length <= 0) return layout;
  layout.arrow = std::min(thickness, length / 2);
  int track = length - 2 * layout.arrow;
  if (!enabled || track <= 0) return layout;
  long long span = static_cast<long long>(info.nMax) - info.nMin + 1;
  int thumb = layout.arrow;  // without a page the thumb is square
  if (info.nPage > 0 && span > 0) thumb = static_cast<int>(track * static_cast<long long>(info.nPage) / span);
  thumb = std::max(thumb, kMinThumbLength);
  if (thumb >= track) return layout;
  int maxPos = detail::MaxScrollPos(info);
  int offset = 0;
  if (maxPos > info.nMin) {
    long long pos = std::clamp(info.nPos, info.nMin, maxPos) - static_cast<long long>(info.nMin);
    offset = static_cast<int>((track - thumb) * pos / (static_cast<long long>(maxPos) - info.nMin));
  }
  layout.thumbTop = layout.arrow + offset;
  layout.thumbBottom = layout.thumbTop + thumb;
  return layout;
}

int ScrollPosFromThumb(const SCROLLINFO& info, const TScrollBarLayout& layout, int length, int thumbTop) {
  int track = length - 2 * layout.arrow;
  int thumb = layout.thumbBottom - layout.thumbTop;
  int room = track - thumb;
  int maxPos = detail::MaxScrollPos(info);
  if (room <= 0 || thumb <= 0) return info.nPos;
  int offset = std::clamp(thumbTop - layout.arrow, 0, room);
  long long span = static_cast<long long>(maxPos) - info.nMin;
  // Rounded to the nearest position, as the thumb stands between two.
  return info.nMin + static_cast<int>((offset * span + room / 2) / room);
}
