// The track bar: a thumb on a channel, moved by keys, dragging and paging.

#include <algorithm>
#include <cmath>

#include "platform/framework/ComCtrls.h"
#include "platform/framework/ControlLooks.h"

namespace {

constexpr int kMargin = 5;       // from each end of the control to the channel
constexpr int kThumbWidth = 11;  // along the axis
constexpr int kTickSpace = 5;    // across the axis, per side with ticks
constexpr int kTickLength = 3;
constexpr UINT_PTR kPageTimer = 1;
constexpr UINT kPageRepeatMs = 100;

}  // namespace

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csOpaque;
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
  Publish("Min", &TTrackBar::Min, &TTrackBar::SetMin);
  Publish("Max", &TTrackBar::Max, &TTrackBar::SetMax);
  Publish("Position", &TTrackBar::Position, &TTrackBar::SetPosition);
  Publish("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency);
  Publish("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize);
  Publish("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize);
  Publish("ThumbLength", &TTrackBar::ThumbLength, &TTrackBar::SetThumbLength);
  Publish("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation);
  Publish("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks);
  Publish("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle);
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  if (orientation_ == trVertical) params.Style |= TBS_VERT;
  if (tickStyle_ == tsNone) params.Style |= TBS_NOTICKS;
  else if (tickStyle_ == tsAuto) params.Style |= TBS_AUTOTICKS;
  if (tickMarks_ == tmTopLeft) params.Style |= TBS_TOP;
  if (tickMarks_ == tmBoth) params.Style |= TBS_BOTH;
}

// ---- Properties ---------------------------------------------------------------------

void TTrackBar::SetMin(int value) { SetRange(value, std::max(value, max_)); }
void TTrackBar::SetMax(int value) { SetRange(std::min(value, min_), value); }

void TTrackBar::SetRange(int min, int max) {
  int old = position_;
  Perform(TBM_SETRANGEMIN, 0, min);
  Perform(TBM_SETRANGEMAX, 1, std::max(min, max));
  if (position_ != old) Changed();
}

void TTrackBar::SetPosition(int value) {
  int old = position_;
  Perform(TBM_SETPOS, 1, value);
  if (position_ != old) Changed();
}

void TTrackBar::SetFrequency(int value) { Perform(TBM_SETTICFREQ, static_cast<WPARAM>(value), 0); }
void TTrackBar::SetThumbLength(int value) { Perform(TBM_SETTHUMBLENGTH, static_cast<WPARAM>(value), 0); }

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  // Turning the bar swaps its width and height.
  if (!IsLoading()) SetBounds(Left(), Top(), Height(), Width());
  if (HandleAllocated()) RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark value) {
  tickMarks_ = value;
  Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
  tickStyle_ = value;
  Invalidate();
}

void TTrackBar::SetTick(int value) { Perform(TBM_SETTIC, 0, value); }

std::vector<int> TTrackBar::Ticks() const {
  std::vector<int> ticks;
  if (tickStyle_ == tsNone) return ticks;
  ticks.push_back(min_);
  if (tickStyle_ == tsAuto) {
    for (long long p = static_cast<long long>(min_) + frequency_; p < max_; p += frequency_)
      ticks.push_back(static_cast<int>(p));
  } else {
    for (int t : manualTicks_)
      if (t > min_ && t < max_) ticks.push_back(t);
  }
  if (max_ != min_) ticks.push_back(max_);
  std::sort(ticks.begin(), ticks.end());
  ticks.erase(std::unique(ticks.begin(), ticks.end()), ticks.end());
  return ticks;
}

void TTrackBar::Changed() {
  if (OnChange) OnChange(this);
}

// ---- Geometry ---------------------------------------------------------------------

namespace {

// A rectangle from spans along and across the axis.
TRect Oriented(bool horizontal, int along0, int along1, int across0, int across1) {
  return horizontal ? Rect(along0, across0, along1, across1) : Rect(across0, along0, across1, along1);
}

}  // namespace

int TTrackBar::PixelOf(int position) {
  int start = kMargin + kThumbWidth / 2;
  int span = std::max(0, Length() - 2 * kMargin - kThumbWidth);
  if (max_ == min_) return start;
  return start + static_cast<int>(static_cast<long long>(position - min_) * span / (max_ - min_));
}

int TTrackBar::PositionAt(int along) {
  int start = kMargin + kThumbWidth / 2;
  int span = std::max(1, Length() - 2 * kMargin - kThumbWidth);
  double exact = min_ + static_cast<double>(along - start) * (max_ - min_) / span;
  return std::clamp(static_cast<int>(std::lround(exact)), min_, max_);
}

TRect TTrackBar::ThumbRect() {
  bool horizontal = orientation_ == trHorizontal;
  int thickness = horizontal ? Height() : Width();
  bool ticksBefore = tickStyle_ != tsNone && (tickMarks_ == tmTopLeft || tickMarks_ == tmBoth);
  bool ticksAfter = tickStyle_ != tsNone && (tickMarks_ == tmBottomRight || tickMarks_ == tmBoth);
  int before = ticksBefore ? kTickSpace : 0, after = ticksAfter ? kTickSpace : 0;
  int room = std::max(6, thickness - before - after - 4);
  int length = std::clamp(thumbLength_, 6, room);
  int across = before + std::max(0, (thickness - before - after - length) / 2);
  int centre = PixelOf(position_);
  return Oriented(horizontal, centre - kThumbWidth / 2, centre - kThumbWidth / 2 + kThumbWidth, across, across + length);
}

TRect TTrackBar::ChannelRect() {
  bool horizontal = orientation_ == trHorizontal;
  TRect thumb = ThumbRect();
  int middle = horizontal ? (thumb.Top + thumb.Bottom) / 2 : (thumb.Left + thumb.Right) / 2;
  return Oriented(horizontal, kMargin, Length() - kMargin, middle - 3, middle + 3);
}

// ---- Painting -----------------------------------------------------------------------

void TTrackBar::PaintWindow(HDC dc) {
  TCanvas* canvas = dc;
  bool horizontal = orientation_ == trHorizontal;
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  TRect channel = ChannelRect();
  DrawSunkenEdge(canvas, channel);
  canvas->Brush()->SetColor(clWindow);
  canvas->FillRect(channel);

  TRect thumb = ThumbRect();
  canvas->Brush()->SetColor(clWindowText);
  for (int tick : Ticks()) {
    int at = PixelOf(tick);
    if (tickMarks_ == tmTopLeft || tickMarks_ == tmBoth) {
      int edge = horizontal ? thumb.Top : thumb.Left;
      canvas->FillRect(Oriented(horizontal, at, at + 1, edge - 2 - kTickLength, edge - 2));
    }
    if (tickMarks_ == tmBottomRight || tickMarks_ == tmBoth) {
      int edge = horizontal ? thumb.Bottom : thumb.Right;
      canvas->FillRect(Oriented(horizontal, at, at + 1, edge + 2, edge + 2 + kTickLength));
    }
  }
  DrawButtonFace(canvas, thumb, false, false, Enabled() ? clBtnFace : clBtnShadow);
  if (Focused()) canvas->DrawFocusRect(ClientRect());
}

// ---- Input ---------------------------------------------------------------------------

void TTrackBar::Notify(WORD code) {
  if (!HandleAllocated()) return;
  HWND parent = GetParent(Handle());
  if (!parent) return;
  UINT msg = orientation_ == trHorizontal ? WM_HSCROLL : WM_VSCROLL;
  auto wParam = static_cast<WPARAM>(MAKELPARAM(code, code == TB_THUMBTRACK || code == TB_THUMBPOSITION ? position_ : 0));
  SendMessage(parent, msg, wParam, reinterpret_cast<LPARAM>(Handle()));
}

void TTrackBar::UserMove(int position, WORD code) {
  int old = position_;
  position_ = std::clamp(position, min_, max_);
  if (position_ != old) Invalidate();
  Notify(code);
  if (position_ != old) Changed();
}

int TTrackBar::Along(LPARAM point) const {
  return orientation_ == trHorizontal ? GET_X_LPARAM(point) : GET_Y_LPARAM(point);
}

void TTrackBar::PageTowards(int along) {
  int target = PositionAt(along);
  int centre = PixelOf(position_);
  if (along > centre + kThumbWidth / 2 && target > position_)
    UserMove(std::min(position_ + pageSize_, target), TB_PAGEDOWN);
  else if (along < centre - kThumbWidth / 2 && target < position_)
    UserMove(std::max(position_ - pageSize_, target), TB_PAGEUP);
}

void TTrackBar::StopPaging() {
  if (!paging_) return;
  paging_ = false;
  if (HandleAllocated()) KillTimer(Handle(), kPageTimer);
}

void TTrackBar::WMButtonDown(TMessage& m, TMouseButton button, bool doubleClick) {
  if (button == mbLeft && Enabled()) {
    if (!Focused() && CanFocus()) SetFocus();
    TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    TRect thumb = ThumbRect();
    if (thumb.Contains(p)) {
      dragging_ = true;
      grabOffset_ = Along(m.LParam) - PixelOf(position_);
    } else {
      paging_ = true;
      pageTarget_ = Along(m.LParam);
      PageTowards(pageTarget_);
      SetTimer(Handle(), kPageTimer, kPageRepeatMs, nullptr);
    }
  }
  TWinControl::WMButtonDown(m, button, doubleClick);
}

void TTrackBar::WMMouseMove(TMessage& m) {
  if (dragging_) UserMove(PositionAt(Along(m.LParam) - grabOffset_), TB_THUMBTRACK);
  else if (paging_) pageTarget_ = Along(m.LParam);
  TWinControl::WMMouseMove(m);
}

void TTrackBar::WMButtonUp(TMessage& m, TMouseButton button) {
  if (button == mbLeft) {
    if (dragging_) {
      dragging_ = false;
      Notify(TB_THUMBPOSITION);
      Notify(TB_ENDTRACK);
    } else if (paging_) {
      StopPaging();
      Notify(TB_ENDTRACK);
    }
  }
  TWinControl::WMButtonUp(m, button);
}

void TTrackBar::CMEnabledChanged(TMessage& m) {
  dragging_ = false;
  StopPaging();
  TWinControl::CMEnabledChanged(m);
  Invalidate();
}

void TTrackBar::DefaultHandler(TMessage& m) {
  auto invalidate = [&] { Invalidate(); };
  switch (m.Msg) {
    case WM_KEYDOWN:
      switch (m.WParam) {
        case VK_LEFT:
        case VK_UP: UserMove(position_ - lineSize_, TB_LINEUP); return;
        case VK_RIGHT:
        case VK_DOWN: UserMove(position_ + lineSize_, TB_LINEDOWN); return;
        case VK_PRIOR: UserMove(position_ - pageSize_, TB_PAGEUP); return;
        case VK_NEXT: UserMove(position_ + pageSize_, TB_PAGEDOWN); return;
        case VK_HOME: UserMove(min_, TB_TOP); return;
        case VK_END: UserMove(max_, TB_BOTTOM); return;
        default: break;
      }
      break;
    case WM_KEYUP:
      switch (m.WParam) {
        case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
        case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END:
          Notify(TB_ENDTRACK);
          return;
        default: break;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (m.Msg == WM_KILLFOCUS) {
        dragging_ = false;
        StopPaging();
      }
      invalidate();
      break;
    case WM_TIMER:
      if (m.WParam == kPageTimer && paging_) {
        PageTowards(pageTarget_);
        return;
      }
      break;
    case TBM_GETPOS: m.Result = position_; return;
    case TBM_SETPOS:
      position_ = std::clamp(static_cast<int>(m.LParam), min_, max_);
      invalidate();
      return;
    case TBM_GETRANGEMIN: m.Result = min_; return;
    case TBM_GETRANGEMAX: m.Result = max_; return;
    case TBM_SETRANGE:
      min_ = static_cast<std::int16_t>(LOWORD(m.LParam));
      max_ = std::max(min_, static_cast<int>(static_cast<std::int16_t>(HIWORD(m.LParam))));
      position_ = std::clamp(position_, min_, max_);
      invalidate();
      return;
    case TBM_SETRANGEMIN:
      min_ = static_cast<int>(m.LParam);
      max_ = std::max(min_, max_);
      position_ = std::clamp(position_, min_, max_);
      invalidate();
      return;
    case TBM_SETRANGEMAX:
      max_ = static_cast<int>(m.LParam);
      min_ = std::min(min_, max_);
      position_ = std::clamp(position_, min_, max_);
      invalidate();
      return;
    case TBM_SETTICFREQ:
      frequency_ = std::max(1, static_cast<int>(m.WParam));
      invalidate();
      return;
    case TBM_SETTIC:
      if (static_cast<int>(m.LParam) < min_ || static_cast<int>(m.LParam) > max_) {
        m.Result = 0;
        return;
      }
      manualTicks_.push_back(static_cast<int>(m.LParam));
      invalidate();
      m.Result = 1;
      return;
    case TBM_GETTIC:
      m.Result = m.WParam < manualTicks_.size() ? manualTicks_[m.WParam] : -1;
      return;
    case TBM_CLEARTICS:
      manualTicks_.clear();
      invalidate();
      return;
    case TBM_GETNUMTICS: m.Result = static_cast<LRESULT>(Ticks().size()); return;
    case TBM_SETPAGESIZE:
      m.Result = pageSize_;
      SetPageSize(static_cast<int>(m.LParam));
      return;
    case TBM_GETPAGESIZE: m.Result = pageSize_; return;
    case TBM_SETLINESIZE:
      m.Result = lineSize_;
      SetLineSize(static_cast<int>(m.LParam));
      return;
    case TBM_GETLINESIZE: m.Result = lineSize_; return;
    case TBM_SETTHUMBLENGTH:
      thumbLength_ = std::max(6, static_cast<int>(m.WParam));
      invalidate();
      return;
    case TBM_GETTHUMBLENGTH: {
      TRect thumb = ThumbRect();
      m.Result = orientation_ == trHorizontal ? thumb.Height() : thumb.Width();
      return;
    }
    case TBM_GETTHUMBRECT:
      if (m.LParam) *reinterpret_cast<TRect*>(m.LParam) = ThumbRect();
      return;
    case TBM_GETCHANNELRECT:
      if (m.LParam) *reinterpret_cast<TRect*>(m.LParam) = ChannelRect();
      return;
    default: break;
  }
  TWinControl::DefaultHandler(m);
}
