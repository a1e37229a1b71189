#pragma once
// TAudioDisplay2: a spectrum and level display fed with sample blocks.
//
// Each PutData analyses one block and moves the shown levels towards what
// it found: up by Attack percent of the distance, down by Release percent.
// The motion therefore follows the feed (the player's timer), not a clock
// of its own. An empty block clears the display.
//
// Display modes (TypeDisplay):
//   0  spectrum bars, in lit segments shading from LowColor to HighColor;
//   1  spectrum line: the curve over the bands, filled underneath;
//   2  spectrum bars with peak marks that hold a moment, then fall;
//   3  stereo level meters: left above right, with peak marks;
//   4  oscilloscope: the block's wave, left in LowColor, right in HighColor.
// Frequencies run on a logarithmic scale from 40 Hz to 16 kHz.

#include <memory>
#include <vector>

#include "platform/audio/AudioTypes.h"
#include "platform/framework/Controls.h"

class TSpectrumAnalyzer;

class TAudioDisplay2 : public TCustomControl {
 public:
  static constexpr int kModeBars = 0;
  static constexpr int kModeLine = 1;
  static constexpr int kModePeakBars = 2;
  static constexpr int kModeMeters = 3;
  static constexpr int kModeScope = 4;

  explicit TAudioDisplay2(TComponent* owner);
  ~TAudioDisplay2() override;
  std::string ClassName() const override { return "TAudioDisplay2"; }

  // Shows one block (interleaved 16-bit samples in the format set by
  // SetFormat); an empty block clears the display.
  void PutData(const TSampleBlock& data);

  // Format of the blocks that follow; 44100 Hz stereo until set.
  void SetFormat(int sampleRate, int channels);
  int SampleRate() const { return sampleRate_; }
  int Channels() const { return channels_; }

  // 0..4, see above; other values raise EInvalidOperation.
  int TypeDisplay() const { return typeDisplay_; }
  void SetTypeDisplay(int mode);
  // Samples (all channels together) a caller hands to PutData; also the
  // transform length. A power of two from 64 to 16384.
  int FFTWindowsSize() const { return fftWindowsSize_; }
  void SetFFTWindowsSize(int size);

  // Design settings. The background is the control's Color.
  TColor LowColor() const { return lowColor_; }
  void SetLowColor(TColor value);
  TColor HighColor() const { return highColor_; }
  void SetHighColor(TColor value);
  TColor PeakColor() const { return peakColor_; }
  void SetPeakColor(TColor value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  // The dB range shown, bottom to top (a range under 1 dB counts as 1 dB).
  int MinLevel() const { return minLevel_; }
  void SetMinLevel(int db);
  int MaxLevel() const { return maxLevel_; }
  void SetMaxLevel(int db);
  // Percent of the distance to a new level covered per block, 1..100.
  int Attack() const { return attack_; }
  void SetAttack(int percent);
  int Release() const { return release_; }
  void SetRelease(int percent);

  // What is shown: band edges in Hz (band count + 1 values) and the
  // smoothed level of each band in dB; the meters' levels, left and right.
  const std::vector<float>& BandEdges() const { return bandEdges_; }
  const std::vector<float>& BandLevels() const { return bands_.levels; }
  float MeterLevel(int channel) const { return meters_.levels.at(channel); }

 protected:
  void Paint() override;
  void Resize() override;

 private:
  // Levels with attack, release and held peaks, one per band or meter.
  struct TLevelSet {
    std::vector<float> levels;
    std::vector<float> peaks;
    std::vector<int> holds;  // blocks left before a peak falls
    void Reset(std::size_t count, float floor);
    void Follow(const std::vector<float>& targets, float floor, float ceiling, int attack, int release);
  };

  void Clear();
  void LayoutBands();
  void AnalyseSpectrum(const TSampleBlock& data);
  void AnalyseMeters(const TSampleBlock& data);
  float Floor() const { return static_cast<float>(minLevel_); }
  float Range() const;
  // Height in pixels of a level within a span of `pixels`.
  int LevelToPixels(float db, int pixels) const;
  TColor ShadeAt(int position, int span) const;

  // Painting, one function per mode (AudioDisplay2Paint.cpp).
  void PaintFrame(TCanvas& canvas, TRect& inner);
  void PaintBars(TCanvas& canvas, const TRect& inner, bool withPeaks);
  void PaintLine(TCanvas& canvas, const TRect& inner);
  void PaintMeters(TCanvas& canvas, const TRect& inner);
  void PaintScope(TCanvas& canvas, const TRect& inner);

  int sampleRate_ = 44100;
  int channels_ = 2;
  int typeDisplay_ = kModeBars;
  int fftWindowsSize_ = 2048;
  TColor lowColor_ = RGB(0, 200, 60);
  TColor highColor_ = RGB(255, 210, 0);
  TColor peakColor_ = RGB(255, 255, 255);
  TBorderStyle borderStyle_ = bsNone;
  TColor borderColor_ = RGB(96, 96, 96);
  int minLevel_ = -70;
  int maxLevel_ = 0;
  int attack_ = 80;
  int release_ = 25;

  std::unique_ptr<TSpectrumAnalyzer> analyzer_;
  std::vector<float> bandEdges_;
  TLevelSet bands_;
  TLevelSet meters_;
  TSampleBlock lastBlock_;  // for the oscilloscope
  std::unique_ptr<TBitmap> buffer_;
};
