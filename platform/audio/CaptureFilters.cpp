#include "platform/audio/CaptureFilters.h"

#include <algorithm>
#include <cmath>

namespace detail {
namespace {

constexpr double kButterworthQ = 0.7071067811865476;

// Coefficient of a one-pole smoother that covers about 63 % of a step in
// the given time.
double SmoothingCoefficient(int sampleRate, double seconds) {
  return std::exp(-1.0 / (seconds * sampleRate));
}

}  // namespace

void CaptureFilterChain::Configure(int sampleRate, int channels,
                                   const CaptureFilterSettings& settings) {
  const bool shapeChanged = sampleRate != sampleRate_ || channels != channels_;
  sampleRate_ = sampleRate;
  channels_ = channels;
  settings_ = settings;
  if (shapeChanged) {
    lowCut_.assign(channels, BiquadFilter{});
    highCut_.assign(channels, BiquadFilter{});
    envelope_ = 0;
    gateGain_ = 1;
  }
  const auto low = BiquadCoefficients::Highpass(sampleRate, settings.lowCutFrequency, kButterworthQ);
  const auto high = BiquadCoefficients::Lowpass(sampleRate, settings.highCutFrequency, kButterworthQ);
  for (auto& f : lowCut_) f.SetCoefficients(low);
  for (auto& f : highCut_) f.SetCoefficients(high);
  gateThreshold_ = 32768.0 * std::pow(10.0, -std::abs(settings.noiseLevel) / 20.0);
  envelopeRelease_ = SmoothingCoefficient(sampleRate, 0.05);
  gainAttack_ = SmoothingCoefficient(sampleRate, 0.002);
  gainRelease_ = SmoothingCoefficient(sampleRate, 0.02);
  frame_.assign(channels, 0.0);
}

void CaptureFilterChain::ProcessGate(std::vector<double>& frame) {
  double peak = 0;
  for (double x : frame) peak = std::max(peak, std::abs(x));
  envelope_ = std::max(peak, envelope_ * envelopeRelease_);
  // Opens fast so the start of a word is kept, closes slower to avoid clicks.
  const double target = envelope_ >= gateThreshold_ ? 1.0 : 0.0;
  const double k = target > gateGain_ ? gainAttack_ : gainRelease_;
  gateGain_ = target + (gateGain_ - target) * k;
  for (double& x : frame) x *= gateGain_;
}

void CaptureFilterChain::Process(std::int16_t* samples, std::size_t frames) {
  if (!settings_.AnyEnabled() || channels_ <= 0) return;
  for (std::size_t i = 0; i < frames; ++i) {
    std::int16_t* frame = samples + i * channels_;
    for (int c = 0; c < channels_; ++c) {
      double x = frame[c];
      if (settings_.lowCutEnabled) x = lowCut_[c].Process(x);
      if (settings_.highCutEnabled) x = highCut_[c].Process(x);
      frame_[c] = x;
    }
    if (settings_.noiseLevelEnabled) ProcessGate(frame_);
    for (int c = 0; c < channels_; ++c)
      frame[c] = static_cast<std::int16_t>(std::clamp(std::lround(frame_[c]), -32768L, 32767L));
  }
}

}  // namespace detail
