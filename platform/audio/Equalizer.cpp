#include "platform/audio/Equalizer.h"

#include <algorithm>
#include <cmath>

namespace detail {
namespace {

// Neighbouring bands are a little under an octave apart; this width makes
// their slopes meet near -3 dB of a band's gain.
constexpr double kBandQ = 1.4;
constexpr float kMaxGainDb = 24.0f;

}  // namespace

const std::array<double, PlaybackEqualizer::kBandCount> PlaybackEqualizer::kBandCentresHz = {
    31, 62, 125, 250, 500, 1000, 2000, 3000, 4000, 8000, 12000, 16000};

void PlaybackEqualizer::Configure(int sampleRate, int channels) {
  if (sampleRate == sampleRate_ && channels == channels_) return;
  sampleRate_ = sampleRate;
  channels_ = channels;
  filters_.assign(static_cast<std::size_t>(kBandCount) * channels, BiquadFilter{});
  Design();
}

void PlaybackEqualizer::SetGains(const std::array<float, kBandCount>& gainsDb) {
  for (int b = 0; b < kBandCount; ++b) {
    float g = std::isfinite(gainsDb[b]) ? gainsDb[b] : 0.0f;
    gains_[b] = std::clamp(g, -kMaxGainDb, kMaxGainDb);
  }
  Design();
}

void PlaybackEqualizer::Design() {
  for (int b = 0; b < kBandCount; ++b) {
    // A band at or above the Nyquist frequency of a low sample rate is left out.
    const bool wasActive = active_[b];
    active_[b] = std::abs(gains_[b]) >= 0.01f && sampleRate_ > 0 &&
                 kBandCentresHz[b] < sampleRate_ * 0.45;
    if (!active_[b]) continue;
    coefficients_[b] = BiquadCoefficients::Peaking(sampleRate_, kBandCentresHz[b], kBandQ, gains_[b]);
    for (int c = 0; c < channels_; ++c) {
      auto& f = filters_[b * channels_ + c];
      if (!wasActive) f.Reset();  // stale state from an earlier use would click
      f.SetCoefficients(coefficients_[b]);
    }
  }
}

void PlaybackEqualizer::Process(std::int16_t* samples, std::size_t frames) {
  if (!enabled_ || channels_ <= 0) return;
  if (std::none_of(active_.begin(), active_.end(), [](bool a) { return a; })) return;
  for (std::size_t i = 0; i < frames; ++i) {
    std::int16_t* frame = samples + i * channels_;
    for (int c = 0; c < channels_; ++c) {
      double x = frame[c];
      for (int b = 0; b < kBandCount; ++b)
        if (active_[b]) x = filters_[b * channels_ + c].Process(x);
      frame[c] = static_cast<std::int16_t>(std::clamp(std::lround(x), -32768L, 32767L));
    }
  }
}

double PlaybackEqualizer::MagnitudeAt(double hz) const {
  double m = 1;
  if (!enabled_) return m;
  for (int b = 0; b < kBandCount; ++b)
    if (active_[b]) m *= coefficients_[b].MagnitudeAt(sampleRate_, hz);
  return m;
}

}  // namespace detail
