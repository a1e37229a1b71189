// Painting of the editor's waveform view: selection, grid and scales,
// lanes, markers and cursors, in that order.

#include "platform/audioeditor/AudioEditor2.h"
#include "platform/audioeditor/EditorView.h"
#include "platform/gfx/Canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace detail {

namespace {

// Labels on the horizontal scale stand at least this far apart, those
// on the frequency scale at least this high.
constexpr int kMinLabelSpacing = 90;
constexpr int kMinYLabelSpacing = 28;

// The smallest of 1, 2, 5 times a power of ten that is at least `least`.
double NiceStep(double least) {
  double power = std::pow(10.0, std::floor(std::log10(std::max(least, 1e-9))));
  for (;;) {
    for (double m : {1.0, 2.0, 5.0})
      if (m * power >= least) return m * power;
    power *= 10;
  }
}

int YOf(const TRect& lane, double value) {
  const double half = (lane.Height() - 1) / 2.0;
  const double y = lane.Top + half - std::clamp(value, -1.0, 1.0) * half;
  return static_cast<int>(std::lround(y));
}

void VerticalLine(TCanvas& canvas, int x, int top, int bottom, TColor color) {
  canvas.Brush()->SetColor(color);
  canvas.FillRect({x, top, x + 1, bottom});
}

void HorizontalLine(TCanvas& canvas, int left, int right, int y, TColor color) {
  canvas.Brush()->SetColor(color);
  canvas.FillRect({left, y, right, y + 1});
}

// Text straight on what is painted below it: a solid brush would give the
// text a filled cell in the background colour.
void LabelText(TCanvas& canvas, int x, int y, const std::string& text) {
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(x, y, text);
  canvas.Brush()->SetStyle(bsSolid);
}

}  // namespace

std::string EditorView::XLabel(std::int64_t frame) const {
  if (editor_.scaleXSettings_.scaleType == kScaleSamples) return std::to_string(frame);
  const std::int64_t ms = frame * 1000 / std::max(1, editor_.state_.document.sampleRate);
  const std::int64_t hours = ms / 3600000, minutes = ms / 60000 % 60, seconds = ms / 1000 % 60;
  char text[48];
  if (hours > 0)
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%03lld", static_cast<long long>(hours),
                  static_cast<long long>(minutes), static_cast<long long>(seconds), static_cast<long long>(ms % 1000));
  else
    std::snprintf(text, sizeof text, "%lld:%02lld.%03lld", static_cast<long long>(minutes),
                  static_cast<long long>(seconds), static_cast<long long>(ms % 1000));
  return text;
}

void EditorView::PaintSelection(TCanvas& canvas, const ViewLayout& layout) {
  const EditState& state = editor_.state_;
  if (state.selectionEnd <= state.selectionStart) return;
  const int left = std::max(layout.wave.Left, static_cast<int>(std::floor(XOf(state.selectionStart))));
  const int right = std::min(layout.wave.Right, static_cast<int>(std::ceil(XOf(state.selectionEnd))) + 1);
  if (left >= right) return;
  canvas.Brush()->SetColor(editor_.colorSettings_.selectBackground);
  canvas.FillRect({left, layout.wave.Top, right, layout.wave.Bottom});
}

void EditorView::PaintGridAndScales(TCanvas& canvas, const ViewLayout& layout) {
  const EditorColors& colors = editor_.colorSettings_;
  const int rate = std::max(1, editor_.state_.document.sampleRate);
  const double fpp = FramesPerPixel();
  // Horizontal: steps of whole milliseconds or samples.
  const bool ms = editor_.scaleXSettings_.scaleType == kScaleMilliseconds;
  const double leastUnits = kMinLabelSpacing * fpp * (ms ? 1000.0 / rate : 1.0);
  const double stepUnits = NiceStep(std::max(leastUnits, 1.0));
  const double stepFrames = ms ? stepUnits * rate / 1000 : stepUnits;
  if (!layout.scaleX.IsEmpty()) {
    canvas.Brush()->SetColor(colors.scales);
    canvas.FillRect(layout.scaleX);
  }
  canvas.SetBkMode(TRANSPARENT);
  canvas.Font()->SetColor(colors.font);
  const double firstTick = std::ceil(static_cast<double>(editor_.viewStart_) / stepFrames) * stepFrames;
  for (double tick = firstTick;; tick += stepFrames) {
    const int x = static_cast<int>(std::lround(XOf(static_cast<std::int64_t>(std::llround(tick)))));
    if (x >= layout.wave.Right) break;
    if (editor_.scaleXSettings_.gridVisible) VerticalLine(canvas, x, layout.wave.Top, layout.wave.Bottom, colors.grid);
    if (!layout.scaleX.IsEmpty()) {
      VerticalLine(canvas, x, layout.scaleX.Top, layout.scaleX.Top + 4, colors.font);
      LabelText(canvas, x + 2, layout.scaleX.Top + 3, XLabel(static_cast<std::int64_t>(std::llround(tick))));
    }
  }
  // Vertical: levels for the waveform, frequencies for the spectrogram.
  if (!layout.scaleY.IsEmpty()) {
    canvas.Brush()->SetColor(colors.scales);
    canvas.FillRect(layout.scaleY);
    if (!layout.scaleX.IsEmpty())
      canvas.FillRect({layout.scaleY.Left, layout.scaleX.Top, layout.scaleY.Right, layout.scaleX.Bottom});
  }
  for (const TRect& lane : layout.lanes)
    for (const YTick& tick : YTicks(lane)) {
      if (editor_.scaleYSettings_.gridVisible && tick.grid) HorizontalLine(canvas, lane.Left, lane.Right, tick.y, colors.grid);
      if (layout.scaleY.IsEmpty()) continue;
      HorizontalLine(canvas, layout.scaleY.Right - 4, layout.scaleY.Right, tick.y, colors.font);
      const int height = canvas.TextHeight(tick.label);
      const int top = std::clamp(tick.y - height / 2, lane.Top, lane.Bottom - height);
      LabelText(canvas, layout.scaleY.Right - 6 - canvas.TextWidth(tick.label), top, tick.label);
    }
}

std::vector<EditorView::YTick> EditorView::YTicks(const TRect& lane) const {
  std::vector<YTick> ticks;
  if (editor_.typeView_ == TAudioEditor2::kViewSpectral) {
    // The spectrogram runs from 0 Hz at the bottom to half the rate at the top.
    const double top = std::max(1, editor_.state_.document.sampleRate) / 2.0;
    const double rows = std::max(1, lane.Height() - 1);
    const double step = NiceStep(top * kMinYLabelSpacing / rows);
    for (double hz = 0; hz <= top; hz += step) {
      char text[32];
      if (hz < 1000)
        std::snprintf(text, sizeof text, "%.0f Hz", hz);
      else
        std::snprintf(text, sizeof text, "%g kHz", hz / 1000);
      ticks.push_back({static_cast<int>(std::lround(lane.Bottom - 1 - hz / top * rows)), text, hz > 0});
    }
    return ticks;
  }
  // Full scale, half and zero.
  for (double level : {1.0, 0.5, 0.0, -0.5, -1.0}) {
    std::string label;
    switch (editor_.scaleYSettings_.scaleType) {
      case kScaleValues: label = std::to_string(static_cast<int>(std::lround(level * 32767))); break;
      case kScaleNormalised: {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", level);
        label = text;
        break;
      }
      default:
        label = level == 0 ? "-inf" : std::to_string(static_cast<int>(std::lround(20 * std::log10(std::fabs(level))))) + " dB";
    }
    ticks.push_back({YOf(lane, level), label, level != 0});
  }
  return ticks;
}

void EditorView::PaintLane(TCanvas& canvas, const TRect& lane, int channel) {
  const EditorColors& colors = editor_.colorSettings_;
  const EditState& state = editor_.state_;
  const int mid = YOf(lane, 0);
  HorizontalLine(canvas, lane.Left, lane.Right, mid, colors.centerLine);
  if (state.selectionEnd > state.selectionStart) {
    const int left = std::max(lane.Left, static_cast<int>(std::floor(XOf(state.selectionStart))));
    const int right = std::min(lane.Right, static_cast<int>(std::ceil(XOf(state.selectionEnd))) + 1);
    if (left < right) HorizontalLine(canvas, left, right, mid, colors.selectCenterLine);
  }
  if (editor_.typeView_ == TAudioEditor2::kViewSpectral)
    PaintSpectrogram(lane, channel);
  else
    PaintWaveform(canvas, lane, channel);
  HorizontalLine(canvas, lane.Left, lane.Right, lane.Bottom - 1, colors.boundary);
}

void EditorView::PaintWaveform(TCanvas& canvas, const TRect& lane, int channel) {
  const EditorColors& colors = editor_.colorSettings_;
  const EditState& state = editor_.state_;
  const ChannelTrack& track = state.document.tracks[static_cast<std::size_t>(channel)];
  const std::int64_t length = track.Length();
  const double fpp = FramesPerPixel();
  auto selected = [&](std::int64_t frame) { return frame >= state.selectionStart && frame < state.selectionEnd; };
  if (fpp >= 1) {
    // One column per pixel: the span between the lowest and highest sample.
    for (int x = lane.Left; x < lane.Right; ++x) {
      const auto from = static_cast<std::int64_t>(static_cast<double>(editor_.viewStart_) + (x - lane.Left) * fpp);
      const auto to = static_cast<std::int64_t>(static_cast<double>(editor_.viewStart_) + (x + 1 - lane.Left) * fpp);
      if (from >= length) break;
      float lo = 1, hi = -1;
      track.MinMax(from, std::max(to, from + 1), lo, hi);
      if (lo > hi) continue;
      const int top = YOf(lane, hi), bottom = YOf(lane, lo);
      VerticalLine(canvas, x, top, bottom + 1, selected(from) ? colors.selectDigitalWaveform : colors.digitalWaveForm);
    }
    return;
  }
  // Zoomed in: the samples joined by lines, each sample marked.
  const std::int64_t first = std::max<std::int64_t>(0, editor_.viewStart_ - 1);
  const auto last = std::min<std::int64_t>(length, editor_.viewStart_ + static_cast<std::int64_t>(lane.Width() * fpp) + 2);
  if (first >= last) return;
  std::vector<float> samples(static_cast<std::size_t>(last - first));
  track.Read(first, last - first, samples.data());
  std::vector<TPoint> points;
  for (std::int64_t f = first; f < last; ++f)
    points.push_back({static_cast<int>(std::lround(XOf(f))), YOf(lane, samples[static_cast<std::size_t>(f - first)])});
  canvas.Pen()->SetColor(colors.analogWaveForm);
  canvas.Polyline(points);
  for (std::size_t i = 0; i < points.size(); ++i) {
    canvas.Brush()->SetColor(selected(first + static_cast<std::int64_t>(i)) ? colors.selectDigitalWaveform
                                                                           : colors.digitalWaveForm);
    canvas.FillRect({points[i].X - 1, points[i].Y - 1, points[i].X + 2, points[i].Y + 2});
  }
}

void EditorView::PaintMarkers(TCanvas& canvas, const ViewLayout& layout) {
  const EditorColors& colors = editor_.colorSettings_;
  const TRect& wave = layout.wave;
  canvas.SetBkMode(TRANSPARENT);
  int number = 0;
  for (const CueMarker& marker : editor_.state_.markers) {
    ++number;
    const int x = static_cast<int>(std::lround(XOf(marker.position)));
    const std::string label = marker.label.empty() ? "Cue " + std::to_string(number) : marker.label;
    const int textHeight = canvas.TextHeight(label);
    if (marker.length > 0) {
      const int end = static_cast<int>(std::lround(XOf(marker.position + marker.length)));
      if (end < wave.Left || x >= wave.Right) continue;
      canvas.Brush()->SetColor(colors.rangeMarkerBackground);
      canvas.FillRect({std::max(x, wave.Left), wave.Top, std::min(end, wave.Right), wave.Top + textHeight + 2});
      if (x >= wave.Left) VerticalLine(canvas, x, wave.Top, wave.Bottom, colors.rangeMarker);
      if (end < wave.Right) VerticalLine(canvas, end, wave.Top, wave.Bottom, colors.rangeMarker);
      canvas.Font()->SetColor(colors.rangeMarker);
    } else {
      if (x < wave.Left || x >= wave.Right) continue;
      VerticalLine(canvas, x, wave.Top, wave.Bottom, colors.cueMarker);
      canvas.Font()->SetColor(colors.cueMarker);
    }
    LabelText(canvas, std::max(x, wave.Left) + 3, wave.Top + 1, label);
  }
}

void EditorView::PaintCursors(TCanvas& canvas, const ViewLayout& layout) {
  const EditorColors& colors = editor_.colorSettings_;
  const TRect& wave = layout.wave;
  auto line = [&](std::int64_t frame, TColor color) {
    const int x = static_cast<int>(std::lround(XOf(frame)));
    if (x >= wave.Left && x < wave.Right) VerticalLine(canvas, x, wave.Top, wave.Bottom, color);
  };
  line(editor_.state_.document.Length(), colors.boundary);
  line(editor_.state_.cursor, colors.cursor);
  const std::int64_t playing = editor_.PlayPosition();
  if (playing >= 0) line(playing, colors.playCursor);
}

}  // namespace detail
