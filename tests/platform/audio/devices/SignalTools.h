#pragma once
// Synthetic signals and measurements shared by the device tests.

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "platform/audio/AudioTypes.h"

namespace testsignal {

// Interleaved sine of `frames` frames, the same on every channel.
inline TSampleBlock Sine(double hz, double amplitude, int sampleRate, int channels, int frames,
                         double phase = 0) {
  TSampleBlock out(static_cast<std::size_t>(frames) * channels);
  for (int i = 0; i < frames; ++i) {
    const auto v = static_cast<std::int16_t>(
        std::lround(amplitude * std::sin(phase + 2 * std::numbers::pi * hz * i / sampleRate)));
    for (int c = 0; c < channels; ++c) out[static_cast<std::size_t>(i) * channels + c] = v;
  }
  return out;
}

// Amplitude of the component at `hz` in one channel (Goertzel).
inline double ToneAmplitude(const TSampleBlock& s, int channels, int channel, double hz, int sampleRate) {
  const double w = 2 * std::numbers::pi * hz / sampleRate;
  const double coeff = 2 * std::cos(w);
  double q1 = 0, q2 = 0;
  std::size_t n = 0;
  for (std::size_t i = channel; i < s.size(); i += channels, ++n) {
    const double q0 = coeff * q1 - q2 + s[i];
    q2 = q1;
    q1 = q0;
  }
  if (n == 0) return 0;
  const double power = q1 * q1 + q2 * q2 - coeff * q1 * q2;
  return 2 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(n);
}

inline int Peak(const TSampleBlock& s) {
  int p = 0;
  for (auto v : s) p = std::max(p, std::abs(static_cast<int>(v)));
  return p;
}

}  // namespace testsignal
