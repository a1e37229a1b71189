// The scroll-bar control.

#include "platform/framework/ScrollBars.h"

#include <algorithm>
#include <cstdint>

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  controlStyle_ = csFramed | csDoubleClicks | csOpaque;
  info_.nMin = 0;
  info_.nMax = 100;
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
  SetColor(clScrollBar);
}

TScrollBar::~TScrollBar() {
  if (HandleAllocated()) detail::ForgetBars(Handle());
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  Publish();
}

void TScrollBar::Publish() {
  if (!HandleAllocated()) return;
  detail::BarState(Handle(), SB_CTL).info = info_;
  Invalidate();
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (kind_ == value) return;
  kind_ = value;
  // The bar turns: width and height change places.
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::SetPageSize(int value) {
  SCROLLINFO si;
  si.fMask = SIF_PAGE;
  si.nPage = static_cast<UINT>(std::max(0, value));
  Perform(SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si));
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) throw EInvalidOperation("Scroll bar property out of range");
  int before = info_.nPos;
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_POS;
  si.nMin = min;
  si.nMax = max;
  si.nPos = position;
  Perform(SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si));
  if (info_.nPos != before) Change();
}

void TScrollBar::Change() {
  if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode code, int& pos) {
  if (OnScroll) OnScroll(this, code, pos);
}

void TScrollBar::Dispatch(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    DoScroll(m);
    return;
  }
  if (tracker_.Active()) {
    switch (m.Msg) {
      case WM_MOUSEMOVE: tracker_.Move({GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}); return;
      case WM_LBUTTONUP:
        tracker_.End();
        if (GetCapture() == Handle()) ReleaseCapture();
        return;
      case WM_CAPTURECHANGED: tracker_.End(); break;
      default: break;
    }
  }
  if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && Enabled()) {
    if (CanFocus() && TabStop() && !Focused()) SetFocus();
    SetCapture(Handle());
    tracker_.Begin(Handle(), SB_CTL, kind_ == sbVertical, ClientRect(), {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
    return;
  }
  TWinControl::Dispatch(m);
}

// A step of the bar becomes a new position; OnScroll may change it.
void TScrollBar::DoScroll(TMessage& m) {
  WORD code = LOWORD(m.WParam);
  // Wide, so that a step past either end of the int range is clamped.
  std::int64_t pos = info_.nPos;
  TScrollCode scrollCode = scEndScroll;
  switch (code) {
    case SB_LINEUP: scrollCode = scLineUp; pos -= smallChange_; break;
    case SB_LINEDOWN: scrollCode = scLineDown; pos += smallChange_; break;
    case SB_PAGEUP: scrollCode = scPageUp; pos -= largeChange_; break;
    case SB_PAGEDOWN: scrollCode = scPageDown; pos += largeChange_; break;
    case SB_THUMBPOSITION:
      scrollCode = scPosition;
      pos = detail::BarState(Handle(), SB_CTL).info.nTrackPos;
      break;
    case SB_THUMBTRACK:
      scrollCode = scTrack;
      pos = detail::BarState(Handle(), SB_CTL).info.nTrackPos;
      break;
    case SB_TOP: scrollCode = scTop; pos = info_.nMin; break;
    case SB_BOTTOM: scrollCode = scBottom; pos = detail::MaxScrollPos(info_); break;
    default: break;
  }
  int newPos = static_cast<int>(std::clamp<std::int64_t>(pos, info_.nMin, detail::MaxScrollPos(info_)));
  Scroll(scrollCode, newPos);
  SetPosition(newPos);
}

void TScrollBar::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case SBM_SETSCROLLINFO: {
      auto* in = reinterpret_cast<const SCROLLINFO*>(m.LParam);
      if (!in) return;
      detail::ApplyScrollInfo(info_, *in);
      Publish();
      m.Result = info_.nPos;
      return;
    }
    case SBM_GETSCROLLINFO: {
      auto* out = reinterpret_cast<SCROLLINFO*>(m.LParam);
      if (!out) return;
      const SCROLLINFO& si = HandleAllocated() ? detail::BarState(Handle(), SB_CTL).info : info_;
      if (out->fMask & SIF_RANGE) {
        out->nMin = si.nMin;
        out->nMax = si.nMax;
      }
      if (out->fMask & SIF_PAGE) out->nPage = si.nPage;
      if (out->fMask & SIF_POS) out->nPos = si.nPos;
      if (out->fMask & SIF_TRACKPOS) out->nTrackPos = si.nTrackPos;
      m.Result = TRUE;
      return;
    }
    case SBM_GETPOS: m.Result = info_.nPos; return;
    case SBM_SETPOS: {
      SCROLLINFO si;
      si.fMask = SIF_POS;
      si.nPos = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
      m.Result = info_.nPos;
      Perform(SBM_SETSCROLLINFO, m.LParam, reinterpret_cast<LPARAM>(&si));
      return;
    }
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
      SCROLLINFO si;
      si.fMask = SIF_RANGE;
      si.nMin = static_cast<int>(static_cast<std::intptr_t>(m.WParam));
      si.nMax = static_cast<int>(m.LParam);
      Perform(SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si));
      return;
    }
    case SBM_ENABLE_ARROWS:
      if (HandleAllocated()) detail::BarState(Handle(), SB_CTL).disabledArrows = static_cast<UINT>(m.WParam) & ESB_DISABLE_BOTH;
      Invalidate();
      m.Result = TRUE;
      return;
    case SBM_GETSCROLLBARINFO: {
      auto* out = reinterpret_cast<SCROLLBARINFO*>(m.LParam);
      if (!out || !HandleAllocated()) return;
      *out = SCROLLBARINFO{};
      GetWindowRect(Handle(), &out->rcScrollBar);
      bool vertical = kind_ == sbVertical;
      bool enabled = Enabled() && detail::BarState(Handle(), SB_CTL).disabledArrows != ESB_DISABLE_BOTH;
      TRect client = ClientRect();
      TScrollBarLayout layout = LayoutScrollBar(info_, vertical ? client.Height() : client.Width(),
                                                vertical ? client.Width() : client.Height(), enabled);
      out->dxyLineButton = layout.arrow;
      out->xyThumbTop = layout.thumbTop;
      out->xyThumbBottom = layout.thumbBottom;
      if (!enabled) out->rgstate[0] = STATE_SYSTEM_UNAVAILABLE;
      if (!IsWindowVisible(Handle())) out->rgstate[0] |= STATE_SYSTEM_INVISIBLE;
      m.Result = TRUE;
      return;
    }
    case WM_KEYDOWN: {
      WORD code = 0xFFFF;
      switch (m.WParam) {
        case VK_UP:
        case VK_LEFT: code = SB_LINEUP; break;
        case VK_DOWN:
        case VK_RIGHT: code = SB_LINEDOWN; break;
        case VK_PRIOR: code = SB_PAGEUP; break;
        case VK_NEXT: code = SB_PAGEDOWN; break;
        case VK_HOME: code = SB_TOP; break;
        case VK_END: code = SB_BOTTOM; break;
        default: break;
      }
      if (code == 0xFFFF) break;
      UINT msg = kind_ == sbVertical ? CN_VSCROLL : CN_HSCROLL;
      SendMessage(Handle(), msg, code, reinterpret_cast<LPARAM>(Handle()));
      SendMessage(Handle(), msg, SB_ENDSCROLL, reinterpret_cast<LPARAM>(Handle()));
      return;
    }
    case WM_TIMER:
      if (m.WParam == detail::TScrollTracker::kTimerId) {
        tracker_.Tick();
        return;
      }
      break;
    case WM_NCDESTROY: detail::ForgetBars(Handle()); break;
    default: break;
  }
  TWinControl::DefaultHandler(m);
}

void TScrollBar::PaintWindow(HDC dc) {
  if (!dc) return;
  bool enabled = Enabled() && (!HandleAllocated() || detail::BarState(Handle(), SB_CTL).disabledArrows != ESB_DISABLE_BOTH);
  DrawScrollBar(*dc, ClientRect(), kind_ == sbVertical, info_, enabled, tracker_.Pressed());
}
