#pragma once
// The recorder's noise filters on the captured signal: a low cut (high-pass)
// to remove rumble and hum, a high cut (low-pass) to remove hiss, and a
// noise gate that silences the signal while it stays below a threshold.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/audio/Biquad.h"

namespace detail {

struct CaptureFilterSettings {
  bool lowCutEnabled = false;
  float lowCutFrequency = 100.0f;
  bool highCutEnabled = false;
  float highCutFrequency = 8000.0f;
  bool noiseLevelEnabled = false;
  // The gate closes while the signal stays below this many dB under full
  // scale (50 = about 1/316 of full scale).
  float noiseLevel = 50.0f;

  bool AnyEnabled() const { return lowCutEnabled || highCutEnabled || noiseLevelEnabled; }
  bool operator==(const CaptureFilterSettings&) const = default;
};

class CaptureFilterChain {
 public:
  // Takes effect at once; the filters keep their state when only a
  // frequency changes, so a change makes no click.
  void Configure(int sampleRate, int channels, const CaptureFilterSettings& settings);
  // Filters interleaved samples in place.
  void Process(std::int16_t* samples, std::size_t frames);

 private:
  void ProcessGate(std::vector<double>& frame);

  int sampleRate_ = 0;
  int channels_ = 0;
  CaptureFilterSettings settings_;
  std::vector<BiquadFilter> lowCut_, highCut_;
  double gateThreshold_ = 0;  // linear, on the 16-bit scale
  double envelope_ = 0;
  double gateGain_ = 1;
  double envelopeRelease_ = 0, gainAttack_ = 0, gainRelease_ = 0;
  std::vector<double> frame_;
};

}  // namespace detail
