// The progress bar: blocks (or a smooth bar) in the highlight colour.

#include <algorithm>

#include "platform/framework/ComCtrls.h"
#include "platform/framework/Panels.h"

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  controlStyle_ |= csOpaque;
  SetBounds(0, 0, 150, 16);
  Publish("Min", &TProgressBar::Min, &TProgressBar::SetMin);
  Publish("Max", &TProgressBar::Max, &TProgressBar::SetMax);
  Publish("Position", &TProgressBar::Position, &TProgressBar::SetPosition);
  Publish("Step", &TProgressBar::Step, &TProgressBar::SetStep);
  Publish("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth);
  Publish("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation);
}

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  if (smooth_) params.Style |= PBS_SMOOTH;
  if (orientation_ == pbVertical) params.Style |= PBS_VERTICAL;
}

void TProgressBar::SetMin(int value) { Perform(PBM_SETRANGE32, static_cast<WPARAM>(value), std::max(value, max_)); }
void TProgressBar::SetMax(int value) {
  Perform(PBM_SETRANGE32, static_cast<WPARAM>(std::min(value, min_)), value);
}
void TProgressBar::SetPosition(int value) { Perform(PBM_SETPOS, static_cast<WPARAM>(value), 0); }

void TProgressBar::SetSmooth(bool value) {
  smooth_ = value;
  Invalidate();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
  orientation_ = value;
  Invalidate();
}

int TProgressBar::Store(int position) {
  int old = position_;
  position_ = std::clamp(position, min_, max_);
  if (position_ != old) Invalidate();
  return old;
}

void TProgressBar::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case PBM_SETRANGE:
      m.Result = MAKELPARAM(min_, max_);
      min_ = static_cast<std::int16_t>(LOWORD(m.LParam));
      max_ = std::max(min_, static_cast<int>(static_cast<std::int16_t>(HIWORD(m.LParam))));
      Store(position_);
      Invalidate();
      return;
    case PBM_SETRANGE32:
      m.Result = MAKELPARAM(min_, max_);
      min_ = static_cast<int>(static_cast<LONG_PTR>(m.WParam));
      max_ = std::max(min_, static_cast<int>(m.LParam));
      Store(position_);
      Invalidate();
      return;
    case PBM_GETRANGE: {
      if (m.LParam) *reinterpret_cast<PBRANGE*>(m.LParam) = {min_, max_};
      m.Result = m.WParam ? min_ : max_;
      return;
    }
    case PBM_SETPOS: m.Result = Store(static_cast<int>(static_cast<LONG_PTR>(m.WParam))); return;
    case PBM_DELTAPOS: m.Result = Store(position_ + static_cast<int>(static_cast<LONG_PTR>(m.WParam))); return;
    case PBM_GETPOS: m.Result = position_; return;
    case PBM_SETSTEP:
      m.Result = step_;
      step_ = static_cast<int>(static_cast<LONG_PTR>(m.WParam));
      return;
    case PBM_STEPIT: {
      // Past the end the bar starts again from the beginning.
      long long next = static_cast<long long>(position_) + step_;
      if (next > max_) next = min_ + (next - max_ - 1) % (static_cast<long long>(max_ - min_) + 1);
      if (next < min_) next = max_;
      m.Result = Store(static_cast<int>(next));
      return;
    }
    default: TWinControl::DefaultHandler(m);
  }
}

TRect TProgressBar::BarRect() {
  TRect inner = ClientRect();
  InflateRect(inner, -2, -2);
  if (max_ == min_ || inner.IsEmpty()) return Rect(inner.Left, inner.Top, inner.Left, inner.Top);
  auto part = [&](int length) {
    return static_cast<int>(static_cast<long long>(position_ - min_) * length / (max_ - min_));
  };
  if (orientation_ == pbVertical) return Rect(inner.Left, inner.Bottom - part(inner.Height()), inner.Right, inner.Bottom);
  return Rect(inner.Left, inner.Top, inner.Left + part(inner.Width()), inner.Bottom);
}

void TProgressBar::PaintWindow(HDC dc) {
  TCanvas* canvas = dc;
  TRect r = ClientRect();
  Frame3D(canvas, r, clBtnShadow, clBtnHighlight, 1);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(r);
  TRect bar = BarRect();
  if (bar.IsEmpty()) return;
  canvas->Brush()->SetColor(clHighlight);
  if (smooth_) {
    canvas->FillRect(bar);
    return;
  }
  // Blocks two-thirds as long as the bar is thick, two pixels apart.
  bool vertical = orientation_ == pbVertical;
  int thickness = vertical ? bar.Width() : bar.Height();
  int block = std::max(2, thickness * 2 / 3);
  if (vertical) {
    for (int bottom = bar.Bottom; bottom > bar.Top; bottom -= block + 2)
      canvas->FillRect(Rect(bar.Left, std::max(bar.Top, bottom - block), bar.Right, bottom));
  } else {
    for (int left = bar.Left; left < bar.Right; left += block + 2)
      canvas->FillRect(Rect(left, bar.Top, std::min(bar.Right, left + block), bar.Bottom));
  }
}
