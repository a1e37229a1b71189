// Painting of TAudioDisplay2, one function per display mode.

#include <algorithm>
#include <vector>

#include "platform/audiodisplay/AudioDisplay2.h"
#include "platform/audiodisplay/AudioVisualization2.h"

namespace {

// Bars and meters light up in segments: two pixels lit, one dark.
constexpr int kSegmentPitch = 3;
constexpr int kSegmentLit = 2;
constexpr int kPeakThickness = 2;

int SegmentsFor(int pixels) { return (pixels + 1) / kSegmentPitch; }

TColor Blend(TColor from, TColor to, double share) {
  from = ColorToRGB(from);
  to = ColorToRGB(to);
  auto mix = [share](int a, int b) { return static_cast<int>(a + (b - a) * share + 0.5); };
  return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
             mix(GetBValue(from), GetBValue(to)));
}

}  // namespace

TColor TAudioDisplay2::ShadeAt(int position, int span) const {
  return Blend(lowColor_, highColor_, span <= 1 ? 0.0 : std::clamp(position / double(span - 1), 0.0, 1.0));
}

void TAudioDisplay2::Paint() {
  detail::PaintDoubleBuffered(*this, buffer_, [this](TCanvas& canvas, const TRect& client) {
    TRect inner = client;
    PaintFrame(canvas, inner);
    if (inner.Width() <= 0 || inner.Height() <= 0) return;
    canvas.IntersectClipRect(inner);
    switch (typeDisplay_) {
      case kModeBars: PaintBars(canvas, inner, false); break;
      case kModeLine: PaintLine(canvas, inner); break;
      case kModePeakBars: PaintBars(canvas, inner, true); break;
      case kModeMeters: PaintMeters(canvas, inner); break;
      case kModeScope: PaintScope(canvas, inner); break;
    }
  });
}

void TAudioDisplay2::PaintFrame(TCanvas& canvas, TRect& inner) {
  if (borderStyle_ == bsNone) return;
  canvas.Brush()->SetColor(borderColor_);
  canvas.FrameRect(inner);
  InflateRect(inner, -1, -1);
}

void TAudioDisplay2::PaintBars(TCanvas& canvas, const TRect& inner, bool withPeaks) {
  const int count = static_cast<int>(bands_.levels.size());
  const int width = inner.Width();
  const int height = inner.Height();
  for (int i = 0; i < count; ++i) {
    const int left = inner.Left + i * width / count;
    int right = inner.Left + (i + 1) * width / count;
    if (right - left >= 3) --right;  // a dark column between bars
    const int segments = SegmentsFor(LevelToPixels(bands_.levels[i], height));
    for (int s = 0; s < segments; ++s) {
      const int bottom = inner.Bottom - s * kSegmentPitch;
      canvas.Brush()->SetColor(ShadeAt(s * kSegmentPitch, height));
      canvas.FillRect(Rect(left, bottom - kSegmentLit, right, bottom));
    }
    const int peak = LevelToPixels(bands_.peaks[i], height);
    if (withPeaks && peak > 0) {
      const int bottom = std::max(inner.Top + kPeakThickness, inner.Bottom - peak);
      canvas.Brush()->SetColor(peakColor_);
      canvas.FillRect(Rect(left, bottom - kPeakThickness, right, bottom));
    }
  }
}

void TAudioDisplay2::PaintLine(TCanvas& canvas, const TRect& inner) {
  const int count = static_cast<int>(bands_.levels.size());
  std::vector<TPoint> curve;
  bool anyLevel = false;
  for (int i = 0; i < count; ++i) {
    const int pixels = LevelToPixels(bands_.levels[i], inner.Height());
    anyLevel = anyLevel || pixels > 0;
    curve.push_back({inner.Left + (2 * i + 1) * inner.Width() / (2 * count), inner.Bottom - pixels});
  }
  if (!anyLevel) return;
  curve.insert(curve.begin(), {inner.Left, curve.front().Y});
  curve.push_back({inner.Right, curve.back().Y});

  std::vector<TPoint> area = curve;
  area.push_back({inner.Right, inner.Bottom});
  area.push_back({inner.Left, inner.Bottom});
  canvas.Pen()->SetColor(lowColor_);
  canvas.Brush()->SetColor(lowColor_);
  canvas.Polygon(area);
  canvas.Pen()->SetColor(highColor_);
  canvas.Polyline(curve);
}

void TAudioDisplay2::PaintMeters(TCanvas& canvas, const TRect& inner) {
  const int gap = 2;
  const int laneHeight = std::max(1, (inner.Height() - gap) / 2);
  const int width = inner.Width();
  for (int channel = 0; channel < 2; ++channel) {
    const int top = channel == 0 ? inner.Top : inner.Bottom - laneHeight;
    const int segments = SegmentsFor(LevelToPixels(meters_.levels[channel], width));
    for (int s = 0; s < segments; ++s) {
      const int left = inner.Left + s * kSegmentPitch;
      canvas.Brush()->SetColor(ShadeAt(s * kSegmentPitch, width));
      canvas.FillRect(Rect(left, top, left + kSegmentLit, top + laneHeight));
    }
    const int peak = LevelToPixels(meters_.peaks[channel], width);
    if (peak > 0) {
      const int right = std::min(inner.Right, inner.Left + peak + kPeakThickness);
      canvas.Brush()->SetColor(peakColor_);
      canvas.FillRect(Rect(right - kPeakThickness, top, right, top + laneHeight));
    }
  }
}

void TAudioDisplay2::PaintScope(TCanvas& canvas, const TRect& inner) {
  detail::DrawWaveTrace(canvas, inner, lastBlock_, channels_, 0, lowColor_);
  if (channels_ >= 2) detail::DrawWaveTrace(canvas, inner, lastBlock_, channels_, 1, highColor_);
}
