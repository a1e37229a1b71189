#pragma once
// Spectrum analysis for the displays: a Hann-windowed FFT of a sample
// block, and the bin levels gathered into bands spaced evenly on a
// logarithmic frequency scale. Levels are in dB relative to a full-scale
// sine, so a sine of amplitude 32767 reads about 0 dB in its bin.

#include <memory>
#include <vector>

#include "platform/audio/AudioTypes.h"

// The level given to bins with no energy at all.
constexpr float kSpectrumFloorDb = -150.0f;

class TSpectrumAnalyzer {
 public:
  static constexpr int kMinSize = 64;
  static constexpr int kMaxSize = 16384;

  // fftSize: a power of two from kMinSize to kMaxSize (EInvalidOperation otherwise).
  explicit TSpectrumAnalyzer(int fftSize);
  ~TSpectrumAnalyzer();
  TSpectrumAnalyzer(const TSpectrumAnalyzer&) = delete;
  TSpectrumAnalyzer& operator=(const TSpectrumAnalyzer&) = delete;

  int FFTSize() const { return size_; }
  int BinCount() const { return size_ / 2 + 1; }

  // The level of each bin (0 .. FFTSize/2) of the block's channels mixed to
  // mono. The window spans the frames given, at most the last FFTSize of
  // them; fewer frames are zero-padded, which keeps levels comparable. A
  // trailing partial frame is ignored; no frames give the floor everywhere.
  std::vector<float> BinLevels(const TSampleBlock& block, int channels);

 private:
  struct Plan;
  int size_;
  std::unique_ptr<Plan> plan_;
};

// Band i spans [edges[i], edges[i + 1]) Hz; bandCount + 1 edges spaced
// evenly on a log scale from lowHz to highHz (highHz is held at or below
// the Nyquist frequency and above lowHz).
std::vector<float> LogBandEdges(int bandCount, float lowHz, float highHz, int sampleRate);

// The loudest bin of each band. A band narrower than one bin takes the bin
// its middle frequency falls into, so every band shows something.
std::vector<float> BandLevels(const std::vector<float>& binLevels, int sampleRate, int fftSize,
                              const std::vector<float>& edges);

// The index of the band that holds frequency hz (-1 when outside).
int BandOfFrequency(const std::vector<float>& edges, float hz);
