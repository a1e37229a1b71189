#include "platform/audiodisplay/AudioVisualization2.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/base/Exceptions.h"

namespace detail {

void DrawWaveTrace(TCanvas& canvas, const TRect& lane, const TSampleBlock& block, int channels, int channel,
                   TColor color) {
  if (channels < 1 || channel < 0 || channel >= channels) return;
  const std::int64_t frames = static_cast<std::int64_t>(block.size()) / channels;
  const int width = lane.Width();
  const int height = lane.Height();
  if (frames == 0 || width <= 0 || height <= 0) return;

  // The centre row is the same one the grid line uses; full scale reaches
  // the lane's edge on both sides.
  const int half = (height - 1) / 2;
  const int centre = lane.Top + half;
  auto rowOf = [&](int value) { return centre - static_cast<int>(std::lround(value * half / 32768.0)); };
  auto valueAt = [&](std::int64_t frame) { return static_cast<int>(block[frame * channels + channel]); };

  canvas.Brush()->SetColor(color);
  int previous = valueAt(0);
  for (int x = 0; x < width; ++x) {
    const std::int64_t first = x * frames / width;
    const std::int64_t last = std::max(first + 1, (x + 1) * frames / width);
    int low = previous, high = previous;
    for (std::int64_t f = first; f < last; ++f) {
      low = std::min(low, valueAt(f));
      high = std::max(high, valueAt(f));
    }
    previous = valueAt(last - 1);
    canvas.FillRect(Rect(lane.Left + x, rowOf(high), lane.Left + x + 1, rowOf(low) + 1));
  }
}

void PaintDoubleBuffered(TCustomControl& control, std::unique_ptr<TBitmap>& buffer,
                         const std::function<void(TCanvas&, const TRect&)>& paint) {
  const TRect client = control.ClientRect();
  if (client.Width() <= 0 || client.Height() <= 0) return;
  if (!buffer) buffer = std::make_unique<TBitmap>();
  if (buffer->Width() != client.Width() || buffer->Height() != client.Height())
    buffer->SetSize(client.Width(), client.Height());
  TCanvas& canvas = *buffer->Canvas();
  canvas.Brush()->SetColor(control.Color());
  canvas.FillRect(client);
  const int saved = canvas.SaveDC();
  paint(canvas, client);
  canvas.RestoreDC(saved);
  control.Canvas()->BitBlt(0, 0, client.Width(), client.Height(), &canvas, 0, 0, SRCCOPY);
}

void CheckDisplayFormat(int sampleRate, int channels) {
  if (sampleRate < 1 || channels < 1)
    throw EInvalidOperation("Display format " + std::to_string(sampleRate) + " Hz, " +
                            std::to_string(channels) + " channels is not valid");
}

}  // namespace detail

TAudioVisualization2::TAudioVisualization2(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ |= csOpaque;
  SetBounds(0, 0, 219, 93);
  SetColor(clBlack);
  Publish("LineColorLeft", &TAudioVisualization2::LineColorLeft, &TAudioVisualization2::SetLineColorLeft);
  Publish("LineColorRight", &TAudioVisualization2::LineColorRight, &TAudioVisualization2::SetLineColorRight);
  Publish("GridColor", &TAudioVisualization2::GridColor, &TAudioVisualization2::SetGridColor);
  Publish("WindowArraySize", &TAudioVisualization2::WindowArraySize, &TAudioVisualization2::SetWindowArraySize);
}

TAudioVisualization2::~TAudioVisualization2() = default;

void TAudioVisualization2::PutData(const TSampleBlock& data) {
  // Only whole frames count; a stray value at the end is dropped.
  const bool wasEmpty = block_.empty();
  block_.assign(data.begin(), data.end() - data.size() % channels_);
  // An empty display told again that it is empty has nothing to repaint.
  if (!(wasEmpty && block_.empty())) Invalidate();
}

void TAudioVisualization2::SetFormat(int sampleRate, int channels) {
  detail::CheckDisplayFormat(sampleRate, channels);
  sampleRate_ = sampleRate;
  channels_ = channels;
  block_.clear();
  Invalidate();
}

void TAudioVisualization2::SetLineColorLeft(TColor value) { lineColorLeft_ = value; Invalidate(); }
void TAudioVisualization2::SetLineColorRight(TColor value) { lineColorRight_ = value; Invalidate(); }
void TAudioVisualization2::SetGridColor(TColor value) { gridColor_ = value; Invalidate(); }

void TAudioVisualization2::SetWindowArraySize(int frames) {
  if (frames < 16 || frames > 16384)
    throw EInvalidOperation("Wave display size " + std::to_string(frames) + " is not from 16 to 16384");
  windowArraySize_ = frames;
}

void TAudioVisualization2::Paint() {
  detail::PaintDoubleBuffered(*this, buffer_, [this](TCanvas& canvas, const TRect& client) {
    const bool stereo = channels_ >= 2;
    const int laneHeight = stereo ? client.Height() / 2 : client.Height();
    const TRect lanes[2] = {Rect(client.Left, client.Top, client.Right, client.Top + laneHeight),
                            Rect(client.Left, client.Bottom - laneHeight, client.Right, client.Bottom)};
    const TColor colors[2] = {lineColorLeft_, lineColorRight_};
    const int laneCount = stereo ? 2 : 1;
    canvas.Brush()->SetColor(gridColor_);
    for (int i = 0; i < laneCount; ++i) {
      const int centre = lanes[i].Top + (lanes[i].Height() - 1) / 2;
      canvas.FillRect(Rect(client.Left, centre, client.Right, centre + 1));
    }
    for (int i = 0; i < laneCount; ++i) detail::DrawWaveTrace(canvas, lanes[i], block_, channels_, i, colors[i]);
  });
}
