#pragma once
// The player's 12-band graphic equaliser: one peaking section per band and
// channel, centred on the frequencies the equaliser window labels, with
// the band gains in dB.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/audio/Biquad.h"

namespace detail {

class PlaybackEqualizer {
 public:
  static constexpr int kBandCount = 12;
  static const std::array<double, kBandCount> kBandCentresHz;

  void Configure(int sampleRate, int channels);
  // Gains in dB, limited to +-24 dB.
  void SetGains(const std::array<float, kBandCount>& gainsDb);
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Enabled() const { return enabled_; }
  // Filters interleaved samples in place; flat or disabled leaves them as
  // they are.
  void Process(std::int16_t* samples, std::size_t frames);
  // Combined response of the bands at a frequency, for tests.
  double MagnitudeAt(double hz) const;

 private:
  void Design();

  int sampleRate_ = 0;
  int channels_ = 0;
  bool enabled_ = true;
  std::array<float, kBandCount> gains_{};
  std::array<bool, kBandCount> active_{};
  std::array<BiquadCoefficients, kBandCount> coefficients_{};
  std::vector<BiquadFilter> filters_;  // band-major: band * channels + channel
};

}  // namespace detail
