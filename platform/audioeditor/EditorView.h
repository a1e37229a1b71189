#pragma once
// The view side of the editor component: what part of the document is
// shown, the layout of lanes and scales, the horizontal scroll bar, the
// mouse, and the painting of waveform or spectrogram.

#include "platform/base/Types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TAudioEditor2;
class TBitmap;
class TCanvas;
class TScrollBar;

namespace detail {

struct ViewLayout {
  TRect wave;    // lanes and markers
  TRect scaleX;  // empty when hidden
  TRect scaleY;  // empty when hidden
  std::vector<TRect> lanes;
  std::vector<int> laneChannels;
};

class EditorView {
 public:
  static constexpr int kScaleXHeight = 18;
  static constexpr int kScaleYWidth = 52;
  static constexpr int kScrollBarHeight = 16;
  static constexpr double kMinFramesPerPixel = 1.0 / 32;

  explicit EditorView(TAudioEditor2& editor);
  ~EditorView();

  // A new document: everything shown.
  void Reset();
  // The document changed: keep the view within it.
  void DocumentChanged();
  void Resized();

  void ZoomIn();
  void ZoomOut();
  void ZoomFull();

  ViewLayout Layout() const;
  // Frames per pixel column now (the fit when zoomed out fully).
  double FramesPerPixel() const;
  std::int64_t FrameAt(int x) const;
  // The x of a frame's left edge in the wave area.
  double XOf(std::int64_t frame) const;

  void MouseDown(bool left, bool shift, int x, int y);
  void MouseMove(bool dragging, int x);
  void MouseUp();
  void Wheel(int delta, bool control, int x);

  void Paint(TCanvas& target);

 private:
  void Clamp();
  void UpdateScrollBar();
  void ScrollTo(std::int64_t frame);
  void ZoomAround(double framesPerPixel, std::int64_t anchor);

  // Painting (EditorPaint.cpp, EditorSpectrogram.cpp).
  void PaintLane(TCanvas& canvas, const TRect& lane, int channel);
  void PaintWaveform(TCanvas& canvas, const TRect& lane, int channel);
  void PaintSpectrogram(const TRect& lane, int channel);
  void PaintSelection(TCanvas& canvas, const ViewLayout& layout);
  void PaintGridAndScales(TCanvas& canvas, const ViewLayout& layout);
  void PaintMarkers(TCanvas& canvas, const ViewLayout& layout);
  void PaintCursors(TCanvas& canvas, const ViewLayout& layout);
  std::string XLabel(std::int64_t frame) const;
  // The marks of the vertical scale in one lane, top to bottom or bottom
  // to top; `grid` says whether a grid line goes across the lane there.
  struct YTick {
    int y;
    std::string label;
    bool grid;
  };
  std::vector<YTick> YTicks(const TRect& lane) const;

  TAudioEditor2& editor_;
  TScrollBar* scrollBar_ = nullptr;  // a child of the editor
  std::unique_ptr<TBitmap> buffer_;
  std::int64_t anchor_ = 0;  // where a drag selection started
  bool dragging_ = false;
};

}  // namespace detail
