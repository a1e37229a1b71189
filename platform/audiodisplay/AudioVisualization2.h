#pragma once
// TAudioVisualization2: a wave display. Each PutData shows one block
// across the whole width; with two channels the left one runs in the upper
// half in LineColorLeft and the right one in the lower half in
// LineColorRight, each around a centre line in GridColor; one channel
// fills the height in LineColorLeft. An empty block clears the display.

#include <functional>
#include <memory>

#include "platform/audio/AudioTypes.h"
#include "platform/framework/Controls.h"

class TAudioVisualization2 : public TCustomControl {
 public:
  explicit TAudioVisualization2(TComponent* owner);
  ~TAudioVisualization2() override;
  std::string ClassName() const override { return "TAudioVisualization2"; }

  // Shows one block (interleaved 16-bit samples in the format set by
  // SetFormat); an empty block clears the display.
  void PutData(const TSampleBlock& data);

  // Format of the blocks that follow; 44100 Hz stereo until set.
  void SetFormat(int sampleRate, int channels);
  int SampleRate() const { return sampleRate_; }
  int Channels() const { return channels_; }

  TColor LineColorLeft() const { return lineColorLeft_; }
  void SetLineColorLeft(TColor value);
  TColor LineColorRight() const { return lineColorRight_; }
  void SetLineColorRight(TColor value);
  TColor GridColor() const { return gridColor_; }
  void SetGridColor(TColor value);
  // Frames per channel the display is meant to show; callers ask for
  // WindowArraySize × 2 samples. From 16 to 16384.
  int WindowArraySize() const { return windowArraySize_; }
  void SetWindowArraySize(int frames);

 protected:
  void Paint() override;

 private:
  int sampleRate_ = 44100;
  int channels_ = 2;
  TColor lineColorLeft_ = clLime;
  TColor lineColorRight_ = clYellow;
  TColor gridColor_ = RGB(48, 48, 48);
  int windowArraySize_ = 512;
  TSampleBlock block_;
  std::unique_ptr<TBitmap> buffer_;
};

// Helpers shared by both display controls.
namespace detail {

// Draws one channel of an interleaved block across lane, full scale
// filling its height: each pixel column spans the lowest to the highest
// value of the frames that fall into it, joined to the column before.
void DrawWaveTrace(TCanvas& canvas, const TRect& lane, const TSampleBlock& block, int channels, int channel,
                   TColor color);

// Paints into an off-screen bitmap the size of the control's client area,
// then copies it onto the control's canvas in one go.
// paint gets the buffer's canvas and the client rectangle.
void PaintDoubleBuffered(TCustomControl& control, std::unique_ptr<TBitmap>& buffer,
                         const std::function<void(TCanvas&, const TRect&)>& paint);

// Raises EInvalidOperation unless the format is one a display can show.
void CheckDisplayFormat(int sampleRate, int channels);

}  // namespace detail
