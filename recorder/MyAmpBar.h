#pragma once
// The bar-graph level meter: a panel that draws a gradient bar whose
// length follows the sound level, smoothed over the last five levels.

#include <array>
#include <cstdint>
#include <vector>

#include "platform/framework/ExtCtrls.h"
#include "platform/framework/Timer.h"

// One colour per pixel row (vertical, the bottom row first in drawing
// order: entry 0 is the colour of the bottom row) or per column. The
// colours run from low to half-way between low and high.
std::vector<TColor> AmpBarGradient(TColor low, TColor high, int length, bool vertical);

struct TAmpBarPicture {
  int width = 0;
  int height = 0;
  bool vertical = true;
  std::int32_t level = 0;      // the smoothed level
  std::int32_t maxValue = 100;
  TColor backgroundColor = 0;
  TColor frameColor = 0;
  const std::vector<TColor>* gradient = nullptr;  // indexed by row or column
};

// Draws the frame, the background and the bar of one meter at (0, 0).
void PaintAmpBar(TCanvas* canvas, const TAmpBarPicture& picture);

// The five-level smoothing window: each tick shifts the newest level in
// and answers the mean minus one.
class TAmpBarSmoothing {
 public:
  void Accept(std::int32_t level) { newest_ = level; }
  std::int32_t Tick();
  std::int32_t Shown() const { return shown_; }
  // True when every further tick shows the same level.
  bool Settled() const;

 private:
  std::array<std::int32_t, 5> window_{};
  std::int32_t newest_ = 0;
  std::int32_t shown_ = 0;
};

class TMyAmpBar : public TCustomPanel {
 public:
  explicit TMyAmpBar(TComponent* owner);
  std::string ClassName() const override { return "TMyAmpBar"; }

  bool Vertical() const { return vertical_; }
  void SetVertical(bool value);
  std::int32_t MinValue() const { return minValue_; }
  void SetMinValue(std::int32_t value);
  std::int32_t MaxValue() const { return maxValue_; }
  void SetMaxValue(std::int32_t value);
  TColor BackgroundColor() const { return backgroundColor_; }
  void SetBackgroundColor(TColor value) { backgroundColor_ = value; }
  TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(TColor value) { frameColor_ = value; }
  TColor LowColor() const { return lowColor_; }
  void SetLowColor(TColor value);
  TColor HighColor() const { return highColor_; }
  void SetHighColor(TColor value);

  // Clamped to MinValue..MaxValue; shown after the next ticks.
  void SetLevel(std::int32_t value);
  std::int32_t ShownLevel() const { return smoothing_.Shown(); }
  // False once the shown level has settled: an idle meter wakes nobody.
  bool Ticking() const { return timer_->Enabled(); }
  const std::vector<TColor>& Gradient() const { return gradient_; }
  // One step of the 10 ms timer: smooth and repaint.
  void Tick();

 protected:
  void Resize() override;

 private:
  void UpdateGradient();
  void PaintMeter(TObject* sender);

  TPaintBox* paintBox_;
  TTimer* timer_;
  bool vertical_ = true;
  std::int32_t minValue_ = 0;
  std::int32_t maxValue_ = 100;
  TColor backgroundColor_ = 0;
  TColor frameColor_ = 0;
  TColor lowColor_ = 0;
  TColor highColor_ = 0;
  TAmpBarSmoothing smoothing_;
  std::vector<TColor> gradient_;
};
