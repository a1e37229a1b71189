#include "recorder/MyAmpBar.h"

#include <cmath>

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"

namespace {

// Rounds half to even, as the meter's arithmetic always has.
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

BYTE GradientChannel(BYTE low, BYTE high, int length, int index) {
  return static_cast<BYTE>(RoundEven(low + (high - low) * 0.5 / length * index));
}

}  // namespace

std::vector<TColor> AmpBarGradient(TColor low, TColor high, int length, bool vertical) {
  std::vector<TColor> gradient(length > 0 ? length : 0);
  for (int i = 0; i < length; ++i) {
    TColor colour = RGB(GradientChannel(GetRValue(low), GetRValue(high), length, i),
                        GradientChannel(GetGValue(low), GetGValue(high), length, i),
                        GradientChannel(GetBValue(low), GetBValue(high), length, i));
    // Rows are drawn top-down, so the bottom row takes entry 0.
    gradient[vertical ? length - 1 - i : i] = colour;
  }
  return gradient;
}

void PaintAmpBar(TCanvas* canvas, const TAmpBarPicture& p) {
  const int w = p.width;
  const int h = p.height;
  if (w <= 0 || h <= 0) return;
  canvas->Brush()->SetColor(p.frameColor);
  canvas->FillRect(Rect(0, 0, w, h));
  canvas->Brush()->SetColor(p.backgroundColor);
  canvas->FillRect(Rect(1, 1, w - 1, h - 1));
  // Without a positive range there is no bar to scale.
  if (p.level == 0 || p.maxValue <= 0 || !p.gradient) return;
  const std::vector<TColor>& gradient = *p.gradient;
  const double share = static_cast<double>(p.level) / p.maxValue;
  if (p.vertical) {
    const int top = (h - 1) - RoundEven(share * (h - 1));
    for (int y = std::max(top, 0); y <= h - 2 && y < static_cast<int>(gradient.size()); ++y) {
      canvas->Pen()->SetColor(gradient[y]);
      canvas->MoveTo(1, y);
      canvas->LineTo(w - 1, y);
    }
  } else {
    const int right = RoundEven(share * (w - 1));
    for (int x = 1; x <= right && x < static_cast<int>(gradient.size()); ++x) {
      canvas->Pen()->SetColor(gradient[x]);
      canvas->MoveTo(x, 1);
      canvas->LineTo(x, h - 1);
    }
  }
}

std::int32_t TAmpBarSmoothing::Tick() {
  std::int64_t sum = 0;
  for (std::size_t i = 0; i + 1 < window_.size(); ++i) {
    window_[i] = window_[i + 1];
    sum += window_[i];
  }
  window_.back() = newest_;
  sum += newest_;
  shown_ = static_cast<std::int32_t>(sum / static_cast<std::int64_t>(window_.size()) - 1);
  return shown_;
}

bool TAmpBarSmoothing::Settled() const {
  for (std::int32_t level : window_)
    if (level != newest_) return false;
  return true;
}

TMyAmpBar::TMyAmpBar(TComponent* owner) : TCustomPanel(owner) {
  SetBevelInner(bvNone);
  SetBevelOuter(bvNone);
  SetDoubleBuffered(true);
  SetFullRepaint(false);
  SetColor(14216428);
  paintBox_ = new TPaintBox(this);
  paintBox_->SetParent(this);
  paintBox_->SetAlign(alClient);
  paintBox_->OnPaint = [this](TObject* sender) { PaintMeter(sender); };
  timer_ = new TTimer(this);
  timer_->SetInterval(10);
  timer_->OnTimer = [this](TObject*) { Tick(); };
  UpdateGradient();
}

void TMyAmpBar::SetVertical(bool value) {
  vertical_ = value;
  UpdateGradient();
}

void TMyAmpBar::SetMinValue(std::int32_t value) {
  minValue_ = value;
  UpdateGradient();
}

void TMyAmpBar::SetMaxValue(std::int32_t value) {
  maxValue_ = value;
  UpdateGradient();
}

void TMyAmpBar::SetLowColor(TColor value) {
  lowColor_ = value;
  UpdateGradient();
}

void TMyAmpBar::SetHighColor(TColor value) {
  highColor_ = value;
  UpdateGradient();
}

void TMyAmpBar::SetLevel(std::int32_t value) {
  if (value > maxValue_) value = maxValue_;
  if (value < minValue_) value = minValue_;
  smoothing_.Accept(value);
  UpdateGradient();
  // The timer runs only while the shown level still moves.
  if (!smoothing_.Settled()) timer_->SetEnabled(true);
}

void TMyAmpBar::Tick() {
  const std::int32_t before = smoothing_.Shown();
  if (smoothing_.Tick() != before) paintBox_->Invalidate();
  if (smoothing_.Settled()) timer_->SetEnabled(false);
}

void TMyAmpBar::Resize() {
  TCustomPanel::Resize();
  UpdateGradient();
}

void TMyAmpBar::UpdateGradient() {
  // The paint box fills the panel, which has no bevels; the panel's own
  // size is already the new one while the box is still being aligned.
  const int length = vertical_ ? Height() : Width();
  gradient_ = AmpBarGradient(lowColor_, highColor_, length, vertical_);
}

void TMyAmpBar::PaintMeter(TObject*) {
  TAmpBarPicture picture;
  picture.width = paintBox_->Width();
  picture.height = paintBox_->Height();
  picture.vertical = vertical_;
  picture.level = smoothing_.Shown();
  picture.maxValue = maxValue_;
  picture.backgroundColor = backgroundColor_;
  picture.frameColor = frameColor_;
  picture.gradient = &gradient_;
  PaintAmpBar(paintBox_->Canvas(), picture);
}
